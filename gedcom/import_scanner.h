#pragma once
// The character scanner of the GEDCOM import: the decoded text of the file, one character at a
// time with its line and column, the eleven character classes and the token automaton that cuts
// the characters into tokens. The text is UTF-8 (gedcom/import_charset.h decoded it), so every
// byte from 128 up is part of a letter and scans as a text character.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class ImportLog;

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
    // Lines end at CR LF, LF or a lone CR; `log` receives the scanner's messages.
    GedFile(std::string text, std::vector<std::string>& log);
    GedFile(std::string text, ImportLog& log);
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
    int lineCount() const { return lineCount_; }
    // Gives back the text's memory once every line that will be read has been; the line count
    // stays.
    void releaseText()
    {
        // Swapped out: assigning an empty string would keep the buffer.
        std::string().swap(text_);
        asked_ = current_ = Span{};
    }

    static int charClass(unsigned char c);
    static bool isLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }
    static bool isTextChar(unsigned char c);

    // Scans the next token into `token` from the current character.
    void scanToken(Token& token);

private:
    // Where one line lies in the text. No table of all lines is kept: a big file has tens of
    // millions of them, and the lexer and scanner only walk forward, so two spans stepping line
    // by line find every line they ask for.
    struct Span {
        int index = 0;
        size_t begin = 0;
        size_t end = 0;
        std::string_view view(const std::string& text) const { return {text.data() + begin, end - begin}; }
    };
    GedFile(std::string text, ImportLog* importLog, std::vector<std::string>* textLog);
    Span spanFrom(size_t begin, int index) const;
    void stepTo(Span& span, int i) const;
    void report(std::string message);

    std::string text_;
    int lineCount_ = 0;
    std::vector<std::string>* textLog_ = nullptr;
    ImportLog* importLog_ = nullptr;
    // The span of the line last asked for, and that of the scanner's current line.
    mutable Span asked_;
    mutable Span current_;
    int line_ = 0;
    int column_ = 1;
};
