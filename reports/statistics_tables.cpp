#include "reports/statistics_tables.h"

#include "model/rod.h"
#include "model/text_source.h"
#include "reports/calendar_counts.h"
#include "reports/first_name_tally.h"
#include "system/numbers.h"
#include "system/text.h"

#include <algorithm>

namespace {

// Blanks before (after) the text up to `width` characters; a wider text stays whole.
std::string padLeft(const std::string& text, size_t width)
{
    const size_t n = utf8Length(text);
    return n >= width ? text : std::string(width - n, ' ') + text;
}

std::string padRight(const std::string& text, size_t width)
{
    const size_t n = utf8Length(text);
    return n >= width ? text : text + std::string(width - n, ' ');
}

struct RowLabel {
    const char* key;
    const char* name;
};

const RowLabel kMonths[12] = {
    {"leden", "leden"},   {"unor", "únor"},     {"brezen", "březen"},     {"duben", "duben"},
    {"kveten", "květen"}, {"cerven", "červen"}, {"cervenec", "červenec"}, {"srpen", "srpen"},
    {"zari", "září"},     {"rijen", "říjen"},   {"listopad", "listopad"}, {"prosinec", "prosinec"},
};

const RowLabel kWeekdays[7] = {
    {"pondeli", "pondělí"}, {"utery", "úterý"},   {"streda", "středa"}, {"ctvrtek", "čtvrtek"},
    {"patek", "pátek"},     {"sobota", "sobota"}, {"nedele", "neděle"},
};

void writeTable(std::vector<std::string>& lines, TextSource& texts, const char* section, const char* heading,
                const char* rule, const RowLabel* labels, int rows, size_t labelWidth, const int* births,
                const int* deaths, const int* weddings)
{
    lines.push_back(texts.langText(section, "radek1", heading));
    lines.push_back(rule);
    for (int i = 0; i < rows; ++i) {
        const std::string defaultLabel = padRight(labels[i].name, labelWidth) + "| ";
        lines.push_back(texts.langText(section, labels[i].key, defaultLabel) + " " +
                        padLeft(intToStr(births[i]), 5) + "      |  " + padLeft(intToStr(deaths[i]), 3) +
                        "    | " + padLeft(intToStr(weddings[i] / 2), 3));
    }
    lines.emplace_back();
    lines.emplace_back();
}

} // namespace

void writeCalendarTables(const Rod& tree, std::vector<std::string>& lines, TextSource& texts)
{
    const CalendarCounts c = countCalendar(tree);
    writeTable(lines, texts, "tabulkaMesicu", "MĚSÍC       |  NAROZENÍ  |  ÚMRTÍ  | SVATBY",
               "------------+------------+---------+-------------", kMonths, 12, 12, c.birthsByMonth,
               c.deathsByMonth, c.weddingsByMonth);
    writeTable(lines, texts, "tabulkaDni", "DEN        |  NAROZENÍ  |  ÚMRTÍ  | SVATBY",
               "-----------+------------+---------+-------", kWeekdays, 7, 11, c.birthsByWeekday,
               c.deathsByWeekday, c.weddingsByWeekday);
}

void writeFirstNameTable(const Rod& tree, std::vector<std::string>& lines, TextSource& texts, bool men,
                         bool women)
{
    std::vector<FirstNameCount> names = tallyFirstNames(tree, men, women);
    if (names.empty())
        return;
    // Equal counts keep the tally's order, as the program's bubble passes leave them.
    std::stable_sort(names.begin(), names.end(),
                     [](const FirstNameCount& a, const FirstNameCount& b) { return a.count > b.count; });
    size_t width = 0;
    for (const FirstNameCount& n : names)
        width = std::max(width, utf8Length(n.name));
    lines.push_back(padRight(texts.langText("statistika", "jmeno", "JMÉNO"), width) + " | " +
                    texts.langText("statistika", "cetnost", "ČETNOST"));
    lines.push_back(std::string(width + 1, '-') + "+-------------");
    for (const FirstNameCount& n : names)
        lines.push_back(padRight(n.name, width) + " | " + padLeft(intToStr(n.count), 4));
    lines.emplace_back();
    lines.emplace_back();
}

std::vector<std::string> statisticsTablesLines(const Rod& tree, TextSource& texts)
{
    std::vector<std::string> lines;
    lines.push_back(texts.langText("statistika", "tabulky", "Tabulky statistik lipovetau") + " - " +
                    tree.treeName);
    lines.emplace_back();
    lines.emplace_back();
    writeCalendarTables(tree, lines, texts);
    // Men first; the two tables carry no label naming the sex.
    writeFirstNameTable(tree, lines, texts, true, false);
    writeFirstNameTable(tree, lines, texts, false, true);
    lines.emplace_back();
    return lines;
}
