#include "reports/statistics_tables.h"
#include "statistics_tree.h"
#include "system/text.h"

#include <gtest/gtest.h>

namespace {
using Lines = std::vector<std::string>;
}

TEST(StatisticsTables, CalendarAndFirstNameTablesOfAHandBuiltFamily)
{
    StatisticsTree t;
    FakeTexts texts;
    const Lines expected{
        "Tabulky statistik lipovetau - Králové",
        "",
        "",
        "MĚSÍC       |  NAROZENÍ  |  ÚMRTÍ  | SVATBY",
        "------------+------------+---------+-------------",
        "leden       |      3      |    0    |   0",
        "únor        |      0      |    0    |   0",
        "březen      |      0      |    1    |   0",
        "duben       |      0      |    0    |   0",
        "květen      |      1      |    0    |   0",
        "červen      |      0      |    0    |   2",
        "červenec    |      0      |    0    |   0",
        "srpen       |      0      |    0    |   0",
        "září        |      0      |    0    |   0",
        "říjen       |      0      |    0    |   0",
        "listopad    |      0      |    0    |   0",
        "prosinec    |      1      |    0    |   0",
        "",
        "",
        "DEN        |  NAROZENÍ  |  ÚMRTÍ  | SVATBY",
        "-----------+------------+---------+-------",
        "pondělí    |      1      |    0    |   0",
        "úterý      |      0      |    0    |   0",
        "středa     |      2      |    0    |   0",
        "čtvrtek    |      0      |    0    |   0",
        "pátek      |      1      |    0    |   2",
        "sobota     |      0      |    0    |   0",
        "neděle     |      0      |    1    |   0",
        "",
        "",
        "JMÉNO | ČETNOST",
        "------+-------------",
        "Jan   |    2",
        "Josef |    1",
        "Petr  |    1",
        "",
        "",
        "JMÉNO | ČETNOST",
        "------+-------------",
        "Marie |    1",
        "Eva   |    1",
        "",
        "",
        "",
    };
    const Lines lines = statisticsTablesLines(t.tree, texts);
    for (size_t i = 0; i < std::max(lines.size(), expected.size()); ++i)
        EXPECT_EQ(i < lines.size() ? lines[i] : "<none>", i < expected.size() ? expected[i] : "<none>")
            << "line " << i + 1;
    // The bars of a row stand one column right of the heading's, after the label's first one.
    const std::u32string heading = toU32(lines[3]), row = toU32(lines[5]);
    EXPECT_EQ(heading.find(U'|'), row.find(U'|'));
    EXPECT_EQ(heading.find(U'|', 13) + 1, row.find(U'|', 13));
}

TEST(StatisticsTables, AnEmptyTreeHasZeroCountsAndNoNameTables)
{
    Rod tree;
    FakeTexts texts;
    const Lines lines = statisticsTablesLines(tree, texts);
    ASSERT_EQ(lines.size(), 3u + 16u + 11u + 1u);
    EXPECT_EQ(lines[5], "leden       |      0      |    0    |   0");
    EXPECT_EQ(lines.back(), "");
}

TEST(StatisticsTables, TheNameColumnWidensToTheLongestName)
{
    Rod tree;
    FakeTexts texts;
    for (int i = 0; i < 3; ++i)
        tree.addNewPerson(std::unique_ptr<Clovek>(makePerson("Jan", "A")));
    for (int i = 0; i < 2; ++i)
        tree.addNewPerson(std::unique_ptr<Clovek>(makePerson("Bartoloměj Přemysl Jo", "A")));
    tree.addNewPerson(std::unique_ptr<Clovek>(makePerson("jan", "A")));
    tree.addNewPerson(std::unique_ptr<Clovek>(makePerson("", "A")));
    Lines lines;
    writeFirstNameTable(tree, lines, texts, true, false);
    EXPECT_EQ(lines, (Lines{"JMÉNO                 | ČETNOST", "----------------------+-------------",
                            "Jan                   |    3", "Bartoloměj Přemysl Jo |    2",
                            "jan                   |    1", "", ""}));
    lines.clear();
    writeFirstNameTable(tree, lines, texts, false, true);
    EXPECT_TRUE(lines.empty());
}
