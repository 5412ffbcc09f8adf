#pragma once
// Letters of UTF-8 texts. Rules that count characters, positions or letters count code points,
// never bytes; case follows the letters of Windows-1250 (Czech and its neighbours). Never use
// <cctype> on raw bytes of a UTF-8 text.
#include <string>
#include <string_view>

// Decodes the code point at `pos` and moves `pos` past it. A byte that does not start a valid
// sequence yields U+FFFD and moves one byte.
char32_t nextCodePoint(std::string_view s, size_t& pos);
void appendUtf8(std::string& out, char32_t cp);
std::u32string toU32(std::string_view s);
std::string fromU32(std::u32string_view s);

// Number of characters.
size_t utf8Length(std::string_view s);
// `count` characters from character `start` (0-based); clamps to the end.
std::string utf8Substr(std::string_view s, size_t start, size_t count = std::string::npos);
// Character index of the first occurrence of `needle`, or npos.
size_t utf8Find(std::string_view s, std::string_view needle);

// Upper and lower case over ASCII and every letter pair of Windows-1250; other characters stay.
char32_t upperChar(char32_t c);
char32_t lowerChar(char32_t c);
std::string upperCase(std::string_view s);
std::string lowerCase(std::string_view s);
bool isLetter(char32_t c);
bool isDigitChar(char32_t c);

// Equal when equal after lower-casing.
bool sameText(std::string_view a, std::string_view b);
// Ordinal comparison of the lower-cased texts (negative, 0, positive).
int compareTextOrdinal(std::string_view a, std::string_view b);

// The class library's trims: drop characters at or below U+0020.
std::string trim(std::string_view s);
std::string trimLeft(std::string_view s);
std::string trimRight(std::string_view s);
