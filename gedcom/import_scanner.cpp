#include "gedcom/import_scanner.h"

#include "gedcom/import_lexer.h"
#include "platform/numbers.h"

#include <algorithm>
#include <array>

namespace {

// Next state by state (row) and character class (column). 8 ends the token without the current
// character, 7 ends it with it, 4 is the error state.
constexpr int transitions[17][11] = {
    {1, 2, 3, 9, 10, 5, 11, 4, 12, 13, 3},
    {8, 8, 8, 8, 8, 8, 8, 4, 8, 8, 8},
    {8, 2, 8, 8, 8, 8, 8, 4, 12, 8, 8},
    {8, 8, 3, 3, 3, 3, 8, 4, 8, 3, 3},
    {4, 8, 4, 4, 4, 4, 4, 4, 8, 4, 4},
    {4, 8, 6, 6, 6, 4, 4, 4, 4, 6, 15},
    {4, 4, 6, 6, 6, 7, 4, 4, 4, 6, 6},
    {8, 8, 8, 8, 8, 8, 8, 4, 8, 8, 8},
    {8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8},
    {8, 8, 3, 9, 9, 3, 8, 4, 8, 3, 3},
    {8, 8, 3, 3, 10, 4, 8, 4, 8, 3, 3},
    {11, 4, 11, 11, 14, 4, 7, 4, 4, 11, 11},
    {8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8},
    // Other programs' tags such as _PLAC_DEFN hold further underscores.
    {8, 8, 4, 13, 13, 4, 4, 4, 8, 13, 4},
    {8, 8, 4, 4, 14, 4, 4, 4, 8, 4, 4},
    {4, 4, 4, 16, 16, 4, 4, 4, 4, 16, 4},
    {16, 4, 4, 16, 16, 7, 4, 4, 4, 16, 4},
};

// The kind a token gets from the state it was last in.
int kindOfState(int state)
{
    switch (state) {
    case 1: return tkBlank;
    case 2: return tkEndOfLine;
    case 3:
    case 5: return tkWord;
    case 6: return tkXref;
    case 9: return tkWord; // then the keyword lookup
    case 10: return tkNumber;
    case 11: return tkSlashedName;
    case 12: return tkEndOfFile;
    case 13: return tkUserTag;
    case 14: return tkSlashNumber;
    case 16: return tkCalendarEscape;
    default: return tkError;
    }
}

std::array<unsigned char, 256> makeClasses()
{
    std::array<unsigned char, 256> classes{};
    for (int c = 0; c < 256; ++c) {
        const auto b = static_cast<unsigned char>(c);
        int k;
        if (GedFile::isLetter(b))
            k = gcLetter;
        else if (GedFile::isTextChar(b))
            k = gcText;
        else if (GedFile::isDigit(b))
            k = gcDigit;
        else if (b == ' ' || b == '\t')
            k = gcBlank;
        else if (b == gedEndOfLine)
            k = gcEndOfLine;
        else if (b == gedEndOfFile)
            k = gcEndOfFile;
        else if (b == '#')
            k = gcHash;
        else if (b == '/')
            k = gcSlash;
        else if (b == '@')
            k = gcAt;
        else if (b == '_')
            k = gcUnderscore;
        else
            k = gcIllegal;
        classes[c] = static_cast<unsigned char>(k);
    }
    return classes;
}

const std::array<unsigned char, 256> classes = makeClasses();

} // namespace

GedFile::GedFile(std::string text, std::vector<std::string>& log) : text_(std::move(text)), log_(log)
{
    const std::string_view all(text_);
    lines_.reserve(size_t(std::count(all.begin(), all.end(), '\n')) + 1);
    size_t start = 0;
    for (size_t i = 0; i < all.size(); ++i) {
        const char c = all[i];
        if (c != '\n' && c != '\r')
            continue;
        lines_.push_back(all.substr(start, i - start));
        if (c == '\r' && i + 1 < all.size() && all[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < all.size())
        lines_.push_back(all.substr(start));
}

bool GedFile::isTextChar(unsigned char c)
{
    if (c >= 128)
        return c != 255;
    switch (c) {
    case '.': case '!': case '"': case '\'': case '(': case ')': case '*': case '+': case ',':
    case '-': case '&': case ':': case ';': case '<': case '=': case '>': case '?': case '[':
    case '\\': case ']': case '^': case '`': case '{': case '}': case '|': case '~': case '$':
    case '%':
        return true;
    default:
        return false;
    }
}

int GedFile::charClass(unsigned char c)
{
    return classes[c];
}

std::string_view GedFile::line(int i) const
{
    return i >= 0 && i < lineCount() ? lines_[size_t(i)] : std::string_view();
}

unsigned char GedFile::peekChar() const
{
    if (column_ == 0)
        return gedEndOfLine;
    if (line_ >= lineCount())
        return gedEndOfFile;
    const std::string_view l = lines_[size_t(line_)];
    // A column past the end of the line is its end.
    return size_t(column_) <= l.size() ? static_cast<unsigned char>(l[size_t(column_) - 1]) : gedEndOfLine;
}

unsigned char GedFile::nextChar()
{
    ++column_;
    if (line_ >= lineCount())
        return gedEndOfFile;
    const std::string_view l = lines_[size_t(line_)];
    if (size_t(column_) > l.size()) {
        column_ = 0;
        ++line_;
        return line_ == lineCount() ? gedEndOfFile : gedEndOfLine;
    }
    return static_cast<unsigned char>(l[size_t(column_) - 1]);
}

void GedFile::seekLine(int i)
{
    line_ = i;
    column_ = 1;
}

void GedFile::scanToken(Token& token)
{
    token.reset();
    unsigned char c = peekChar();
    int state = 0;
    int previous = 0;
    bool logged = false;
    for (;;) {
        previous = state;
        state = transitions[state][classes[c]];
        if (state == 8)
            break;
        if (state == 4 && !logged) {
            log_.push_back("řádek " + intToStr(line_ + 1) + ", neočekávaný výskyt znaku: \"" +
                           std::string(1, char(c)) + "\".");
            logged = true;
        }
        token.text_ += char(c);
        c = nextChar();
        if (state == 7)
            break;
    }
    token.kind_ = previous == 9 ? lookupKeyword(token.text_) : kindOfState(previous);
}
