#include "system/codec.h"

#include "system/fileio.h"
#include "system/text.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>

namespace {

// Code points of the bytes 0x80..0xFF; below 0x80 the code page is ASCII.
constexpr std::array<char16_t, 128> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179, // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9, // F8
};

} // namespace

char32_t cp1250CodePoint(unsigned char byte)
{
    return byte < 0x80 ? byte : kHigh[byte - 0x80];
}

int cp1250ByteOf(char32_t cp)
{
    if (cp < 0x80)
        return static_cast<int>(cp);
    for (size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == cp)
            return static_cast<int>(0x80 + i);
    return -1;
}

int compareCp1250Bytes(std::string_view a, std::string_view b)
{
    size_t i = 0;
    size_t j = 0;
    while (i < a.size() && j < b.size()) {
        int ba = cp1250ByteOf(nextCodePoint(a, i));
        int bb = cp1250ByteOf(nextCodePoint(b, j));
        if (ba < 0)
            ba = '?';
        if (bb < 0)
            bb = '?';
        if (ba != bb)
            return ba < bb ? -1 : 1;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return 0;
}

namespace {

// The UTF-8 bytes of each byte 0x80..0xFF.
struct Utf8Bytes {
    char bytes[3];
    unsigned char length;
};
constexpr std::array<Utf8Bytes, 128> kHighUtf8 = [] {
    std::array<Utf8Bytes, 128> r{};
    for (size_t i = 0; i < kHigh.size(); ++i) {
        const char32_t cp = kHigh[i];
        if (cp < 0x800)
            r[i] = {{static_cast<char>(0xC0 | (cp >> 6)), static_cast<char>(0x80 | (cp & 0x3F)), 0}, 2};
        else
            r[i] = {{static_cast<char>(0xE0 | (cp >> 12)), static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
                     static_cast<char>(0x80 | (cp & 0x3F))},
                    3};
    }
    return r;
}();

// How many UTF-8 bytes the Windows-1250 bytes become; words of ASCII eight bytes a step.
size_t utf8LengthOf(std::string_view bytes)
{
    const auto extra = [](char c) -> size_t {
        const auto b = static_cast<unsigned char>(c);
        return b < 0x80 ? 0 : kHighUtf8[b - 0x80].length - 1;
    };
    size_t length = bytes.size();
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    for (; end - p >= 8; p += 8) {
        uint64_t word;
        std::memcpy(&word, p, 8);
        if (word & 0x8080808080808080ull)
            for (int k = 0; k < 8; ++k)
                length += extra(p[k]);
    }
    for (; p != end; ++p)
        length += extra(*p);
    return length;
}

} // namespace

void appendCp1250ToUtf8(std::string& out, std::string_view bytes)
{
    // Written through a pointer into room made for exactly the result: a call to append each
    // letter cost more than the letter, and a text kept from here keeps no spare room.
    const size_t before = out.size();
    out.resize(before + utf8LengthOf(bytes));
    char* to = out.data() + before;
    const auto put = [&to](char c) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            *to++ = c;
        } else {
            const Utf8Bytes& u = kHighUtf8[b - 0x80];
            std::memcpy(to, u.bytes, u.length);
            to += u.length;
        }
    };
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    // Words of ASCII go over whole.
    for (; end - p >= 8; p += 8) {
        uint64_t word;
        std::memcpy(&word, p, 8);
        if (word & 0x8080808080808080ull) {
            for (int k = 0; k < 8; ++k)
                put(p[k]);
        } else {
            std::memcpy(to, &word, 8);
            to += 8;
        }
    }
    for (; p != end; ++p)
        put(*p);
}

std::string cp1250ToUtf8(std::string_view bytes)
{
    std::string out;
    appendCp1250ToUtf8(out, bytes);
    return out;
}

namespace {

// The byte of each code point below 0x2200 that the code page holds above 0x7F, else 0.
constexpr std::array<unsigned char, 0x2200> kReverse = [] {
    std::array<unsigned char, 0x2200> r{};
    for (size_t i = 0; i < kHigh.size(); ++i)
        r[kHigh[i]] = static_cast<unsigned char>(0x80 + i);
    return r;
}();

unsigned char reverseCp1250(char32_t cp)
{
    return cp < kReverse.size() ? kReverse[cp] : 0;
}

void appendReference(std::string& out, char32_t cp)
{
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, static_cast<uint32_t>(cp)).ptr;
    out += "&#";
    out.append(digits, end);
    out += ';';
}

// Plain ASCII as it stands, except that with `escape` an "&" before "#" becomes "&#38;" so
// that a typed "&#65;" is not taken for a reference when read back.
template<bool escape> void appendAscii(std::string& out, std::string_view ascii)
{
    if constexpr (escape) {
        size_t amp;
        while ((amp = ascii.find("&#")) != std::string_view::npos) {
            out.append(ascii.substr(0, amp));
            out += "&#38;";
            ascii.remove_prefix(amp + 1);
        }
    }
    out.append(ascii);
}

