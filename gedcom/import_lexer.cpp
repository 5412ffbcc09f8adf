#include "gedcom/import_lexer.h"

#include "system/numbers.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace {

// The tags from 20 on, in their numbering order.
constexpr std::array<const char*, 146> keywords = {
    "ABBR", "ADDR", "ADR1", "ADR2", "ADOP", "AFN",  "AGE",  "AGNC", "ALIA", "ANCE", "ANCI", "ANUL", "ASSO",
    "AUTH", "BAPL", "BAPM", "BARM", "BASM", "BIRT", "BLES", "BURI", "CALN", "CAST", "CAUS", "CENS", "CHAN",
    "CHAR", "CHIL", "CHR",  "CHRA", "CITY", "CONC", "CONF", "CONL", "CONT", "COPR", "CORP", "CREM", "CTRY",
    "DATA", "DATE", "DEAT", "DESC", "DESI", "DEST", "DIV",  "DIVF", "DSCR", "EDUC", "EMAI", "EMIG", "ENDL",
    "ENGA", "EVEN", "FACT", "FAM",  "FAMC", "FAMF", "FAMS", "FAX",  "FCOM", "FILE", "FORM", "FONE", "GEDC",
    "GIVN", "GRAD", "HEAD", "HUSB", "IDNO", "IMMI", "INDI", "LANG", "LATI", "LONG", "MAP",  "MARB", "MARC",
    "MARL", "MARR", "MARS", "MEDI", "NAME", "NATI", "NATU", "NCHI", "NICK", "NMR",  "NOTE", "NPFX", "NSFX",
    "OBJE", "OCCU", "ORDI", "ORDN", "PAGE", "PEDI", "PHON", "PLAC", "POST", "PROB", "PROP", "PUBL", "QUAY",
    "REFN", "RELA", "RELI", "REPO", "RESI", "RESN", "RETI", "RFN",  "RIN",  "ROLE", "ROMN", "SEX",  "SLGC",
    "SLGS", "SOUR", "SPFX", "SSN",  "STAE", "STAT", "SUBM", "SUBN", "SURN", "TEMP", "TEXT", "TIME", "TITL",
    "TRLR", "TYPE", "VERS", "WIFE", "WILL", "WWW",  "ADR3", "INT",  "FROM", "TO",   "BEF",  "AFT",  "BET",
    "ABT",  "CAL",  "EST"};

constexpr std::array<const char*, 12> gregorianMonths = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                         "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
constexpr std::array<const char*, 13> frenchMonths = {"VEND", "BRUM", "FRIM", "NIVO", "PLUV", "VENT", "GERM",
                                                      "FLOR", "PRAI", "MESS", "THER", "FRUC", "COMP"};
constexpr std::array<const char*, 13> hebrewMonths = {"TSH", "CSH", "KSL", "TVT", "SHV", "ADR", "ADS",
                                                      "NSN", "IYR", "SVN", "TMZ", "AAV", "ELL"};

std::unordered_map<std::string, int> makeKeywordTable()
{
    std::unordered_map<std::string, int> table;
    for (size_t i = 0; i < keywords.size(); ++i)
        table.emplace(keywords[i], int(i) + tkFirstKeyword);
    table.emplace("EMAIL", kwEMAI);
    // The first list that names a word wins: Gregorian, then French republican, then Hebrew.
    for (const char* m : gregorianMonths)
        table.emplace(m, tkGregorianMonth);
    for (const char* m : frenchMonths)
        table.emplace(m, tkFrenchMonth);
    for (const char* m : hebrewMonths)
        table.emplace(m, tkHebrewMonth);
    return table;
}

const std::unordered_map<std::string, int>& keywordTable()
{
    static const std::unordered_map<std::string, int> table = makeKeywordTable();
    return table;
}

std::string upperAscii(std::string_view s)
{
    std::string u(s);
    for (char& c : u)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return u;
}

bool isBlankText(std::string_view s)
{
    return std::all_of(s.begin(), s.end(), [](char c) { return c == ' ' || c == '\t'; });
}

// Deeper levels than this are no GEDCOM a program writes; they only make numbers overflow.
constexpr int maxLevel = 99;

} // namespace

int lookupKeyword(std::string_view word)
{
    // Keywords are at most five letters; a longer word needs no upper-casing to be no keyword.
    if (word.size() > 5)
        return tkWord;
    const auto& table = keywordTable();
    const auto it = table.find(upperAscii(word));
    return it == table.end() ? tkWord : it->second;
}

