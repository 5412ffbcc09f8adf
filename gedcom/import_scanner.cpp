#include "gedcom/import_scanner.h"

#include "gedcom/import_lexer.h"
#include "gedcom/import_log.h"
#include "system/numbers.h"

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
    case 1:
        return tkBlank;
    case 2:
        return tkEndOfLine;
    case 3:
    case 5:
        return tkWord;
    case 6:
        return tkXref;
    case 9:
        return tkWord; // then the keyword lookup
    case 10:
        return tkNumber;
    case 11:
        return tkSlashedName;
    case 12:
        return tkEndOfFile;
    case 13:
        return tkUserTag;
    case 14:
        return tkSlashNumber;
    case 16:
        return tkCalendarEscape;
    default:
        return tkError;
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

namespace {

// Lines as the scanner counts them: CR LF, LF and a lone CR each end one, and a last line without
// an end counts.
int countLines(std::string_view text)
{
    size_t lines = size_t(std::count(text.begin(), text.end(), '\n'));
    for (size_t cr = text.find('\r'); cr != std::string_view::npos; cr = text.find('\r', cr + 1))
        if (cr + 1 == text.size() || text[cr + 1] != '\n')
            ++lines;
    if (!text.empty() && text.back() != '\n' && text.back() != '\r')
        ++lines;
    return int(lines);
}

} // namespace

GedFile::GedFile(std::string text, std::vector<std::string>& log)
    : GedFile(std::move(text), nullptr, &log) { }

GedFile::GedFile(std::string text, ImportLog& log) : GedFile(std::move(text), &log, nullptr) { }

GedFile::GedFile(std::string text, ImportLog* importLog, std::vector<std::string>* textLog)
    : text_(std::move(text)), lineCount_(countLines(text_)), textLog_(textLog), importLog_(importLog)
{
    asked_ = current_ = spanFrom(0, 0);
}

GedFile::Span GedFile::spanFrom(size_t begin, int index) const
{
    Span span;
    span.index = index;
    span.begin = std::min(begin, text_.size());
    const char* p = text_.data() + span.begin;
    const char* const end = text_.data() + text_.size();
    while (p != end && *p != '\n' && *p != '\r')
        ++p;
    span.end = size_t(p - text_.data());
    return span;
}

void GedFile::stepTo(Span& span, int i) const
{
    if (i < span.index) {
        // Backwards only to the scanner's line after a seek; the other span is then on it.
        const Span& other = &span == &asked_ ? current_ : asked_;
        span = other.index <= i ? other : spanFrom(0, 0);
    }
    while (span.index < i) {
        size_t next = span.end;
        if (next < text_.size())
            next += text_[next] == '\r' && next + 1 < text_.size() && text_[next + 1] == '\n' ? 2 : 1;
        span = spanFrom(next, span.index + 1);
    }
}

void GedFile::report(std::string message)
{
    if (importLog_)
        importLog_->push_back(message);
    else
        textLog_->push_back(std::move(message));
}

bool GedFile::isTextChar(unsigned char c)
{
    if (c >= 128)
        return c != 255;
    switch (c) {
    case '.':
    case '!':
    case '"':
    case '\'':
    case '(':
    case ')':
    case '*':
    case '+':
    case ',':
    case '-':
    case '&':
    case ':':
    case ';':
    case '<':
    case '=':
    case '>':
    case '?':
    case '[':
    case '\\':
    case ']':
    case '^':
    case '`':
    case '{':
    case '}':
    case '|':
    case '~':
    case '$':
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
    if (i < 0 || i >= lineCount_)
        return {};
    stepTo(asked_, i);
    return asked_.view(text_);
}

unsigned char GedFile::peekChar() const
{
    if (column_ == 0)
        return gedEndOfLine;
    if (line_ >= lineCount())
        return gedEndOfFile;
    stepTo(current_, line_);
    const std::string_view l = current_.view(text_);
    // A column past the end of the line is its end.
    return size_t(column_) <= l.size() ? static_cast<unsigned char>(l[size_t(column_) - 1]) : gedEndOfLine;
}

unsigned char GedFile::nextChar()
{
    ++column_;
    if (line_ >= lineCount())
        return gedEndOfFile;
    stepTo(current_, line_);
    const std::string_view l = current_.view(text_);
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
            report("řádek " + intToStr(line_ + 1) + ", neočekávaný výskyt znaku: \"" +
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
