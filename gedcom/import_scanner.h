#pragma once
// The character scanner of the GEDCOM import: the decoded text of the file, one character at a
// time with its line and column, the eleven character classes and the token automaton that cuts
// the characters into tokens. The text is UTF-8 (gedcom/import_charset.h decoded it), so every
// byte from 128 up is part of a letter and scans as a text character.
#include <string>
#include <string_view>
#include <vector>

// Character classes of the token automaton.
enum GedCharClass {
    gcBlank = 0,
    gcEndOfLine = 1,
    gcText = 2,
    gcLetter = 3,
    gcDigit = 4,
    gcAt = 5,
    gcSlash = 6,
    gcIllegal = 7,
    gcEndOfFile = 8,
    gcUnderscore = 9,
    gcHash = 10,
};

// Positions outside the text read as these two characters.
constexpr unsigned char gedEndOfLine = 10;
constexpr unsigned char gedEndOfFile = 13;

class Token;

class GedFile {
public:
    // Splits the text at CR LF, LF or a lone CR; `log` receives the scanner's messages.
    GedFile(std::string text, std::vector<std::string>& log);
    GedFile(const GedFile&) = delete;
    GedFile& operator=(const GedFile&) = delete;

    // Current line, counted from 0; messages show it plus 1.
    int lineIndex() const { return line_; }
    // Position of the current character in its line from 1; 0 stands on the end of the line
    // before.
    int column() const { return column_; }
    // The current character without moving.
    unsigned char peekChar() const;
    // Moves one character on and returns the new current character.
    unsigned char nextChar();
    // Puts the scanner on the first character of line `i`.
    void seekLine(int i);

    std::string_view line(int i) const;
    int lineCount() const { return int(lines_.size()); }

    static int charClass(unsigned char c);
    static bool isLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }
    static bool isTextChar(unsigned char c);

    // Scans the next token into `token` from the current character.
    void scanToken(Token& token);

private:
    std::string text_;
    std::vector<std::string_view> lines_;
    std::vector<std::string>& log_;
    int line_ = 0;
    int column_ = 1;
};
