#include "system/text.h"

#include <algorithm>

char32_t nextCodePoint(std::string_view s, size_t& pos)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    unsigned char b = byte(pos);
    if (b < 0x80) {
        ++pos;
        return b;
    }
    int extra;
    char32_t cp;
    char32_t min;
    if ((b & 0xE0) == 0xC0) {
        extra = 1;
        cp = b & 0x1F;
        min = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
        extra = 2;
        cp = b & 0x0F;
        min = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
        extra = 3;
        cp = b & 0x07;
        min = 0x10000;
    } else {
        ++pos;
        return 0xFFFD;
    }
    if (pos + static_cast<size_t>(extra) >= s.size()) {
        ++pos;
        return 0xFFFD;
    }
    for (int i = 1; i <= extra; ++i) {
        unsigned char c = byte(pos + static_cast<size_t>(i));
        if ((c & 0xC0) != 0x80) {
            ++pos;
            return 0xFFFD;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;
        return 0xFFFD;
    }
    pos += static_cast<size_t>(extra) + 1;
    return cp;
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

std::u32string toU32(std::string_view s)
{
    std::u32string out;
    out.reserve(s.size());
    size_t pos = 0;
    while (pos < s.size())
        out.push_back(nextCodePoint(s, pos));
    return out;
}

std::string fromU32(std::u32string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (char32_t c : s)
        appendUtf8(out, c);
    return out;
}

size_t utf8Length(std::string_view s)
{
    size_t n = 0;
    size_t pos = 0;
    while (pos < s.size()) {
        nextCodePoint(s, pos);
        ++n;
    }
    return n;
}

namespace {

// Byte offset of character `index`, or s.size() when the text is shorter.
size_t byteOffset(std::string_view s, size_t index)
{
    size_t pos = 0;
    for (size_t i = 0; i < index && pos < s.size(); ++i)
        nextCodePoint(s, pos);
    return pos;
}

// Upper/lower pairs of Windows-1250 outside ASCII and outside the Latin-1 block C0..DE/E0..FE.
struct CasePair {
    char32_t upper;
    char32_t lower;
};
constexpr CasePair kPairs[] = {
    {0x0160, 0x0161}, {0x015A, 0x015B}, {0x0164, 0x0165}, {0x017D, 0x017E}, {0x0179, 0x017A},
    {0x0141, 0x0142}, {0x0104, 0x0105}, {0x015E, 0x015F}, {0x013D, 0x013E}, {0x017B, 0x017C},
    {0x0154, 0x0155}, {0x0102, 0x0103}, {0x0139, 0x013A}, {0x0106, 0x0107}, {0x010C, 0x010D},
    {0x0118, 0x0119}, {0x011A, 0x011B}, {0x010E, 0x010F}, {0x0110, 0x0111}, {0x0143, 0x0144},
    {0x0147, 0x0148}, {0x0150, 0x0151}, {0x0158, 0x0159}, {0x016E, 0x016F}, {0x0170, 0x0171},
    {0x0162, 0x0163},
};

} // namespace

std::string utf8Substr(std::string_view s, size_t start, size_t count)
{
    size_t from = byteOffset(s, start);
    if (count == std::string::npos)
        return std::string(s.substr(from));
    size_t to = from;
    for (size_t i = 0; i < count && to < s.size(); ++i)
        nextCodePoint(s, to);
    return std::string(s.substr(from, to - from));
}

size_t utf8Find(std::string_view s, std::string_view needle)
{
    size_t at = s.find(needle);
    if (at == std::string_view::npos)
        return std::string::npos;
    return utf8Length(s.substr(0, at));
}

char32_t upperChar(char32_t c)
{
    if (c >= 'a' && c <= 'z')
        return c - 32;
    if (c < 0x80)
        return c;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return c - 0x20;
    for (const auto& p : kPairs)
        if (p.lower == c)
            return p.upper;
    return c;
}

char32_t lowerChar(char32_t c)
{
    if (c >= 'A' && c <= 'Z')
        return c + 32;
    if (c < 0x80)
        return c;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return c + 0x20;
    for (const auto& p : kPairs)
        if (p.upper == c)
            return p.lower;
    return c;
}

bool isLetter(char32_t c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))
        return true;
    return c >= 0x80 && (upperChar(c) != c || lowerChar(c) != c || c == 0xDF);
}

bool isDigitChar(char32_t c)
{
    return c >= '0' && c <= '9';
}

namespace {

template<typename F> std::string mapChars(std::string_view s, F f)
{
    std::string out;
    out.reserve(s.size());
    size_t pos = 0;
    while (pos < s.size()) {
        unsigned char b = static_cast<unsigned char>(s[pos]);
        if (b < 0x80) {
            out.push_back(static_cast<char>(f(b)));
            ++pos;
        } else {
            appendUtf8(out, f(nextCodePoint(s, pos)));
        }
    }
    return out;
}

} // namespace

std::string upperCase(std::string_view s)
{
    return mapChars(s, upperChar);
}

std::string lowerCase(std::string_view s)
{
    return mapChars(s, lowerChar);
}

bool sameText(std::string_view a, std::string_view b)
{
    return compareTextOrdinal(a, b) == 0;
}

int compareTextOrdinal(std::string_view a, std::string_view b)
{
    size_t i = 0;
    size_t j = 0;
    while (i < a.size() && j < b.size()) {
        char32_t ca = lowerChar(nextCodePoint(a, i));
        char32_t cb = lowerChar(nextCodePoint(b, j));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return 0;
}

std::string trimLeft(std::string_view s)
{
    size_t from = 0;
    while (from < s.size() && static_cast<unsigned char>(s[from]) <= 0x20)
        ++from;
    return std::string(s.substr(from));
}

std::string trimRight(std::string_view s)
{
    size_t to = s.size();
    while (to > 0 && static_cast<unsigned char>(s[to - 1]) <= 0x20)
        --to;
    return std::string(s.substr(0, to));
}

std::string trim(std::string_view s)
{
    return trimRight(trimLeft(s));
}
