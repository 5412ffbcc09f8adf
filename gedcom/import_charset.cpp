#include "gedcom/import_charset.h"

#include "system/codec.h"
#include "system/text.h"

#include <algorithm>
#include <cstdint>

namespace {

// Windows-1252 where it is not Latin-1, 0x80..0x9F; a byte it leaves unassigned stands for itself.
constexpr char16_t kCp1252Low[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98
};

char32_t cp1252CodePoint(unsigned char b)
{
    return b >= 0x80 && b < 0xA0 ? kCp1252Low[b - 0x80] : b;
}

// A letter of both code pages: a byte either leaves unassigned is no choice between them.
bool assigned(char32_t cp)
{
    return cp < 0x80 || cp >= 0xA0;
}

struct AnselMark {
    unsigned char byte;
    char32_t combining;
    char32_t composed[52];
};

// Generated from Unicode's canonical compositions: for each combining mark, the letter it
// composes with each ASCII letter A-Z then a-z, 0 where Unicode has no single letter.
const AnselMark anselMarks[] = {
    {0xE0, 0x309, {0x1EA2, 0, 0, 0, 0x1EBA, 0, 0,      0, 0x1EC8, 0, 0,      0, 0, 0, 0x1ECE, 0, 0, 0, 0, 0,
                   0x1EE6, 0, 0, 0, 0x1EF6, 0, 0x1EA3, 0, 0,      0, 0x1EBB, 0, 0, 0, 0x1EC9, 0, 0, 0, 0, 0,
                   0x1ECF, 0, 0, 0, 0,      0, 0x1EE7, 0, 0,      0, 0x1EF7, 0}},
    {0xE1, 0x300, {0xC0,  0,    0, 0, 0xC8, 0, 0, 0,    0xCC, 0,      0, 0,      0,
                   0x1F8, 0xD2, 0, 0, 0,    0, 0, 0xD9, 0,    0x1E80, 0, 0x1EF2, 0,
                   0xE0,  0,    0, 0, 0xE8, 0, 0, 0,    0xEC, 0,      0, 0,      0,
                   0x1F9, 0xF2, 0, 0, 0,    0, 0, 0xF9, 0,    0x1E81, 0, 0x1EF3, 0}},
    {0xE2, 0x301, {0xC1,  0,    0x106,  0, 0xC9,  0,     0x1F4, 0,    0xCD, 0,      0x1E30, 0x139, 0x1E3E,
                   0x143, 0xD3, 0x1E54, 0, 0x154, 0x15A, 0,     0xDA, 0,    0x1E82, 0,      0xDD,  0x179,
                   0xE1,  0,    0x107,  0, 0xE9,  0,     0x1F5, 0,    0xED, 0,      0x1E31, 0x13A, 0x1E3F,
                   0x144, 0xF3, 0x1E55, 0, 0x155, 0x15B, 0,     0xFA, 0,    0x1E83, 0,      0xFD,  0x17A}},
    {0xE3, 0x302, {0xC2, 0,    0x108, 0, 0xCA, 0,     0x11C, 0x124, 0xCE, 0x134, 0, 0,     0,
                   0,    0xD4, 0,     0, 0,    0x15C, 0,     0xDB,  0,    0x174, 0, 0x176, 0x1E90,
                   0xE2, 0,    0x109, 0, 0xEA, 0,     0x11D, 0x125, 0xEE, 0x135, 0, 0,     0,
                   0,    0xF4, 0,     0, 0,    0x15D, 0,     0xFB,  0,    0x175, 0, 0x177, 0x1E91}},
    {0xE4, 0x303, {0xC3, 0,    0, 0, 0x1EBC, 0, 0, 0,     0x128,  0, 0, 0,      0,
                   0xD1, 0xD5, 0, 0, 0,      0, 0, 0x168, 0x1E7C, 0, 0, 0x1EF8, 0,
                   0xE3, 0,    0, 0, 0x1EBD, 0, 0, 0,     0x129,  0, 0, 0,      0,
                   0xF1, 0xF5, 0, 0, 0,      0, 0, 0x169, 0x1E7D, 0, 0, 0x1EF9, 0}},
    {0xE5, 0x304, {0x100, 0, 0,     0, 0x112, 0, 0x1E20, 0, 0x12A, 0, 0,     0, 0,     0, 0x14C,  0, 0,     0,
                   0,     0, 0x16A, 0, 0,     0, 0x232,  0, 0x101, 0, 0,     0, 0x113, 0, 0x1E21, 0, 0x12B, 0,
                   0,     0, 0,     0, 0x14D, 0, 0,      0, 0,     0, 0x16B, 0, 0,     0, 0x233,  0}},
    {0xE6, 0x306, {0x102, 0, 0,     0, 0x114, 0, 0x11E, 0, 0x12C, 0, 0,     0, 0,     0, 0x14E, 0, 0,     0,
                   0,     0, 0x16C, 0, 0,     0, 0,     0, 0x103, 0, 0,     0, 0x115, 0, 0x11F, 0, 0x12D, 0,
                   0,     0, 0,     0, 0x14F, 0, 0,     0, 0,     0, 0x16D, 0, 0,     0, 0,     0}},
    {0xE7, 0x307, {0x226,  0x1E02, 0x10A,  0x1E0A, 0x116,  0x1E1E, 0x120,  0x1E22, 0x130,  0,      0,
                   0,      0x1E40, 0x1E44, 0x22E,  0x1E56, 0,      0x1E58, 0x1E60, 0x1E6A, 0,      0,
                   0x1E86, 0x1E8A, 0x1E8E, 0x17B,  0x227,  0x1E03, 0x10B,  0x1E0B, 0x117,  0x1E1F, 0x121,
                   0x1E23, 0,      0,      0,      0,      0x1E41, 0x1E45, 0x22F,  0x1E57, 0,      0x1E59,
                   0x1E61, 0x1E6B, 0,      0,      0x1E87, 0x1E8B, 0x1E8F, 0x17C}},
    {0xE8, 0x308, {0xC4, 0,    0, 0, 0xCB, 0, 0,      0x1E26, 0xCF, 0,      0,      0,     0,
                   0,    0xD6, 0, 0, 0,    0, 0,      0xDC,   0,    0x1E84, 0x1E8C, 0x178, 0,
                   0xE4, 0,    0, 0, 0xEB, 0, 0,      0x1E27, 0xEF, 0,      0,      0,     0,
                   0,    0xF6, 0, 0, 0,    0, 0x1E97, 0xFC,   0,    0x1E85, 0x1E8D, 0xFF,  0}},
    {0xE9, 0x30C, {0x1CD, 0,     0x10C, 0x10E, 0x11A, 0, 0x1E6, 0x21E, 0x1CF, 0,     0x1E8,
                   0x13D, 0,     0x147, 0x1D1, 0,     0, 0x158, 0x160, 0x164, 0x1D3, 0,
                   0,     0,     0,     0x17D, 0x1CE, 0, 0x10D, 0x10F, 0x11B, 0,     0x1E7,
                   0x21F, 0x1D0, 0x1F0, 0x1E9, 0x13E, 0, 0x148, 0x1D2, 0,     0,     0x159,
                   0x161, 0x165, 0x1D4, 0,     0,     0, 0,     0x17E}},
    {0xEA, 0x30A, {0xC5, 0, 0,     0, 0, 0, 0, 0, 0,    0, 0,     0, 0,      0, 0,      0, 0, 0,
                   0,    0, 0x16E, 0, 0, 0, 0, 0, 0xE5, 0, 0,     0, 0,      0, 0,      0, 0, 0,
                   0,    0, 0,     0, 0, 0, 0, 0, 0,    0, 0x16F, 0, 0x1E98, 0, 0x1E99, 0}},
    {0xEB, 0x361, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                   0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {0xEC, 0x360, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                   0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {0xED, 0x315, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                   0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {0xEE, 0x30B, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x150, 0, 0, 0, 0, 0, 0x170, 0, 0, 0, 0, 0,
                   0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x151, 0, 0, 0, 0, 0, 0x171, 0, 0, 0, 0, 0}},
    {0xEF, 0x310, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                   0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {0xF0, 0x327, {0,     0, 0xC7, 0x1E10, 0x228, 0,     0x122, 0x1E28, 0, 0, 0x136, 0x13B, 0,
                   0x145, 0, 0,    0,      0x156, 0x15E, 0x162, 0,      0, 0, 0,     0,     0,
                   0,     0, 0xE7, 0x1E11, 0x229, 0,     0x123, 0x1E29, 0, 0, 0x137, 0x13C, 0,
                   0x146, 0, 0,    0,      0x157, 0x15F, 0x163, 0,      0, 0, 0,     0,     0}},
    {0xF1, 0x328, {0x104, 0, 0,     0, 0x118, 0, 0, 0, 0x12E, 0, 0,     0, 0,     0, 0x1EA, 0, 0,     0,
                   0,     0, 0x172, 0, 0,     0, 0, 0, 0x105, 0, 0,     0, 0x119, 0, 0,     0, 0x12F, 0,
                   0,     0, 0,     0, 0x1EB, 0, 0, 0, 0,     0, 0x173, 0, 0,     0, 0,     0}},
    {0xF2, 0x323, {0x1EA0, 0x1E04, 0,      0x1E0C, 0x1EB8, 0,      0,      0x1E24, 0x1ECA, 0,      0x1E32,
                   0x1E36, 0x1E42, 0x1E46, 0x1ECC, 0,      0,      0x1E5A, 0x1E62, 0x1E6C, 0x1EE4, 0x1E7E,
                   0x1E88, 0,      0x1EF4, 0x1E92, 0x1EA1, 0x1E05, 0,      0x1E0D, 0x1EB9, 0,      0,
                   0x1E25, 0x1ECB, 0,      0x1E33, 0x1E37, 0x1E43, 0x1E47, 0x1ECD, 0,      0,      0x1E5B,
                   0x1E63, 0x1E6D, 0x1EE5, 0x1E7F, 0x1E89, 0,      0x1EF5, 0x1E93}},
    {0xF3, 0x324, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x1E72, 0, 0, 0, 0, 0,
                   0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x1E73, 0, 0, 0, 0, 0}},
    {0xF4, 0x325, {0x1E00, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                   0x1E01, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {0xF5, 0x333, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                   0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {0xF6, 0x332, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                   0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {0xF7, 0x31C, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                   0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {0xF8, 0x326, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x218, 0x21A, 0, 0, 0, 0, 0, 0,
                   0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x219, 0x21B, 0, 0, 0, 0, 0, 0}},
    {0xF9, 0x32E, {0, 0, 0, 0, 0, 0, 0, 0x1E2A, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                   0, 0, 0, 0, 0, 0, 0, 0x1E2B, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {0xFA, 0x360, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                   0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {0xFB, 0x360, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                   0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {0xFE, 0x313, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                   0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
};

const AnselMark* anselMark(unsigned char byte)
{
    for (const AnselMark& m : anselMarks)
        if (m.byte == byte)
            return &m;
    return nullptr;
}

// The spacing characters of ANSEL from 0xA1 to 0xCF; 0 where ANSEL assigns nothing.
constexpr char32_t anselSpacing[0xCF - 0xA1 + 1] = {
    0x141, 0xD8,  0x110, 0xDE,   0xC6,  0x152,  0x2B9,  0xB7, 0x266D, 0xAE,   0xB1,  0x1A0,
    0x1AF, 0x2BC, 0,     0x2BB,  0x142, 0xF8,   0x111,  0xFE, 0xE6,   0x153,  0x2BA, 0x131,
    0xA3,  0xF0,  0,     0x1A1,  0x1B0, 0x25A1, 0x25A0, 0xB0, 0x2113, 0x2117, 0xA9,  0x266F,
    0xBF,  0xA1,  0xDF,  0x20AC, 0,     0,      0,      0,    0x65,   0x6F,   0xDF};

// The pairs of older Czech programs that differ from standard ANSEL.
char32_t legacyPair(unsigned char mark, char letter)
{
    if (mark == 0xE1) {
        switch (letter) {
        case 'u':
            return 0x16F; // ů
        case 'i':
            return 0x11B; // ě
        case 'e':
            return 0x10D; // č
        case 'o':
            return 0x148; // ň
        case 'U':
            return 0x16E;
        case 'I':
            return 0x11A;
        case 'E':
            return 0x10C;
        case 'O':
            return 0x147;
        default:
            return 0;
        }
    }
    if (mark == 0xE8 && letter == 'i')
        return 0x10F; // ď
    if (mark == 0xE8 && letter == 'I')
        return 0x10E;
    return 0;
}

int letterIndex(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return 26 + c - 'a';
    return -1;
}

bool isAnselMark(unsigned char b)
{
    return b >= 0xE0 && b != 0xFC && b != 0xFD && b != 0xFF;
}

// One spacing character (not a mark) as a code point.
char32_t anselBase(unsigned char b)
{
    if (b < 0x80)
        return b;
    if (b >= 0xA1 && b <= 0xCF && anselSpacing[b - 0xA1])
        return anselSpacing[b - 0xA1];
    return cp1250CodePoint(b);
}

bool startsWithNoCase(std::string_view s, std::string_view prefix)
{
    if (s.size() < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        char c = s[i];
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
        if (c != prefix[i])
            return false;
    }
    return true;
}

void appendUtf16(std::string& out, std::string_view bytes, size_t start, bool littleEndian, int& unconverted)
{
    out.reserve(bytes.size() / 2 + 16);
    auto unit = [&](size_t i) -> uint16_t {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return littleEndian ? uint16_t(a | (b << 8)) : uint16_t((a << 8) | b);
    };
    size_t i = start;
    while (i + 1 < bytes.size()) {
        const uint16_t u = unit(i);
        i += 2;
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < bytes.size()) {
            const uint16_t low = unit(i);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                i += 2;
                appendUtf8(out, 0x10000 + ((char32_t(u) - 0xD800) << 10) + (low - 0xDC00));
                continue;
            }
        }
        if (u >= 0xD800 && u <= 0xDFFF) {
            ++unconverted;
            appendUtf8(out, 0xFFFD);
            continue;
        }
        appendUtf8(out, u);
    }
    if (i < bytes.size()) {
        ++unconverted;
        appendUtf8(out, 0xFFFD);
    }
}

// Length of the valid UTF-8 sequence at `i`, or 0.
size_t utf8SequenceLength(std::string_view s, size_t i)
{
    const auto b = static_cast<unsigned char>(s[i]);
    size_t n;
    char32_t cp;
    if (b < 0x80)
        return 1;
    if (b >= 0xC2 && b <= 0xDF) {
        n = 2;
        cp = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
        n = 3;
        cp = b & 0x0F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        n = 4;
        cp = b & 0x07;
    } else {
        return 0;
    }
    if (i + n > s.size())
        return 0;
    for (size_t k = 1; k < n; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (c & 0x3F);
    }
    if ((n == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ||
        (n == 4 && (cp < 0x10000 || cp > 0x10FFFF)))
        return 0;
    return n;
}

bool isAscii(std::string_view s)
{
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

bool isUtf8(std::string_view s)
{
    for (size_t i = 0; i < s.size();) {
        const size_t n = utf8SequenceLength(s, i);
        if (!n)
            return false;
        i += n;
    }
    return true;
}

std::string utf8OrCp1250(std::string_view s, size_t& firstBad)
{
    firstBad = std::string_view::npos;
    std::string out;
    out.reserve(s.size());
    size_t i = 0;
    while (i < s.size()) {
        // Runs of ASCII are the bulk of every file.
        size_t j = i;
        while (j < s.size() && static_cast<unsigned char>(s[j]) < 0x80)
            ++j;
        out.append(s.data() + i, j - i);
        i = j;
        if (i >= s.size())
            break;
        const size_t n = utf8SequenceLength(s, i);
        if (n) {
            out.append(s.data() + i, n);
            i += n;
        } else {
            if (firstBad == std::string_view::npos)
                firstBad = i;
            appendUtf8(out, cp1250CodePoint(static_cast<unsigned char>(s[i])));
            ++i;
        }
    }
    return out;
}

} // namespace

AnselEvidence standardAnselEvidence(std::string_view bytes)
{
    AnselEvidence found;
    size_t langAt = std::string_view::npos;
    const std::string language = gedcomHeaderValue(bytes, "LANG", nullptr, &langAt);
    const std::string lower = lowerCase(language);
    if (!language.empty() && lower != "czech" && lower != "slovak")
        found = {langAt, "LANG " + language};
    for (size_t i = 0; i < bytes.size() && i < found.offset; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (!isAnselMark(b))
            continue;
        const char letter = i + 1 < bytes.size() ? bytes[i + 1] : '\0';
        bool standard;
        if (b == 0xE2)
            standard = false;
        else if (b == 0xE1)
            standard = letterIndex(letter) >= 0 &&
                       std::string_view("uieoUIEO").find(letter) == std::string_view::npos;
        else if (b == 0xE8)
            standard = letterIndex(letter) >= 0 && letter != 'i' && letter != 'I';
        else
            // The Czech programs wrote ř as its Windows-1250 byte, which ANSEL has as a mark.
            standard = b != 0xF8;
        if (standard) {
            found.offset = i;
            found.what = anselToUtf8(bytes.substr(i, letterIndex(letter) >= 0 ? 2 : 1));
        }
    }
    return found;
}

int lineOfOffset(std::string_view bytes, size_t offset)
{
    offset = std::min(offset, bytes.size());
    int line = 1;
    for (size_t i = 0; i < offset; ++i)
        if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n')))
            ++line;
    return line;
}

std::string anselToUtf8(std::string_view bytes, bool czechPairs, size_t* firstPair, std::string* pairLetter)
{
    if (firstPair)
        *firstPair = std::string_view::npos;
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            // Runs of ASCII are the bulk of every file.
            size_t j = i + 1;
            while (j < bytes.size() && static_cast<unsigned char>(bytes[j]) < 0x80)
                ++j;
            out.append(bytes.data() + i, j - i);
            i = j;
            continue;
        }
        // In the files of the Czech programs ř is its Windows-1250 byte, not a mark.
        const auto isMark = [&](unsigned char c) { return isAnselMark(c) && !(czechPairs && c == 0xF8); };
        if (!isMark(b)) {
            appendUtf8(out, anselBase(b));
            ++i;
            continue;
        }
        // Marks stand before their letter; a line end or the end of the text is no letter.
        size_t j = i;
        while (j < bytes.size() && isMark(static_cast<unsigned char>(bytes[j])))
            ++j;
        const bool hasBase = j < bytes.size() && bytes[j] != '\n' && bytes[j] != '\r';
        if (!hasBase) {
            for (size_t k = i; k < j; ++k)
                appendUtf8(out, anselMark(static_cast<unsigned char>(bytes[k]))->combining);
            i = j;
            continue;
        }
        const char base = bytes[j];
        const auto firstMark = static_cast<unsigned char>(bytes[i]);
        size_t nextMark = i + 1;
        char32_t composed = 0;
        const char32_t czech = j == i + 1 ? legacyPair(firstMark, base) : 0;
        if (czech && czechPairs)
            composed = czech;
        if (!composed) {
            const int index = letterIndex(base);
            if (index >= 0)
                composed = anselMark(firstMark)->composed[index];
        }
        if (czech && firstPair && *firstPair == std::string_view::npos) {
            *firstPair = i;
            if (pairLetter) {
                pairLetter->clear();
                appendUtf8(*pairLetter, composed);
            }
        }
        if (composed) {
            appendUtf8(out, composed);
        } else {
            appendUtf8(out, anselBase(static_cast<unsigned char>(base)));
            nextMark = i;
        }
        for (size_t k = nextMark; k < j; ++k)
            appendUtf8(out, anselMark(static_cast<unsigned char>(bytes[k]))->combining);
        i = j + 1;
    }
    return out;
}

std::string gedcomHeaderValue(std::string_view bytes, std::string_view tag, int* lineNumber, size_t* offset)
{
    size_t pos = 0;
    int recordsSeen = 0;
    int number = 0;
    if (lineNumber)
        *lineNumber = 0;
    if (offset)
        *offset = std::string_view::npos;
    while (pos < bytes.size()) {
        ++number;
        const size_t start = pos;
        size_t end = bytes.find_first_of("\r\n", pos);
        if (end == std::string_view::npos)
            end = bytes.size();
        std::string_view line = bytes.substr(pos, end - pos);
        pos = end + 1;
        // CR LF ends one line.
        if (end < bytes.size() && bytes[end] == '\r' && pos < bytes.size() && bytes[pos] == '\n')
            ++pos;
        if (line.substr(0, 3) == "\xEF\xBB\xBF")
            line.remove_prefix(3);
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
            line.remove_prefix(1);
        if (line.empty())
            continue;
        if (line.front() == '0' && (line.size() == 1 || line[1] == ' ' || line[1] == '\t')) {
            // The header is the first level-0 record; the CHAR line belongs to it.
            if (++recordsSeen > 1)
                break;
            continue;
        }
        if (line.front() != '1' || line.size() < 2 || (line[1] != ' ' && line[1] != '\t'))
            continue;
        line.remove_prefix(2);
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
            line.remove_prefix(1);
        const size_t n = tag.size();
        if (!startsWithNoCase(line, tag) || (line.size() > n && line[n] != ' ' && line[n] != '\t'))
            continue;
        if (lineNumber)
            *lineNumber = number;
        if (offset)
            *offset = start;
        return trim(line.substr(n));
    }
    return "";
}

std::string gedcomCharsetName(std::string_view bytes, int* lineNumber)
{
    return upperCase(gedcomHeaderValue(bytes, "CHAR", lineNumber));
}

DecodedGedcom decodeGedcom(std::string input)
{
    DecodedGedcom result;
    const std::string_view bytes = input;
    const auto at = [&](size_t i) { return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0x100; };
    if (at(0) == 0xFF && at(1) == 0xFE) {
        result.charset = GedcomCharset::Utf16LE;
        appendUtf16(result.text, bytes, 2, true, result.unconverted);
        return result;
    }
    if (at(0) == 0xFE && at(1) == 0xFF) {
        result.charset = GedcomCharset::Utf16BE;
        appendUtf16(result.text, bytes, 2, false, result.unconverted);
        return result;
    }
    // UTF-16 written without its mark still begins with the level digit and a zero byte.
    if (bytes.size() >= 4 && at(0) != 0 && at(1) == 0 && at(3) == 0) {
        result.charset = GedcomCharset::Utf16LE;
        appendUtf16(result.text, bytes, 0, true, result.unconverted);
        return result;
    }
    if (bytes.size() >= 4 && at(0) == 0 && at(1) != 0 && at(2) == 0) {
        result.charset = GedcomCharset::Utf16BE;
        appendUtf16(result.text, bytes, 0, false, result.unconverted);
        return result;
    }
    // A file that needs no conversion is taken as it is: a big file is not copied.
    if (at(0) == 0xEF && at(1) == 0xBB && at(2) == 0xBF) {
        result.charset = GedcomCharset::Utf8;
        if (isUtf8(bytes.substr(3))) {
            input.erase(0, 3);
            result.text = std::move(input);
        } else {
            size_t bad;
            result.text = utf8OrCp1250(bytes.substr(3), bad);
            result.firstNonUtf8Line = lineOfOffset(bytes, bad + 3);
        }
        return result;
    }
    const std::string name = gedcomCharsetName(bytes, &result.charsetLine);
    if (name == "ANSEL")
        result.charset = GedcomCharset::Ansel;
    else if (name == "UTF-8" || name == "UTF8" || name == "UNICODE")
        result.charset = GedcomCharset::Utf8;
    else if (!name.empty() && name != "ASCII" && name != "ANSI" && name != "WINDOWS-1250" && name != "CP1250")
        result.unknownCharset = true;
    result.declared = result.unknownCharset ? name : std::string();
    if (result.charset == GedcomCharset::Utf8 ? isUtf8(bytes) : isAscii(bytes)) {
        result.text = std::move(input);
    } else if (isUtf8(bytes)) {
        // Valid UTF-8 with letters beyond ASCII is next to never an 8-bit file by chance: the
        // CHAR line is what is wrong (many programs write a fixed one), not the letters.
        result.charsetOverruled = true;
        result.declared = name;
        result.unknownCharset = false;
        result.charset = GedcomCharset::Utf8;
        result.text = std::move(input);
    } else if (result.charset == GedcomCharset::Ansel) {
        const AnselEvidence evidence = standardAnselEvidence(bytes);
        result.czechAnselPairs = evidence.offset == std::string_view::npos;
        if (!result.czechAnselPairs) {
            result.anselEvidenceLine = lineOfOffset(bytes, evidence.offset);
            result.anselEvidence = evidence.what;
        }
        size_t pair;
        result.text = anselToUtf8(bytes, result.czechAnselPairs, &pair, &result.anselPairLetter);
        if (pair != std::string_view::npos)
            result.anselPairLine = lineOfOffset(bytes, pair);
    } else if (result.charset == GedcomCharset::Utf8) {
        size_t bad;
        result.text = utf8OrCp1250(bytes, bad);
        result.firstNonUtf8Line = lineOfOffset(bytes, bad);
    } else {
        result.text = cp1250ToUtf8(bytes);
        // ANSI names the code page of whichever Windows wrote the file: where a byte reads as
        // another letter in the Western one, which was taken is told.
        if (name == "ANSI")
            for (size_t i = 0; i < bytes.size(); ++i) {
                const auto b = static_cast<unsigned char>(bytes[i]);
                const char32_t central = cp1250CodePoint(b), western = cp1252CodePoint(b);
                if (b < 0x80 || central == western || !assigned(central) || !assigned(western))
                    continue;
                result.ansiLine = lineOfOffset(bytes, i);
                appendUtf8(result.ansiAs1250, central);
                appendUtf8(result.ansiAs1252, western);
                break;
            }
    }
    return result;
}