// Runs of plain ASCII go over in one piece, since an exported page is mostly markup. With
// `references` a character the code page lacks is written as a reference instead of "?".
template<bool references, bool escape> void appendConverted(std::string& out, std::string_view utf8)
{
    size_t pos = 0;
    while (pos < utf8.size()) {
        size_t plain = pos;
        // Eight bytes at a time while none has its high bit set.
        while (plain + 8 <= utf8.size()) {
            uint64_t word;
            std::memcpy(&word, utf8.data() + plain, 8);
            if (word & 0x8080808080808080ull)
                break;
            plain += 8;
        }
        while (plain < utf8.size() && static_cast<unsigned char>(utf8[plain]) < 0x80)
            ++plain;
        appendAscii<escape>(out, utf8.substr(pos, plain - pos));
        pos = plain;
        if (pos == utf8.size())
            break;
        const size_t start = pos;
        const char32_t cp = nextCodePoint(utf8, pos);
        if (const unsigned char mapped = reverseCp1250(cp)) {
            out.push_back(static_cast<char>(mapped));
        } else if constexpr (references) {
            // A broken sequence is no letter to keep: it stays "?" everywhere.
            if (cp != 0xFFFD || utf8.substr(start, pos - start) == "\uFFFD")
                appendReference(out, cp);
            else
                out.push_back('?');
        } else {
            out.push_back('?');
        }
    }
}

// The code point of a reference "&#N;" at the start of `text` (N decimal without leading zeros)
// and its length, or nothing. Only what the writer makes is taken: N is 38, 729 or a code point
// the code page lacks; any other such text was typed and stays as it is.
bool readReference(std::string_view text, char32_t& cp, size_t& length)
{
    if (text.size() < 4 || text[0] != '&' || text[1] != '#' || text[2] == '0')
        return false;
    uint32_t value = 0;
    size_t i = 2;
    for (; i < text.size() && i < 10 && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10 + static_cast<uint32_t>(text[i] - '0');
    if (i == 2 || i >= text.size() || text[i] != ';')
        return false;
    // "˙" (U+02D9) the code page holds, but a tree file's writer references it past a run of
    // seven, where its bytes would look like a zeroed stretch of the file.
    if (value != '&' && value != 0x2D9 &&
        (value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF) || value < 0x80 ||
         reverseCp1250(value) != 0))
        return false;
    cp = value;
    length = i + 1;
    return true;
}

} // namespace

void appendAsCp1250(std::string& out, std::string_view utf8)
{
    appendConverted<false, false>(out, utf8);
}

void appendAsCp1250WithReferences(std::string& out, std::string_view utf8)
{
    // Most texts hold no "&": they need no look for "&#" in each run of plain text.
    if (!utf8.empty() && std::memchr(utf8.data(), '&', utf8.size()))
        appendConverted<true, true>(out, utf8);
    else
        appendConverted<true, false>(out, utf8);
}

void appendCp1250WithReferencesAsUtf8(std::string& out, std::string_view bytes)
{
    size_t amp;
    if (bytes.empty() || !std::memchr(bytes.data(), '&', bytes.size()) ||
        (amp = bytes.find("&#")) == std::string_view::npos) {
        appendCp1250ToUtf8(out, bytes);
        return;
    }
    while (amp != std::string_view::npos) {
        appendCp1250ToUtf8(out, bytes.substr(0, amp));
        bytes.remove_prefix(amp);
        char32_t cp;
        size_t length;
        if (readReference(bytes, cp, length)) {
            appendUtf8(out, cp);
            bytes.remove_prefix(length);
        } else {
            out += '&';
            bytes.remove_prefix(1);
        }
        amp = bytes.find("&#");
    }
    appendCp1250ToUtf8(out, bytes);
}

std::string cp1250WithReferencesToUtf8(std::string_view bytes)
{
    std::string out;
    appendCp1250WithReferencesAsUtf8(out, bytes);
    return out;
}

std::string utf8ToCp1250(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    appendAsCp1250(out, utf8);
    return out;
}

std::vector<std::string> splitLines(std::string_view text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    size_t i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            start = ++i;
        } else {
            ++i;
        }
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

std::vector<std::string> readCp1250Lines(const std::string& path)
{
    return splitLines(cp1250ToUtf8(readFileBytes(path)));
}

namespace {

// Each line as `append` encodes it, ended by CR LF.
template<typename Append> std::string crLfLines(const std::vector<std::string>& lines, Append append)
{
    size_t size = 0;
    for (const auto& line : lines)
        size += line.size() + 2;
    std::string bytes;
    bytes.reserve(size);
    for (const auto& line : lines) {
        append(bytes, line);
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace

void writeCp1250Lines(const std::string& path, const std::vector<std::string>& lines, bool durable)
{
    writeFileAtomic(path, crLfLines(lines, appendAsCp1250), durable);
}

void writeUtf8TextLines(const std::string& path, const std::vector<std::string>& lines, bool durable)
{
    writeFileAtomic(
        path, crLfLines(lines, [](std::string& bytes, const std::string& line) { bytes += line; }), durable);
}
