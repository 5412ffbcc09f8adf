#include "gedcom/import_parser.h"

#include "system/big_block.h"

#include "gedcom/export_writer.h"
#include "model/casove_obdobi.h"
#include "model/clovek.h"
#include "model/rod.h"
#include "system/numbers.h"
#include "system/text.h"

#include <algorithm>
#include <array>
#include <functional>
#include <iterator>

namespace {

std::string trimmed(std::string_view s)
{
    size_t a = 0, b = s.size();
    while (a < b && (s[a] == ' ' || s[a] == '\t'))
        ++a;
    while (b > a && (s[b - 1] == ' ' || s[b - 1] == '\t'))
        --b;
    return std::string(s.substr(a, b - a));
}

// A count with its thousands set apart as Czech writes them: "4 683".
std::string groupedNumber(int n)
{
    std::string digits = intToStr(n);
    for (int at = int(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(size_t(at), " ");
    return digits;
}

// The baptism, a text, from a CHR date: a date as "3.3.1850", "3.1850" or "1850", after the
// word of an approximate one ("ABT 1850"); a date phrase without its parentheses (how a baptism
// that is no date travels, a long one with CONC). Any other value (a range, an interpreted date,
// another calendar) is kept as written, as the text holds it whole.
std::string baptismText(const std::string& value)
{
    if (value.size() > 2 && value.front() == '(' && value.back() == ')')
        return value.substr(1, value.size() - 2);
    std::string problem;
    const ImportedDate d = parseImportedDate(value, problem);
    const std::string text = importedDateText(d);
    std::string word = value.substr(0, value.find_first_of(" \t"));
    for (char& c : word)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    if (!problem.empty() || text.empty() || word == "INT")
        return value;
    return d.about ? word + " " + text : text;
}

// One bound of a period as the tree writes it, from a date value; empty when it is no plain date.
std::string periodBound(std::string_view value)
{
    std::string problem;
    const ImportedDate d = parseImportedDate(value, problem);
    return problem.empty() && !d.about ? importedDateText(d) : std::string();
}

// "FROM a TO b", "FROM a" or "TO b" into the from and to texts; false for any other value.
bool periodParts(std::string_view value, std::string& from, std::string& to)
{
    std::string_view fromPart, toPart;
    if (value.rfind("FROM ", 0) == 0) {
        value.remove_prefix(5);
        const size_t at = value.find(" TO ");
        fromPart = value.substr(0, at);
        if (at != std::string_view::npos)
            toPart = value.substr(at + 4);
    } else if (value.rfind("TO ", 0) == 0) {
        toPart = value.substr(3);
    } else {
        return false;
    }
    from = fromPart.empty() ? std::string() : periodBound(fromPart);
    to = toPart.empty() ? std::string() : periodBound(toPart);
    return from.empty() == fromPart.empty() && to.empty() == toPart.empty();
}

constexpr std::array<const char*, 34> languages = {
    "Afrikaans",  "Albanian", "Anglo-Saxon", "Catalan",   "Catalan_Spn", "Czech",    "Danish",
    "Dutch",      "English",  "Esperanto",   "Estonian",  "Faroese",     "Finnish",  "French",
    "German",     "Hawaiian", "Hungarian",   "Icelandic", "Indonesian",  "Italian",  "Latvian",
    "Lithuanian", "Navaho",   "Norwegian",   "Polish",    "Portuguese",  "Romanian", "Serbo_Croa",
    "Slovak",     "Slovene",  "Spanish",     "Swedish",   "Turkish",     "Wendic"};
constexpr std::array<const char*, 52> unicodeLanguages = {
    "Amharic",    "Arabic",    "Armenian",      "Assamese", "Belorusian", "Bengali", "Braj",     "Bulgarian",
    "Burmese",    "Cantonese", "Church-Slavic", "Dogri",    "Georgian",   "Greek",   "Gujarati", "Hebrew",
    "Hindi",      "Japanese",  "Kannada",       "Khmer",    "Konkani",    "Korean",  "Lahnda",   "Lao",
    "Macedonian", "Maithili",  "Malayalam",     "Mandrin",  "Manipuri",   "Marathi", "Mewari",   "Nepali",
    "Oriya",      "Pahari",    "Pali",          "Panjabi",  "Persian",    "Prakrit", "Pusto",    "Rajasthani",
    "Russian",    "Sanskrit",  "Serb",          "Tagalog",  "Tamil",      "Telugu",  "Thai",     "Tibetan",
    "Ukrainian",  "Urdu",      "Vietnamese",    "Yiddish"};

template<size_t N> bool listed(const std::array<const char*, N>& list, const std::string& value)
{
    return std::any_of(list.begin(), list.end(), [&](const char* s) { return value == s; });
}

// The lines of a text, the first after its label and the others after their indent.
void addLines(std::vector<std::string>& to, const std::string& label, const std::string& indent,
              const std::vector<std::string>& lines)
{
    for (size_t i = 0; i < lines.size(); ++i)
        to.push_back((i ? indent : label) + lines[i]);
}

// The words of a text, between blanks.
std::vector<std::string> words(std::string_view text)
{
    std::vector<std::string> out;
    size_t at = 0;
    while (at < text.size()) {
        const size_t end = std::min(text.find_first_of(" \t", at), text.size());
        if (end > at)
            out.emplace_back(text.substr(at, end - at));
        at = end + 1;
    }
    return out;
}

std::vector<std::string> lowerWords(std::string_view text)
{
    return words(lowerCase(text));
}

// Whether the titles already hold `title`: its words, in their order and side by side, in any case.
bool holdsTitle(std::string_view titles, std::string_view title)
{
    const std::vector<std::string> have = lowerWords(titles), want = lowerWords(title);
    return !want.empty() && std::search(have.begin(), have.end(), want.begin(), want.end()) != have.end();
}

// Blanks inside a name count as one, and a comma between its pieces (as GIVN and SURN list
// them) as a blank.
std::string collapsedBlanks(std::string_view text)
{
    std::string spaced(text);
    std::replace(spaced.begin(), spaced.end(), ',', ' ');
    std::string out;
    for (const std::string& w : words(spaced))
        out += (out.empty() ? "" : " ") + w;
    return out;
}

// Removes the slashes that stand at the start or end of a word, and a blank they leave doubled;
// true when there was one.
bool dropEdgeSlashes(std::string& text)
{
    std::string out;
    bool dropped = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool edge =
            text[i] == '/' && (i == 0 || text[i - 1] == ' ' || text[i - 1] == '/' || i + 1 == text.size() ||
                               text[i + 1] == ' ' || text[i + 1] == '/');
        if (!edge) {
            out += text[i];
            continue;
        }
        dropped = true;
        if (!out.empty() && out.back() == ' ' && (i + 1 == text.size() || text[i + 1] == ' '))
            out.pop_back();
    }
    if (dropped)
        text = trimmed(out);
    return dropped;
}

// Where the words of `lead` end in `text` when it begins with all of them, in any case; npos
// when it does not or `lead` has none.
size_t leadingWordsEnd(std::string_view text, std::string_view lead)
{
    const std::vector<std::string> want = lowerWords(lead);
    if (want.empty())
        return std::string_view::npos;
    size_t at = 0;
    for (const std::string& word : want) {
        while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
            ++at;
        const size_t end = std::min(text.find_first_of(" \t", at), text.size());
        if (lowerCase(text.substr(at, end - at)) != word)
            return std::string_view::npos;
        at = end;
    }
    return at;
}

bool startsWithWords(std::string_view text, std::string_view lead)
{
    return leadingWordsEnd(text, lead) != std::string_view::npos;
}

// Removes the words of `lead` from the start of `text` when it begins with all of them.
void dropLeadingWords(std::string& text, std::string_view lead)
{
    const size_t end = leadingWordsEnd(text, lead);
    if (end != std::string_view::npos)
        text = trimmed(std::string_view(text).substr(end));
}

bool isXref(const std::string& v)
{
    return v.size() >= 3 && v.front() == '@' && v.back() == '@' && v.find(' ') == std::string::npos;
}

} // namespace

void ImportedPersons::reserve(size_t count)
{
    size_t slots = 16;
    // At most half full: a reference not in the file is told after a probe or two.
    while (slots < count * 2)
        slots *= 2;
    if (slots > slots_.size())
        resize(slots);
}

size_t ImportedPersons::slotOf(std::string_view xref, size_t hash) const
{
    const size_t mask = slots_.size() - 1;
    size_t i = hash & mask;
    while (slots_[i].person &&
           (slots_[i].hash != hash || std::string_view(slots_[i].person->importId) != xref))
        i = (i + 1) & mask;
    return i;
}

void ImportedPersons::resize(size_t slots)
{
    std::vector<Slot> old;
    old.swap(slots_);
    slots_.reserve(slots);
    askHugePages(slots_.data(), slots * sizeof(Slot));
    slots_.resize(slots);
    for (const Slot& slot : old)
        if (slot.person)
            slots_[slotOf(slot.person->importId, slot.hash)] = slot;
}

bool ImportedPersons::add(Clovek* person)
{
    if (slots_.size() < (count_ + 1) * 2)
        resize(std::max<size_t>(16, slots_.size() * 2));
    const size_t hash = std::hash<std::string_view>{}(person->importId);
    Slot& slot = slots_[slotOf(person->importId, hash)];
    if (slot.person)
        return false;
    slot = {hash, person};
    ++count_;
    return true;
}

Clovek* ImportedPersons::find(std::string_view xref) const
{
    return slots_.empty() ? nullptr : slots_[slotOf(xref, std::hash<std::string_view>{}(xref))].person;
}

ImportParser::ImportParser(LexAn& lex, Rod& tree, const ImportOptions& options)
    : lex_(lex), tree_(tree), options_(options)
{
    // Persons take about a tenth of the lines of a file; growing the index costs more.
    persons_.reserve(size_t(lex.lineCount() / 10));
    families_.reserve(size_t(lex.lineCount() / 20));
    // A FAMS or FAMC line is about one line in five; room not written takes no memory.
    familyLinks_.reserve(size_t(lex.lineCount() / 4));
    askHugePages(families_.data(), families_.capacity() * sizeof(GFamily));
}

const GedLine& ImportParser::peek()
{
    if (!haveNext_) {
        lex_.readLine(next_);
        haveNext_ = true;
    }
    return next_;
}

void ImportParser::take(GedLine& line)
{
    peek();
    haveNext_ = false;
    // The two lines trade their texts, so reading the next line reuses the storage of the one
    // handled before instead of allocating anew for every line of a big file.
    std::swap(line, next_);
}

void ImportParser::drop()
{
    peek();
    haveNext_ = false;
}

void ImportParser::skipDeeper(int level)
{
    while (peek().level > level)
        drop();
}

void ImportParser::unsupported(const GedLine& line)
{
    logSkip(line, "řádků " + line.tagText,
            "Neexistující nebo v tomto místě nepodporovaný tag (" + line.tagText + ")");
    skipDeeper(line.level);
}

void ImportParser::logSkip(const GedLine& line, const std::string& tag, const std::string& message)
{
    const auto [at, added] = skipIndex_.try_emplace(tag, skipCounts_.size());
    if (added) {
        skipCounts_.emplace_back(tag, 1);
        log(line, message);
    } else {
        ++skipCounts_[at->second].second;
    }
}

void ImportParser::logSkipCounts()
{
    for (const auto& [tag, count] : skipCounts_)
        if (count > 1)
            lex_.log().push_back(tag + " vynecháno: " + groupedNumber(count));
}

std::string ImportParser::continuedValue(const GedLine& line)
{
    return continuedValue(line, [](const GedLine&) { return false; });
}

template<class F> std::string ImportParser::continuedValue(const GedLine& line, F other)
{
    std::string v = line.value;
    eachDeeper(line.level, [&](const GedLine& sub) {
        if (sub.tag == kwCONC)
            v += sub.value;
        else if (sub.tag == kwCONT)
            v += " " + sub.value;
        else if (other(sub))
            return;
        else
            unsupported(sub);
        skipDeeper(sub.level);
    });
    return trimmed(v);
}

void ImportParser::readPeriodDate(CasoveObdobi& entry, const GedLine& date)
{
    std::string from, to;
    if (!writtenByUs_ || !periodParts(date.value, from, to)) {
        unsupported(date);
        return;
    }
    skipDeeper(date.level);
    // The display text ends with the period when it shows one (not when only "to" is set).
    CasoveObdobi period("");
    period.from = from;
    period.to = to;
    const std::string suffix = period.displayText();
    const std::string text = entry.text.str();
    if (text.size() < suffix.size() ||
        text.compare(text.size() - suffix.size(), suffix.size(), suffix) != 0) {
        log(date, "období \"" + trimmed(date.value) + "\" neodpovídá textu, ponecháno v textu");
        return;
    }
    entry.text = text.substr(0, text.size() - suffix.size());
    entry.from = from;
    entry.to = to;
}

template<class F> void ImportParser::eachDeeper(int level, F handle)
{
    GedLine line;
    while (peek().level > level) {
        take(line);
        if (line.bad) {
            skipDeeper(line.level);
            continue;
        }
        handle(line);
    }
}

std::vector<std::string> ImportParser::noteLines(const GedLine& line)
{
    std::vector<std::string> lines{line.value};
    eachDeeper(line.level, [&](const GedLine& sub) {
        if (sub.tag == kwCONT)
            lines.push_back(sub.value);
        else if (sub.tag == kwCONC)
            lines.back() += sub.value;
        else
            unsupported(sub);
        skipDeeper(sub.level);
    });
    // This program writes each line as it is held, blanks at its end too; other programs pad.
    if (!writtenByUs_)
        for (std::string& l : lines)
            l = trimRight(l);
    return lines;
}

void ImportParser::parseFile()
{
    const GedLine& first = peek();
    if (first.level == 0 && first.tag == kwHEAD) {
        GedLine head;
        take(head);
        parseHeader(head);
    } else if (first.level >= 0) {
        log(first, "Nelze zpracovat HEADER!");
    }
    GedLine line;
    while (peek().level >= 0 && !trailerSeen_) {
        take(line);
        if (line.bad) {
            skipDeeper(line.level);
            continue;
        }
        if (line.level != 0) {
            // A deeper line with no record above it: the record line itself was damaged.
            log(line, "řádek mimo záznam vynechán");
            continue;
        }
        parseRecord(line);
    }
    if (!trailerSeen_)
        lex_.logError(lex_.lineCount(), "chybí TRLR, soubor je možná neúplný");
    settleUnknownSexes();
    checkFamilyLinks();
    keepOneParentRefs();
    resolveNoteReferences();
}

void ImportParser::parseHeader(const GedLine& head)
{
    if (!trimmed(head.value).empty())
        log(head, "hodnota za HEAD vynechána");
    // Damage inside the header leaves the rest of it unread: the records follow.
    const int damagedBefore = lex_.damagedLines();
    while (peek().level > 0) {
        if (peek().bad || lex_.damagedLines() != damagedBefore) {
            log(peek(), "Nelze zpracovat HEADER!");
            skipDeeper(0);
            return;
        }
        GedLine line;
        take(line);
        parseHeaderLine(line);
    }
    if (lex_.damagedLines() != damagedBefore)
        log(peek(), "Nelze zpracovat HEADER!");
    // Our own export names its version; the older one always wrote this one.
    olderExport_ = writtenByUs_ && ourVersion_ == "1.0.18b";
}

void ImportParser::parseHeaderLine(const GedLine& line)
{
    auto& data = tree_.furtherData;
    {
        switch (line.tag) {
        case kwSOUR: {
            const bool ours = trimmed(line.value) == "Kinvelor";
            writtenByUs_ = writtenByUs_ || ours;
            data.push_back("Importovano ze zdroje (ID): " + trimmed(line.value));
            eachDeeper(line.level, [&](const GedLine& sub) {
                switch (sub.tag) {
                case kwNAME:
                    data.push_back("   produkt: " + continuedValue(sub));
                    break;
                case kwVERS: {
                    const std::string version = continuedValue(sub);
                    data.push_back("   verze: " + version);
                    if (ours)
                        ourVersion_ = version;
                    break;
                }
                case kwCORP:
                    data.push_back("   společnost: " + trimmed(sub.value));
                    eachDeeper(sub.level, [&](const GedLine& corp) {
                        if (corp.tag == kwADDR) {
                            std::string address = "   adresa: " + trimmed(corp.value);
                            eachDeeper(corp.level, [&](const GedLine& part) {
                                switch (part.tag) {
                                case kwADR1:
                                case kwADR2:
                                case kwADR3:
                                case kwCITY:
                                case kwSTAE:
                                case kwPOST:
                                case kwCTRY:
                                case kwCONT:
                                    address += " " + trimmed(part.value);
                                    skipDeeper(part.level);
                                    break;
                                default:
                                    unsupported(part);
                                }
                            });
                            data.push_back(address);
                        } else if (corp.tag == kwEMAI || corp.tag == kwFAX || corp.tag == kwPHON ||
                                   corp.tag == kwWWW) {
                            data.push_back("   telefon: " + trimmed(corp.value));
                            skipDeeper(corp.level);
                        } else {
                            unsupported(corp);
                        }
                    });
                    break;
                case kwDATA:
                    data.push_back("   elektronický zdroj: " + trimmed(sub.value));
                    eachDeeper(sub.level, [&](const GedLine& d) {
                        if (d.tag == kwDATE) {
                            data.push_back("      publikováno: " + importedDateText(readDate(d)));
                            skipDeeper(d.level);
                        } else if (d.tag == kwCOPR) {
                            addLines(data, "      copyright: ", "      ", noteLines(d));
                        } else {
                            unsupported(d);
                        }
                    });
                    break;
                default:
                    unsupported(sub);
                }
            });
            break;
        }
        case kwDEST:
            data.push_back("patří pod: " + continuedValue(line));
            break;
        case kwDATE:
            data.push_back("převedeno: " + importedDateText(readDate(line)));
            eachDeeper(line.level, [&](const GedLine& sub) {
                if (sub.tag == kwTIME) {
                    data.push_back("   čas: " + trimmed(sub.value));
                    skipDeeper(sub.level);
                } else {
                    unsupported(sub);
                }
            });
            break;
        case kwFILE:
            data.push_back("původní soubor: " + continuedValue(line));
            break;
        case kwCOPR:
            addLines(data, "copyright: ", "", noteLines(line));
            break;
        case kwGEDC:
            data.push_back("Verze formatu GEDCOM");
            eachDeeper(line.level, [&](const GedLine& sub) {
                if (sub.tag == kwVERS)
                    data.push_back("   cislo: " + trimmed(sub.value));
                else if (sub.tag == kwFORM)
                    data.push_back("   forma: " + trimmed(sub.value));
                else
                    unsupported(sub);
                skipDeeper(sub.level);
            });
            break;
        case kwCHAR:
            data.push_back("původní znaková sada: " + trimmed(line.value));
            eachDeeper(line.level, [&](const GedLine& sub) {
                if (sub.tag == kwVERS)
                    data.push_back("   verze " + trimmed(sub.value));
                else
                    unsupported(sub);
                skipDeeper(sub.level);
            });
            break;
        case kwLANG: {
            const std::string value = trimmed(line.value);
            if (listed(languages, value))
                data.push_back("jazyk: " + value);
            else if (listed(unicodeLanguages, value))
                data.push_back("UNICODE jazyk!!! (" + value + ")");
            else
                data.push_back("nepodporovaný jazyk! (" + value + ")");
            skipDeeper(line.level);
            break;
        }
        case kwPLAC:
            eachDeeper(line.level, [&](const GedLine& sub) {
                if (sub.tag == kwFORM)
                    data.push_back("místo: " + trimmed(sub.value));
                else
                    unsupported(sub);
                skipDeeper(sub.level);
            });
            break;
        case kwNOTE:
            addLines(data, "poznámka: ", "", noteLines(line));
            break;
        case kwSUBM:
        case kwSUBN:
            skipDeeper(line.level);
            break;
        default:
            if (line.tag == tkUserTag)
                skipDeeper(line.level);
            else
                unsupported(line);
        }
    }
}

void ImportParser::parseRecord(const GedLine& line)
{
    switch (line.tag) {
    case kwINDI:
        parseIndividual(line);
        break;
    case kwFAM:
        parseFamily(line);
        break;
    case kwTRLR:
        if (!trimmed(line.value).empty())
            log(line, "hodnota za TRLR vynechána");
        skipDeeper(0);
        // Whatever follows the trailer is no part of the file a program wrote: a second file
        // appended, or the rest of an older one.
        if (peek().level >= 0)
            log(peek(), "Soubor pokračuje za TRLR, zbytek souboru vynechán!");
        trailerSeen_ = true;
        break;
    case kwNOTE:
        if (!line.xref.empty())
            notes_[line.xref] = noteLines(line);
        else
            unsupported(line);
        break;
    case kwSUBM:
    case kwSUBN:
        skipDeeper(0);
        break;
    case kwHEAD:
        log(line, "druhý HEADER vynechán");
        skipDeeper(0);
        break;
    default:
        // Sources, repositories, media and records of other programs have no place in a tree.
        logSkip(line, "záznamů " + line.tagText, "záznam " + line.tagText + " vynechán");
        skipDeeper(0);
    }
}

ImportedDate ImportParser::readDate(const GedLine& line)
{
    // A long value goes on in CONC lines (CONT read as a blank); the caller reads the other
    // deeper lines.
    std::string value = line.value;
    while (peek().level > line.level && !peek().bad && (peek().tag == kwCONC || peek().tag == kwCONT)) {
        if (peek().tag == kwCONT)
            value += ' ';
        value += peek().value;
        const int level = peek().level;
        drop();
        skipDeeper(level);
    }
    std::string problem;
    const ImportedDate d = parseImportedDate(value, problem);
    if (!problem.empty())
        log(line, "datum \"" + trimmed(value) + "\": " + problem);
    return d;
}

void ImportParser::checkEventValue(const GedLine& line)
{
    const std::string v = trimmed(line.value);
    if (!v.empty() && v != "Y" && v != "y")
        log(line, "hodnota události vynechána (" + v + ")");
}

std::string ImportParser::xrefValue(const GedLine& line)
{
    const std::string v = trimmed(line.value);
    if (!isXref(v)) {
        log(line, "neočekávaný výskyt: \"" + v + "\" (očekáván odkaz).");
        return "";
    }
    return v.substr(1, v.size() - 2);
}

void ImportParser::fillSlot(SparseText& first, SparseText& second, const GedLine& line)
{
    const std::string v = continuedValue(line);
    if (v.empty())
        return;
    if (first.empty())
        first = v;
    else if (second.empty())
        second = v;
    else
        log(line, "třetí hodnota " + line.tagText + " vynechána (" + v + ")");
}

void ImportParser::fillEmpty(SparseText& field, const std::string& value, const GedLine& line,
                             const char* what)
{
    if (value.empty() || field.str() == value)
        return;
    if (field.empty())
        field = value;
    else
        log(line, std::string(what) + " vynechán (" + value + "), pole už drží \"" + field.str() + "\"");
}

void ImportParser::parseIndividual(const GedLine& record)
{
    auto owned = std::make_unique<Clovek>();
    // Each person's own: kept as a text of its own rather than looked up among the shared ones.
    if (!record.xref.empty())
        owned->importId.edit() = record.xref;
    Clovek* person = tree_.appendPerson(std::move(owned));
    if (!record.xref.empty() && !persons_.add(person))
        log(record, "odkaz @" + record.xref + "@ už patří jiné osobě");
    bool nameSeen = false;
    bool sexSeen = false;
    // The line of the first birth, death, burial and baptism: a later one is not merged into it.
    int birthLine = 0, deathLine = 0, burialLine = 0, baptismLine = 0;
    Clovek& p = *person;
    // The free texts, given to the person at once when the record ends: a record may carry
    // thousands of note lines, and each change of a person's notes packs them anew.
    std::vector<std::string> texts;
    auto eventDetails = [&](const GedLine& event, auto onSub) {
        checkEventValue(event);
        eachDeeper(event.level, [&](const GedLine& sub) {
            if (!onSub(sub))
                unsupported(sub);
        });
    };
    // True for the first event of its kind; a later one is logged and passed over whole.
    auto firstEvent = [&](const GedLine& event, int& seenAt) {
        if (!seenAt) {
            seenAt = event.number;
            return true;
        }
        log(event, "další " + event.tagText + " vynechán, platí první z řádku " + intToStr(seenAt));
        skipDeeper(event.level);
        return false;
    };
    eachDeeper(record.level, [&](const GedLine& line) {
        switch (line.tag) {
        case tkUserTag: {
            // A woman's married surname, where the names left it empty; else kept as the text it is.
            if (upperCase(line.tagText) == "_MARNM" && p.surname.empty()) {
                p.surname = continuedValue(line);
                break;
            }
            texts.push_back(trimRight(line.tagText + " " + line.value));
            eachDeeper(line.level, [&](const GedLine& sub) {
                texts.push_back(std::string(size_t(sub.level - record.level - 1) * 2, ' ') +
                                trimRight(sub.tagText + " " + sub.value));
            });
            break;
        }
        case kwBIRT: {
            if (!firstEvent(line, birthLine))
                break;
            bool detailed = false;
            eventDetails(line, [&](const GedLine& sub) {
                if (sub.tag == kwDATE) {
                    storeImportedDate(p.birth, readDate(sub));
                    skipDeeper(sub.level);
                } else if (sub.tag == kwPLAC) {
                    p.birthPlace = continuedValue(sub);
                } else {
                    return false;
                }
                detailed = true;
                return true;
            });
            // That the person was born, and nothing more, is no field of the tree.
            if (!detailed)
                log(line, "údaj o narození bez data a místa nelze uložit");
            break;
        }
        case kwBURI:
        case kwCREM: {
            // Only the dead are buried; a living person's burial place would not be written.
            p.alive = 0;
            if (!firstEvent(line, burialLine))
                break;
            bool placed = false;
            eventDetails(line, [&](const GedLine& sub) {
                if (sub.tag != kwPLAC)
                    return false;
                p.burial = continuedValue(sub);
                placed = true;
                return true;
            });
            if (!placed)
                log(line, std::string(line.tag == kwBURI ? "údaj o pohřbu" : "údaj o zpopelnění") +
                              " bez místa nelze uložit, osoba vedena jako zemřelá");
            break;
        }
        case kwCHAN:
            // The change stamp belongs to the other program.
            skipDeeper(line.level);
            break;
        case kwFAMC:
        case kwFAMS: {
            // The FAM records say the same; what only these lines say is a family the file lacks.
            const std::string id = xrefValue(line);
            if (!id.empty())
                familyLinks_.push_back({person, line.number, line.tag == kwFAMC});
            eachDeeper(line.level, [&](const GedLine& sub) {
                if (sub.tag != kwPEDI || line.tag != kwFAMC) {
                    unsupported(sub);
                    return;
                }
                const std::string v = lowerCase(continuedValue(sub));
                if (v != "birth")
                    log(sub, "vztah k rodině @" + id + "@ (" + v +
                                 ") nelze uložit, osoba vedena jako vlastní dítě rodičů");
            });
            break;
        }
        case kwCHR:
            if (!firstEvent(line, baptismLine))
                break;
            eventDetails(line, [&](const GedLine& sub) {
                if (sub.tag != kwDATE)
                    return false;
                p.baptism = baptismText(continuedValue(sub));
                return true;
            });
            break;
        case kwDEAT:
            p.alive = 0;
            if (!firstEvent(line, deathLine))
                break;
            eventDetails(line, [&](const GedLine& sub) {
                if (sub.tag == kwCAUS) {
                    p.deathCause = continuedValue(sub);
                } else if (sub.tag == kwDATE) {
                    storeImportedDate(p.death, readDate(sub));
                    skipDeeper(sub.level);
                } else if (sub.tag == kwPLAC) {
                    p.deathPlace = continuedValue(sub);
                } else {
                    return false;
                }
                return true;
            });
            break;
        case kwEDUC:
        case kwOCCU: {
            std::vector<GedLine> dates;
            const std::string v = continuedValue(line, [&](const GedLine& sub) {
                if (sub.tag != kwDATE)
                    return false;
                dates.push_back(sub);
                skipDeeper(sub.level);
                return true;
            });
            if (v.empty())
                break;
            auto entry = std::make_unique<CasoveObdobi>(v);
            for (const GedLine& date : dates)
                readPeriodDate(*entry, date);
            (line.tag == kwEDUC ? p.educations : p.occupations).append(std::move(entry));
            break;
        }
        case kwNAME:
            parseName(p, line, !nameSeen);
            nameSeen = true;
            break;
        case kwTITL: {
            const std::string v = continuedValue(line);
            // A title the name's NPFX or an earlier TITL gave already is the same title.
            if (v.empty() || holdsTitle(p.titlesBefore.str(), v))
                break;
            p.titlesBefore = p.titlesBefore.empty() ? v : p.titlesBefore.str() + " " + v;
            break;
        }
        case kwNATI:
        case kwRELI: {
            const PersonTextField field = line.tag == kwNATI ? PersonTextField(&Clovek::nationality)
                                                             : PersonTextField(&Clovek::religion);
            const std::string v = continuedValue(line);
            if (field.of(p).empty())
                field.set(p, v);
            else if (!v.empty())
                field.set(p, field.of(p) + " " + v);
            break;
        }
        case kwNOTE: {
            const std::string v = trimmed(line.value);
            // A text written "@@...@@" is a note that only looks like a reference.
            if (isXref(v) && lex_.lineText(line.number).find("@@") == std::string_view::npos) {
                const std::string xref = v.substr(1, v.size() - 2);
                const bool registerNotes = writtenByUs_ && !olderExport_ && isRegisterNotesRef(xref);
                noteReferences_.push_back({person, xref, line.number, registerNotes});
                eachDeeper(line.level, [&](const GedLine& sub) { unsupported(sub); });
            } else {
                auto lines = noteLines(line);
                if (!(lines.size() == 1 && lines[0].empty()))
                    texts.insert(texts.end(), std::make_move_iterator(lines.begin()),
                                 std::make_move_iterator(lines.end()));
            }
            break;
        }
        case kwRESI: {
            // This program writes a residence's period beside its ADDR.
            CasoveObdobi* residence = nullptr;
            eventDetails(line, [&](const GedLine& sub) {
                if (sub.tag == kwDATE && residence && writtenByUs_) {
                    readPeriodDate(*residence, sub);
                    return true;
                }
                if (sub.tag == kwADDR) {
                    std::string address = trimmed(sub.value);
                    eachDeeper(sub.level, [&](const GedLine& part) {
                        switch (part.tag) {
                        case kwCONT:
                        case kwADR1:
                        case kwADR2:
                        case kwADR3:
                        case kwCITY:
                        case kwSTAE:
                        case kwPOST:
                        case kwCTRY: {
                            const std::string v = continuedValue(part);
                            if (!v.empty())
                                address += (address.empty() ? "" : ", ") + v;
                            break;
                        }
                        case kwCONC:
                            address += part.value;
                            skipDeeper(part.level);
                            break;
                        default:
                            unsupported(part);
                        }
                    });
                    if (!address.empty()) {
                        auto entry = std::make_unique<CasoveObdobi>(address);
                        residence = entry.get();
                        p.residences.append(std::move(entry));
                    }
                    return true;
                }
                if (sub.tag == kwEMAI)
                    fillSlot(p.email1, p.email2, sub);
                else if (sub.tag == kwPHON)
                    fillSlot(p.phone1, p.phone2, sub);
                else if (sub.tag == kwWWW)
                    fillSlot(p.web1, p.web2, sub);
                else
                    return false;
                return true;
            });
            break;
        }
        case kwSEX: {
            const std::string v = trimmed(line.value);
            sexSeen = true;
            if (v == "M" || v == "m")
                p.sex = 1;
            else if (v == "F" || v == "f")
                p.sex = 0;
            else {
                // Only a man is told apart; every other word leaves a woman, as the import has
                // always read them, unless a family names the person as husband; the log says
                // which persons were guessed.
                p.sex = 0;
                unknownSexes_.push_back({person, line.number, true, v});
            }
            eachDeeper(line.level, [&](const GedLine& sub) { unsupported(sub); });
            break;
        }
        default:
            unsupported(line);
        }
    });
    p.setFurtherTexts(texts);
    if (!sexSeen)
        unknownSexes_.push_back({person, record.number, false, {}});
}

void ImportParser::parseName(Clovek& p, const GedLine& line, bool first)
{
    std::string v = line.value;
    std::string givn, surn, npfx, nsfx, type, marriedName;
    GedLine npfxLine, nsfxLine, marriedLine;
    int givnLine = 0, surnLine = 0;
    eachDeeper(line.level, [&](const GedLine& sub) {
        if (sub.tag == kwCONC) {
            v += sub.value;
            skipDeeper(sub.level);
            return;
        }
        if (sub.tag == kwCONT) {
            v += " " + sub.value;
            skipDeeper(sub.level);
            return;
        }
        if (sub.tag == kwGIVN) {
            givn = continuedValue(sub);
            givnLine = sub.number;
        } else if (sub.tag == kwSURN) {
            surn = continuedValue(sub);
            surnLine = sub.number;
        } else if (sub.tag == kwNPFX) {
            npfx = continuedValue(sub);
            npfxLine = sub;
        } else if (sub.tag == kwNSFX) {
            nsfx = continuedValue(sub);
            nsfxLine = sub;
        } else if (sub.tag == kwTYPE) {
            type = lowerCase(continuedValue(sub));
        } else if (sub.tag == tkUserTag && upperCase(sub.tagText) == "_MARNM") {
            marriedName = continuedValue(sub);
            marriedLine = sub;
        } else if (first) {
            unsupported(sub);
        } else {
            skipDeeper(sub.level);
        }
    });
    v = trimmed(v);

    // The surname stands between two slashes. With more of them (a slash in the given names) the
    // SURN line tells which part it is, else the last two slashes hold it.
    std::string given, slashed, suffix;
    const size_t slashes = size_t(std::count(v.begin(), v.end(), '/'));
    size_t open = v.find('/'), close = std::string::npos;
    bool bySurn = false;
    if (slashes > 2) {
        const size_t at = surn.empty() ? std::string::npos : v.find("/" + surn + "/");
        if (at != std::string::npos) {
            open = at;
            close = at + surn.size() + 1;
            bySurn = true;
        } else {
            close = v.rfind('/');
            open = v.rfind('/', close - 1);
        }
    } else if (open != std::string::npos) {
        close = v.find('/', open + 1);
    }
    if (open == std::string::npos) {
        given = v;
    } else {
        given = trimmed(std::string_view(v).substr(0, open));
        if (close == std::string::npos)
            close = v.size();
        slashed = trimmed(std::string_view(v).substr(open + 1, close - open - 1));
        if (close + 1 < v.size())
            suffix = trimmed(std::string_view(v).substr(close + 1));
    }
    if (slashes > 2) {
        // The other slashes at a word's edge mark off another surname, which the fields cannot
        // tell as such; one inside a word ("10th/11th") is the name's own text.
        const bool fromGiven = dropEdgeSlashes(given);
        const bool changed = dropEdgeSlashes(suffix) || fromGiven;
        if (changed || !bySurn)
            log(line, std::string("jméno má více než dvě lomítka, příjmení vzato ") +
                          (bySurn ? "podle SURN" : "mezi posledními dvěma") + " (" + slashed + ")" +
                          (changed ? ", ostatní lomítka vypuštěna (\"" + given + "\"" +
                                         (suffix.empty() ? "" : ", \"" + suffix + "\"") + ")"
                                   : ""));
    }
    // The common form names the titles twice, in NPFX and before the given names: there they
    // are the title, not given names, unless GIVN has them too. This program's export writes
    // the title in NPFX alone.
    if (npfxLine.number && !writtenByUs_ && (givn.empty() || !startsWithWords(givn, npfx)))
        dropLeadingWords(given, npfx);
    // The older export of this program wrote the surname as GIVN and the birth surname as SURN;
    // a GIVN equal to the given names is a file of the newer layout all the same.
    const bool olderLayout = olderExport_ && givn != given;
    if (!olderLayout && given.empty())
        given = givn;
    if (slashed.empty() && !olderLayout)
        slashed = surn;
    if (!olderLayout) {
        // The NAME line is what every reader shows; a piece that says otherwise is told.
        for (auto [piece, pieceLine, shown, tag] :
             {std::tuple{&givn, givnLine, &given, "GIVN"}, std::tuple{&surn, surnLine, &slashed, "SURN"}})
            if (!piece->empty() && collapsedBlanks(*piece) != collapsedBlanks(*shown))
                lex_.logError(pieceLine, std::string(tag) + " \"" + *piece + "\" se liší od řádku NAME (\"" +
                                             *shown + "\"), platí NAME");
    }
    // A typed name says which surname it carries whatever the options say; a woman's taken
    // surname and a birth surname each go to their own field.
    const bool married = type == "married";
    const bool born = type == "birth" || type == "maiden";
    if (!first && !married && !born) {
        log(line, "další jméno vynecháno (" + trimmed(line.value) + ")");
        return;
    }
    if (first && p.firstName.empty())
        p.firstName = given;
    // A title met before (the text after the surname, a TITL line) is not given twice.
    if (!holdsTitle(p.titlesAfter.str(), suffix))
        fillEmpty(p.titlesAfter, suffix, line, "text za příjmením");
    if (npfxLine.number && !holdsTitle(p.titlesBefore.str(), npfx))
        fillEmpty(p.titlesBefore, npfx, npfxLine, "NPFX");
    if (nsfxLine.number && !holdsTitle(p.titlesAfter.str(), nsfx))
        fillEmpty(p.titlesAfter, nsfx, nsfxLine, "NSFX");
    if (olderLayout) {
        // Read back into the fields that export wrote them from.
        if (!slashed.empty())
            (options_.nameAsBorn ? p.birthSurname : p.surname) = slashed;
        if (!surn.empty())
            p.birthSurname = surn;
        if (!givn.empty())
            p.surname = givn;
    } else if (!slashed.empty()) {
        SparseText& target = married               ? p.surname
                             : born                ? p.birthSurname
                             : options_.nameAsBorn ? p.birthSurname
                                                   : p.surname;
        SparseText& otherField = &target == &p.surname ? p.birthSurname : p.surname;
        if (!target.empty() && target.str() != slashed) {
            // The earlier name took the field by the options alone; its surname is the other one.
            if (!first && otherField.empty()) {
                otherField = target.str();
                target = slashed;
            } else {
                log(line, "další příjmení vynecháno (" + slashed + ")");
            }
        } else {
            target = slashed;
        }
    }
    if (marriedLine.number)
        fillEmpty(p.surname, marriedName, marriedLine, "_MARNM");
}

void ImportParser::parseFamily(const GedLine& record)
{
    families_.emplace_back();
    GFamily& f = families_.back();
    f.line = record.number;
    // The line of the first wedding and divorce: a later one is not merged into it.
    int marriageLine = 0, divorceLine = 0;
    eachDeeper(record.level, [&](const GedLine& line) {
        switch (line.tag) {
        case kwHUSB:
        case kwWIFE: {
            std::string& slot = line.tag == kwHUSB ? f.husband : f.wife;
            const std::string id = xrefValue(line);
            if (!slot.empty() && !id.empty() && slot != id)
                log(line, "další " + line.tagText + " rodiny vynechán (@" + id + "@)");
            else if (!id.empty()) {
                slot = id;
                (line.tag == kwHUSB ? f.husbandLine : f.wifeLine) = line.number;
            }
            eachDeeper(line.level, [&](const GedLine& sub) { unsupported(sub); });
            break;
        }
        case kwCHIL: {
            const std::string id = xrefValue(line);
            if (!id.empty())
                f.children.push_back({id, line.number});
            eachDeeper(line.level, [&](const GedLine& sub) { unsupported(sub); });
            break;
        }
        case kwMARR:
        case kwDIV: {
            const bool marriage = line.tag == kwMARR;
            const std::string v = trimmed(line.value);
            // "DIV N" says the couple was never divorced.
            const bool noDivorce = !marriage && (v == "N" || v == "n");
            int& seenAt = marriage ? marriageLine : divorceLine;
            if (!noDivorce && seenAt) {
                log(line, "další " + line.tagText + " vynechán, platí první z řádku " + intToStr(seenAt));
                skipDeeper(line.level);
                break;
            }
            if (!noDivorce) {
                seenAt = line.number;
                (marriage ? f.married : f.divorced) = true;
                checkEventValue(line);
            }
            eachDeeper(line.level, [&](const GedLine& sub) {
                if (sub.tag == kwDATE) {
                    const ImportedDate date = readDate(sub);
                    if (!noDivorce)
                        (marriage ? f.marriage : f.divorce) = date;
                    skipDeeper(sub.level);
                } else if (sub.tag == kwPLAC && marriage) {
                    f.marriagePlace = continuedValue(sub);
                } else if (sub.tag == kwNOTE && marriage) {
                    readWeddingNote(f, sub);
                } else {
                    unsupported(sub);
                }
            });
            break;
        }
        case kwCHAN:
        case kwNCHI:
            // The count of children says nothing the CHIL lines do not.
            skipDeeper(line.level);
            break;
        default:
            unsupported(line);
        }
    });
}

void ImportParser::readWeddingNote(GFamily& family, const GedLine& line)
{
    // The captions the partnership summary gives the two, as the export writes them.
    static constexpr std::string_view officiant = "Oddávající kněz: ", witnesses = "Svědkové: ";
    for (const std::string& text : noteLines(line)) {
        if (text.empty())
            continue;
        if (!family.people)
            family.people = std::make_unique<GFamily::WeddingPeople>();
        GFamily::WeddingPeople& people = *family.people;
        if (text.starts_with(officiant) && people.officiant.empty())
            people.officiant = text.substr(officiant.size());
        else if (text.starts_with(witnesses) && people.witnesses.empty())
            people.witnesses = text.substr(witnesses.size());
        else
            log(line, "poznámka ke sňatku vynechána (" + text + ")");
    }
}

namespace {

// The reference a family's record line gives, between its first two at signs; a link line's,
// between its last two.
std::string_view recordRef(std::string_view text)
{
    const size_t open = text.find('@');
    const size_t close = open == std::string_view::npos ? open : text.find('@', open + 1);
    return close != std::string_view::npos && close > open + 1 ? text.substr(open + 1, close - open - 1)
                                                               : std::string_view();
}

std::string_view linkRef(std::string_view text)
{
    const size_t close = text.rfind('@');
    const size_t open = close == std::string_view::npos || close == 0 ? close : text.rfind('@', close - 1);
    return open != std::string_view::npos && close > open + 1 ? text.substr(open + 1, close - open - 1)
                                                              : std::string_view();
}

} // namespace

void ImportParser::checkFamilyLinks()
{
    // The FAM records by reference. Sorted rather than hashed: the table is at its largest when
    // the file's text and the whole tree are held too.
    std::vector<std::pair<std::string_view, size_t>> present;
    present.reserve(families_.size());
    for (size_t i = 0; i < families_.size(); ++i)
        if (const std::string_view ref = recordRef(lex_.lineText(families_[i].line)); !ref.empty())
            present.emplace_back(ref, i);
    std::sort(present.begin(), present.end());
    const auto recordOf = [&](std::string_view ref) -> size_t {
        const auto at = std::lower_bound(present.begin(), present.end(), std::pair{ref, size_t(0)});
        return at != present.end() && at->first == ref ? at->second : std::string::npos;
    };
    // The family each link names (npos for one the file lacks), and the links to each missing
    // family, in file order.
    std::vector<size_t> linked(familyLinks_.size(), std::string::npos);
    std::vector<std::string_view> order;
    std::unordered_map<std::string_view, std::vector<size_t>> missing;
    for (size_t k = 0; k < familyLinks_.size(); ++k) {
        const FamilyLinkLine& link = familyLinks_[k];
        const std::string_view family = linkRef(lex_.lineText(link.line));
        if (family.empty() || link.person->importId.empty())
            continue;
        linked[k] = recordOf(family);
        if (linked[k] != std::string::npos) {
            if (!link.asChild)
                confirmSpouse(link, family, families_[linked[k]]);
            continue;
        }
        auto& links = missing[family];
        if (links.empty())
            order.push_back(family);
        links.push_back(k);
    }
    // Families are added below, which moves the ones the sorted children point to.
    childIds_.clear();
    for (const std::string_view id : order) {
        const auto& links = missing[id];
        std::vector<Clovek*> spouses;
        for (size_t k : links)
            if (!familyLinks_[k].asChild &&
                std::find(spouses.begin(), spouses.end(), familyLinks_[k].person) == spouses.end())
                spouses.push_back(familyLinks_[k].person);
        if (spouses.size() != 2) {
            for (size_t k : links)
                lex_.logError(familyLinks_[k].line,
                              "rodina @" + std::string(id) + "@ v souboru chybí, odkaz vynechán");
            continue;
        }
        GFamily f;
        f.line = familyLinks_[links.front()].line;
        const bool firstIsWife = spouses[0]->sex == 0 && spouses[1]->sex == 1;
        f.husband = spouses[firstIsWife ? 1 : 0]->importId.str();
        f.wife = spouses[firstIsWife ? 0 : 1]->importId.str();
        for (size_t k : links) {
            const FamilyLinkLine& link = familyLinks_[k];
            linked[k] = families_.size();
            if (link.asChild) {
                f.children.push_back({link.person->importId.str(), link.line});
            } else {
                (link.person == spouses[firstIsWife ? 1 : 0] ? f.husbandLine : f.wifeLine) = link.line;
            }
        }
        lex_.logError(f.line, "rodina @" + std::string(id) + "@ v souboru chybí, sestavena z odkazů osob @" +
                                  f.husband + "@ a @" + f.wife + "@" +
                                  (f.children.empty() ? "" : ", dětí: " + intToStr(long(f.children.size()))));
        families_.push_back(std::move(f));
    }
    // The order of a person's FAMS lines is the order of its partnerships; only a person with
    // two or more has an order to keep. A person's links follow one another.
    for (size_t k = 0; k < familyLinks_.size();) {
        size_t end = k;
        size_t spouseLinks = 0;
        while (end < familyLinks_.size() && familyLinks_[end].person == familyLinks_[k].person)
            spouseLinks += familyLinks_[end++].asChild ? 0 : 1;
        for (; spouseLinks >= 2 && k < end; ++k)
            if (!familyLinks_[k].asChild && linked[k] != std::string::npos)
                spouseOrder_.push_back({familyLinks_[k].person, linked[k]});
        k = end;
    }
}

void ImportParser::confirmSpouse(const FamilyLinkLine& link, std::string_view ref, GFamily& family)
{
    const std::string& id = link.person->importId.str();
    if (family.husband == id || family.wife == id)
        return;
    const bool man = link.person->sex == 1;
    std::string& slot = man ? family.husband : family.wife;
    // The family's children sorted once: many FAMS lines may name one family of many children.
    auto [sorted, first] = childIds_.try_emplace(&family);
    if (first) {
        sorted->second.reserve(family.children.size());
        for (const GFamily::Child& c : family.children)
            sorted->second.emplace_back(c.id);
        std::sort(sorted->second.begin(), sorted->second.end());
    }
    const bool child = std::binary_search(sorted->second.begin(), sorted->second.end(), std::string_view(id));
    const std::string head = "rodina @" + std::string(ref) + "@ osobu @" + id + "@ neuvádí";
    if (slot.empty() && !child) {
        slot = id;
        (man ? family.husbandLine : family.wifeLine) = link.line;
        lex_.logError(link.line, head + ", osoba doplněna jako " + (man ? "manžel" : "manželka"));
    } else {
        lex_.logError(link.line,
                      head + (child ? " jako partnera (je jejím dítětem)" : ", uvádí @" + slot + "@") +
                          ", odkaz vynechán");
    }
}

void ImportParser::resolveNoteReferences()
{
    // A person's references follow one another (they are met in the person's record): the
    // lines of all of them are added at once.
    Clovek* person = nullptr;
    std::vector<std::string> texts, registerNotes;
    const auto flush = [&] {
        if (person) {
            person->appendLines(NoteList::furtherTexts, texts);
            person->appendLines(NoteList::registerNotes, registerNotes);
        }
        texts.clear();
        registerNotes.clear();
    };
    for (const NoteReference& r : noteReferences_) {
        if (r.person != person) {
            flush();
            person = r.person;
        }
        const auto it = notes_.find(r.xref);
        if (it == notes_.end()) {
            lex_.logError(r.line, "poznámka @" + r.xref + "@ nenalezena");
            continue;
        }
        auto& into = r.registerNotes ? registerNotes : texts;
        into.insert(into.end(), it->second.begin(), it->second.end());
    }
    flush();
}

void ImportParser::settleUnknownSexes()
{
    if (unknownSexes_.empty())
        return;
    // The roles the FAM records give each such person (1 husband, 2 wife, 3 both) and the
    // first family to give one.
    struct Role {
        uint8_t roles = 0;
        size_t family = 0;
    };
    std::unordered_map<const Clovek*, Role> roles;
    for (const UnknownSex& u : unknownSexes_)
        roles.emplace(u.person, Role{});
    for (size_t i = 0; i < families_.size(); ++i)
        for (const auto& [id, role] :
             {std::pair{&families_[i].husband, 1}, std::pair{&families_[i].wife, 2}}) {
            const Clovek* p = id->empty() ? nullptr : persons_.find(*id);
            const auto at = p ? roles.find(p) : roles.end();
            if (at == roles.end())
                continue;
            if (!at->second.roles)
                at->second.family = i;
            at->second.roles |= uint8_t(role);
        }
    for (const UnknownSex& u : unknownSexes_) {
        const Role& r = roles[u.person];
        const std::string head =
            u.sexLine ? "neznámé pohlaví \"" + u.value + "\"" : std::string("pohlaví neuvedeno");
        if (r.roles == 1 || r.roles == 2) {
            u.person->sex = r.roles == 1 ? 1 : 0;
            const std::string ref(recordRef(lex_.lineText(families_[r.family].line)));
            lex_.logError(u.line, head + ", osoba vedena jako " + (r.roles == 1 ? "muž" : "žena") +
                                      " (v rodině @" + ref + "@ je " +
                                      (r.roles == 1 ? "manželem" : "manželkou") + ")");
        } else {
            lex_.logError(u.line,
                          head + ", osoba vedena jako " + (u.person->sex == 1 ? "muž" : "žena") +
                              (r.roles == 3 ? " (rodiny ji uvádějí jako manžela i jako manželku)" : ""));
        }
    }
}

void ImportParser::keepOneParentRefs()
{
    for (size_t i = 0; i < families_.size(); ++i) {
        const GFamily& f = families_[i];
        if (f.children.empty())
            continue;
        const bool husband = !f.husband.empty() && persons_.find(f.husband);
        const bool wife = !f.wife.empty() && persons_.find(f.wife);
        if (husband && wife)
            continue;
        const std::string_view ref = recordRef(lex_.lineText(f.line));
        if (!ref.empty())
            oneParentRefs_.emplace(i, std::string(ref));
    }
}

std::string ImportParser::familyRef(size_t family) const
{
    const auto found = oneParentRefs_.find(family);
    return found != oneParentRefs_.end() ? found->second : std::string();
}
