#pragma once
// Windows-1250 <-> UTF-8. Text lives in memory as UTF-8; files the program defines as
// Windows-1250 are converted here, at the file boundary.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

// Every byte maps to one code point; the five bytes Windows-1250 leaves unassigned
// (0x81, 0x83, 0x88, 0x90, 0x98) map to U+0081 and so on, so every byte survives a round trip.
std::string cp1250ToUtf8(std::string_view bytes);

// A character Windows-1250 lacks, and a byte that is not valid UTF-8, becomes "?".
std::string utf8ToCp1250(std::string_view utf8);

// The Windows-1250 byte of one code point, or -1 when the code page lacks it.
int cp1250ByteOf(char32_t codePoint);
// The code point of one Windows-1250 byte.
char32_t cp1250CodePoint(unsigned char byte);
// Comparison of the two texts' Windows-1250 bytes, as the program compares names "byte by byte";
// a character the code page lacks counts as "?".
int compareCp1250Bytes(std::string_view a, std::string_view b);

// Lines of a text: CR LF, LF and a lone CR all end a line; a last line without an end counts,
// an empty text has no lines.
std::vector<std::string> splitLines(std::string_view text);

// The same appended to `out`, for text converted piece by piece into one buffer.
void appendAsCp1250(std::string& out, std::string_view utf8);

// The text of a tree file, where no letter may be lost: a character the code page lacks is
// written as "&#N;" (N its decimal code point) and an "&" before "#" as "&#38;", so that
// cp1250WithReferencesToUtf8 gives back exactly what was written. Text the code page holds and
// that has no "&#" comes out as from appendAsCp1250, byte for byte.
void appendAsCp1250WithReferences(std::string& out, std::string_view utf8);
// Reads such text. Only the references the writer makes are read ("&#38;", code points the
// code page lacks, and "&#729;", the tree writer's "˙" past a run of seven); any other "&#..."
// stays as text, as a file from an older version meant it.
std::string cp1250WithReferencesToUtf8(std::string_view bytes);
// The same two appended to `out`, for text converted into one buffer used again and again.
void appendCp1250ToUtf8(std::string& out, std::string_view bytes);
void appendCp1250WithReferencesAsUtf8(std::string& out, std::string_view bytes);

// The `n` bytes at `p` (fewer than eight) as the low bytes of a word, zeros above them, read
// without a look past the last: a word's test then serves a short line's bytes too.
inline uint64_t shortWordAt(const char* p, size_t n)
{
    if (n >= 4) {
        uint32_t low, high;
        std::memcpy(&low, p, 4);
        std::memcpy(&high, p + n - 4, 4);
        return low | static_cast<uint64_t>(high) << ((n - 4) * 8);
    }
    if (n >= 2) {
        uint16_t low, high;
        std::memcpy(&low, p, 2);
        std::memcpy(&high, p + n - 2, 2);
        return low | static_cast<uint64_t>(high) << ((n - 2) * 8);
    }
    return n ? static_cast<unsigned char>(*p) : 0;
}

// Whether the text is ASCII without an "&": such text is the same bytes in UTF-8, in
// Windows-1250 and with references, so it needs no conversion either way. Eight bytes a step,
// since the tree file's millions of lines are mostly such.
inline bool isPlainText(std::string_view text)
{
    constexpr uint64_t ones = 0x0101010101010101ull;
    constexpr uint64_t highs = 0x8080808080808080ull;
    // The high bit of each byte that is not ASCII or is an "&" (a flag above such a byte may be
    // false, which does not matter: one is enough).
    const auto flags = [](uint64_t word) {
        const uint64_t amp = word ^ (ones * '&');
        return (word | ((amp - ones) & ~amp)) & highs;
    };
    const char* p = text.data();
    const size_t n = text.size();
    if (n < 8) // the zeros above the bytes raise no flag
        return !flags(shortWordAt(p, n));
    uint64_t word;
    for (size_t i = 0; i + 8 <= n; i += 8) {
        std::memcpy(&word, p + i, 8);
        if (flags(word))
            return false;
    }
    std::memcpy(&word, p + n - 8, 8); // the last bytes, overlapping those tested
    return !flags(word);
}

// A whole Windows-1250 text file as UTF-8 lines. Raises EInOutError when it cannot be read.
std::vector<std::string> readCp1250Lines(const std::string& path);
// Writes UTF-8 lines as Windows-1250, each followed by CR LF, through a temporary file that is
// renamed over the old one (see writeFileAtomic for `durable`). Raises EInOutError.
void writeCp1250Lines(const std::string& path, const std::vector<std::string>& lines, bool durable = true);

// A text file written for people to read (summaries, lists, the calendar, text exports): UTF-8
// without a byte order mark, as editors on a Linux desktop expect, each line followed by CR LF,
// through a temporary file renamed over the old one. The program's own files stay Windows-1250.
// Raises EInOutError.
void writeUtf8TextLines(const std::string& path, const std::vector<std::string>& lines, bool durable = true);
