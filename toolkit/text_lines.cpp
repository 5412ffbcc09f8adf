#include "toolkit/text_lines.h"

#include "system/text.h"

#include <algorithm>
#include <string_view>

namespace {

bool fits(const TFont& font, const std::string& text, int width)
{
    return recordedTextWidth(font, text) <= width;
}

// The most letters of `word` from its start that fit in `width`, at least one, so that every
// break moves on.
size_t lettersThatFit(const TFont& font, const std::string& word, int width)
{
    size_t low = 1, high = utf8Length(word);
    while (low < high) {
        const size_t mid = (low + high + 1) / 2;
        if (fits(font, utf8Substr(word, 0, mid), width))
            low = mid;
        else
            high = mid - 1;
    }
    return low;
}

void wrapLine(const TFont& font, std::string_view line, int width, std::vector<std::string>& out)
{
    if (fits(font, std::string(line), width)) {
        out.emplace_back(line);
        return;
    }
    std::string current;
    size_t pos = 0;
    while (true) {
        const size_t wordStart = line.find_first_not_of(' ', pos);
        if (wordStart == std::string_view::npos)
            break; // blanks at the end of a line show nothing
        const size_t wordEnd = std::min(line.find(' ', wordStart), line.size());
        std::string word(line.substr(wordStart, wordEnd - wordStart));
        const std::string joined = current + std::string(line.substr(pos, wordStart - pos)) + word;
        pos = wordEnd;
        if (!current.empty() && fits(font, joined, width)) {
            current = joined;
            continue;
        }
        if (!current.empty())
            out.push_back(current);
        // A word starts the line; one wider than the line is broken between letters.
        while (!fits(font, word, width)) {
            const size_t n = lettersThatFit(font, word, width);
            out.push_back(utf8Substr(word, 0, n));
            word = utf8Substr(word, n);
        }
        current = word;
    }
    if (!current.empty())
        out.push_back(current);
}

} // namespace

std::vector<std::string> wrappedLines(const TFont& font, const std::string& text, int width)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (true) {
        const size_t end = text.find('\n', start);
        wrapLine(font, std::string_view(text).substr(start, end - start), width, lines);
        if (end == std::string::npos)
            return lines;
        start = end + 1;
    }
}

std::string fittedLine(const TFont& font, const std::string& text, int width)
{
    if (fits(font, text, width))
        return text;
    static const std::string ellipsis = "\u2026";
    size_t low = 0, high = utf8Length(text);
    while (low < high) {
        const size_t mid = (low + high + 1) / 2;
        if (fits(font, utf8Substr(text, 0, mid) + ellipsis, width))
            low = mid;
        else
            high = mid - 1;
    }
    return utf8Substr(text, 0, low) + ellipsis;
}

std::vector<std::string> firstLines(const TFont& font, std::vector<std::string> lines, size_t count,
                                    int width)
{
    count = std::max<size_t>(count, 1);
    if (lines.size() > count) {
        lines.resize(count);
        // Shortened until the "…" fits after it, however the line ended.
        lines.back() = fittedLine(font, lines.back() + "\u2026", width);
    }
    return lines;
}

std::string joinedLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i)
        text += (i ? "\n" : "") + lines[i];
    return text;
}
