#include "gedcom/export_lines.h"

#include "system/numbers.h"

namespace {

// Bytes of the UTF-8 character that starts at `i`; a stray byte counts alone.
size_t charLength(std::string_view s, size_t i)
{
    const unsigned char b = static_cast<unsigned char>(s[i]);
    size_t n = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 1;
    if (i + n > s.size())
        return 1;
    for (size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
            return 1;
    return n;
}

void appendEscaped(std::string& out, std::string_view text)
{
    size_t at;
    while ((at = text.find('@')) != std::string_view::npos) {
        out.append(text.data(), at + 1);
        out += '@';
        text.remove_prefix(at + 1);
    }
    out += text;
}

} // namespace

size_t gedcomCut(std::string_view text, size_t room)
{
    size_t used = 0, i = 0, lastClean = 0, lastChar = 0;
    while (i < text.size()) {
        const size_t n = charLength(text, i);
        const size_t cost = text[i] == '@' ? 2 : n;
        if (used + cost > room)
            break;
        used += cost;
        i += n;
        lastChar = i;
        if (i < text.size() && text[i - 1] != ' ' && text[i] != ' ')
            lastClean = i;
    }
    if (i >= text.size())
        return text.size();
    if (lastClean > 0)
        return lastClean;
    // Not even one character fits: take it anyway rather than loop.
    return lastChar > 0 ? lastChar : charLength(text, 0);
}

void GedcomLines::streamTo(std::function<bool(std::string_view)> sink, size_t pieceBytes)
{
    sink_ = std::move(sink);
    pieceBytes_ = pieceBytes;
    // A little more than a piece: the line that fills it is not cut.
    out_.reserve(pieceBytes + 2 * (maxLineBytes + 2));
}

void GedcomLines::flush()
{
    if (!failed_ && !out_.empty() && !sink_(out_))
        failed_ = true;
    out_.clear();
}

bool GedcomLines::finish()
{
    if (sink_)
        flush();
    return !failed_;
}

void GedcomLines::raw(std::string_view text)
{
    out_ += text;
    out_ += "\r\n";
    handOver();
}

void GedcomLines::line(int level, std::string_view tag, std::string_view value)
{
    // Line breaks in a value (a CR LF counts once) start CONT lines one level below.
    size_t start = 0;
    bool first = true;
    while (true) {
        size_t end = value.find_first_of("\r\n", start);
        std::string_view piece = value.substr(start, end == std::string_view::npos ? end : end - start);
        if (first)
            segment(level, tag, piece);
        else
            segment(level + 1, "CONT", piece);
        first = false;
        if (end == std::string_view::npos)
            break;
        start = end + (value[end] == '\r' && end + 1 < value.size() && value[end + 1] == '\n' ? 2 : 1);
    }
}

void GedcomLines::segment(int level, std::string_view tag, std::string_view text)
{
    // A continued piece of a CONT line stays on its level; any other goes one level down.
    const int concLevel = tag == "CONC" || tag == "CONT" ? level : level + 1;
    std::string_view rest = text;
    while (true) {
        const size_t lineStart = out_.size();
        if (level >= 0 && level <= 9)
            out_ += char('0' + level);
        else
            out_ += intToStr(level);
        out_ += ' ';
        out_ += tag;
        if (!rest.empty()) {
            out_ += ' ';
            const size_t room = maxLineBytes - (out_.size() - lineStart);
            // Most values are short and hold no "@": they go whole without a look at each letter.
            const size_t cut = rest.size() <= room / 2 ? rest.size() : gedcomCut(rest, room);
            appendEscaped(out_, rest.substr(0, cut));
            rest.remove_prefix(cut);
        }
        out_ += "\r\n";
        handOver();
        if (rest.empty())
            break;
        level = concLevel;
        tag = "CONC";
    }
}