int monthNumber(std::string_view word)
{
    const std::string u = upperAscii(word);
    for (size_t i = 0; i < gregorianMonths.size(); ++i)
        if (u == gregorianMonths[i])
            return int(i) + 1;
    return 0;
}

LexAn::LexAn(std::string text) : file_(std::move(text), log_) { }

void LexAn::cleanValue(GedLine& line)
{
    std::string& v = line.value;
    // Most values hold neither a control character nor an at sign: one look settles it.
    bool plain = true;
    for (const char c : v)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F || c == '@') {
            plain = false;
            break;
        }
    if (plain)
        return;
    // A value is text: a control character (a tab aside) has no place in a name or a place and
    // would go on into every file written from the tree.
    size_t removed = 0;
    const size_t size = v.size();
    size_t out = 0;
    for (size_t i = 0; i < size; ++i) {
        const auto c = static_cast<unsigned char>(v[i]);
        if ((c < 0x20 && c != '\t') || c == 0x7F) {
            ++removed;
            continue;
        }
        v[out++] = v[i];
        // "@@" is how a file writes one at sign; a pointer value such as "@I1@" has none doubled.
        if (c == '@' && i + 1 < size && v[i + 1] == '@')
            ++i;
    }
    v.resize(out);
    if (removed)
        logError(line.number, "řídicí znaky odstraněny z hodnoty (" + intToStr(long(removed)) + ")");
}

void LexAn::unexpected(int lineNumber, const std::string& expected)
{
    std::string shown = text();
    if (!shown.empty() && (shown.back() == char(gedEndOfLine) || shown.back() == char(gedEndOfFile)))
        shown.pop_back();
    logError(lineNumber, "neočekávaný výskyt: \"" + shown + "\" (" + expected + ").");
}

bool LexAn::readLine(GedLine& line)
{
    while (nextLine_ < file_.lineCount()) {
        const int index = nextLine_++;
        const std::string_view raw = file_.line(index);
        if (isBlankText(raw))
            continue;
        line.number = index + 1;
        line.level = -1;
        line.bad = false;
        line.xref.clear();
        line.tag = tkError;
        line.tagText.clear();
        line.value.clear();

        file_.seekLine(index);
        next();
        // Leading whitespace is common in files indented by hand.
        while (kind() == tkBlank)
            next();
        int level = 0;
        if (kind() != tkNumber) {
            unexpected(line.number, "očekáváno číslo");
            ++damagedLines_;
            continue;
        }
        if (!tryStrToInt(text(), level) || level > maxLevel) {
            logError(line.number, "úroveň mimo rozsah: \"" + text() + "\".");
            ++damagedLines_;
            continue;
        }
        line.level = level;
        // A line may go at most one level below the line before it; one that skips a level is
        // read under the line before, as the only reading left, and said.
        if (level > lastLevel_ + 1)
            logError(line.number,
                     "úroveň " + intToStr(level) + " přeskakuje úroveň " + intToStr(lastLevel_ + 1));
        lastLevel_ = level;
        next();
        auto bad = [&](const std::string& expected) {
            unexpected(line.number, expected);
            line.bad = true;
            ++damagedLines_;
            return true;
        };
        if (kind() != tkBlank)
            return bad("očekávána mezera");
        while (kind() == tkBlank)
            next();
        if (kind() == tkXref) {
            line.xref = text().substr(1, text().size() - 2);
            next();
            if (kind() != tkBlank)
                return bad("očekávána mezera");
            while (kind() == tkBlank)
                next();
        }
        const int k = kind();
        const bool isTag = k == tkWord || k == tkUserTag || (k >= tkFirstKeyword && k <= tkLastKeyword) ||
                           k == tkGregorianMonth || k == tkHebrewMonth || k == tkFrenchMonth;
        if (!isTag)
            return bad("očekáván tag");
        line.tag = k >= tkGregorianMonth && k <= tkFrenchMonth ? int(tkWord) : k;
        line.tagText = text();
        // The value is the line as written after the one blank that ends the tag: values are
        // free text, not tokens.
        if (file_.lineIndex() == index && file_.column() > 0) {
            size_t start = size_t(file_.column()) - 1;
            if (start < raw.size() && (raw[start] == ' ' || raw[start] == '\t'))
                ++start;
            if (start < raw.size())
                line.value.assign(raw.substr(start));
        }
        cleanValue(line);
        return true;
    }
    line = GedLine();
    line.number = file_.lineCount() + 1;
    return false;
}
