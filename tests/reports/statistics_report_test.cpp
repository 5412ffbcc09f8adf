#include "model/display_settings.h"
#include "reports/statistics_dates.h"
#include "reports/statistics_queries.h"
#include "reports/statistics_report.h"
#include "statistics_tree.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;
const Datum kToday("9", "12", "2026");

// Line by line, so a difference names its line.
void expectLines(const Lines& actual, const Lines& expected)
{
    for (size_t i = 0; i < std::max(actual.size(), expected.size()); ++i)
        EXPECT_EQ(i < actual.size() ? actual[i] : "<none>", i < expected.size() ? expected[i] : "<none>")
            << "line " << i + 1;
}

Lines report(const Rod& tree, const DisplaySettings& display = FixedDisplaySettings())
{
    FakeTexts texts;
    return treeStatisticsLines(tree, texts, display, kToday);
}

} // namespace

// Every line computed by hand from the dates of the family (days between dates from a calendar,
// ages by the tree's 365-day years and 30-day months).
TEST(StatisticsReport, EveryLineOfAHandBuiltFamily)
{
    StatisticsTree t;
    expectLines(
        report(t.tree),
        (Lines{
            "Statistika Lipovetau - Králové",
            "",
            "Počet osob: 6 (4 naživu)",
            "Počet mužů: 4 (3 naživu)",
            "Počet žen: 2 (1 naživu)",
            "",
            "Počet generací: 3",
            "",
            "MUŽI:",
            "Nejvyšší věk ze zesnulých: Král Josef (0); věk: 25631 dní (70 let, 2 měsíce a 5 dní)",
            "Nejnižší věk ze zesnulých: Král Josef (0); věk: 25631 dní (70 let, 2 měsíce a 5 dní)",
            "Nejstarší žijící: Král Jan (2); věk: 35387 dní (96 let, 10 měsíců a 19 dní)",
            "Nejmladší žijící: Malý Petr (5); věk: 25564 dní (69 let, 11 měsíců a 27 dní)",
            "Průměrná délka života: 25615 dní (70 let, jeden měsíc a 17 dní)",
            "Průměrný věk při 1. sňatku: 10369 dní (28 let, 4 měsíce a 22 dní)",
            "Průměrný věk při 1. dítěti: 10967 dní (30 let a 9 dní)",
            "Nejčastější jméno: Jan (2x)",
            "",
            "ŽENY",
            "Nejvyšší věk ze zesnulých: Králová Marie (1); věk: 85 let",
            "Nejnižší věk ze zesnulých: Králová Marie (1); věk: 85 let",
            "Nejstarší žijící: Králová Eva (3); věk: 94 let",
            "Nejmladší žijící: Králová Eva (3); věk: 94 let",
            "Průměrná délka života: 31025 dní (84 let, 11 měsíců a 14 dní)",
            "Průměrný věk při 1. sňatku: 8490 dní (23 let, 2 měsíce a 29 dní)",
            "Průměrný věk při 1. dítěti: 9063 dní (24 let, 9 měsíců a 27 dní)",
            "Nejčastější jméno: Marie (1x)",
            "",
            "VŠICHNI",
            "Nejvyšší věk ze zesnulých: Králová Marie (1); věk: 85 let",
            "Nejnižší věk ze zesnulých: Král Josef (0); věk: 25631 dní (70 let, 2 měsíce a 5 dní)",
            "Nejstarší žijící: Král Jan (2); věk: 35387 dní (96 let, 10 měsíců a 19 dní)",
            "Nejmladší žijící: Malý Petr (5); věk: 25564 dní (69 let, 11 měsíců a 27 dní)",
            "Průměrná délka života: 28320 dní (77 let, 6 měsíců a 15 dní)",
            "Průměrný věk při 1. sňatku: 9116 dní (24 let, 11 měsíců a 20 dní)",
            "Průměrný věk při 1. dítěti: 9698 dní (26 let, 6 měsíců a 21 dní)",
            "Nejčastější jméno: Jan (2x)",
            "",
            "DALŠÍ ZAJÍMAVOSTI:",
            "Maximální počet dětí je 2. Měly je tyto osoby: Králová Marie (1); Král Josef (0).",
            "",
            "Nejvíce lidí se narodilo v lednu (3).",
            "Nejvíce lidí se narodilo ve středu (2).",
            // NOLINTNEXTLINE(bugprone-suspicious-missing-comma): one line of the report, split for width
            "Nejméně lidí se narodilo v únoru, v březnu, v dubnu, v červnu, v červenci, v srpnu, v září, "
            "v říjnu, v listopadu (0).",
            "Nejméně lidí se narodilo v úterý, ve čtvrtek, v sobotu, v neděli (0).",
            "Nejvíce lidí zemřelo v březnu (1).",
            "Nejvíce lidí zemřelo v neděli (1).",
            "Nejméně lidí zemřelo v lednu, v únoru, v dubnu, v květnu, v červnu, v červenci, v srpnu, "
            "v září, v říjnu, v listopadu, v prosinci (0).",
            "Nejméně lidí zemřelo v pondělí, v úterý, ve středu, ve čtvrtek, v pátek, v sobotu (0).",
            "Nejvíce svateb bylo v červnu (4).",
            "Nejvíce svateb bylo v pátek (4).",
            "Nejméně svateb bylo v lednu, v únoru, v březnu, v dubnu, v květnu, v červenci, v srpnu, "
            "v září, v říjnu, v listopadu, v prosinci (0).",
            "Nejméně svateb bylo v pondělí, v úterý, ve středu, ve čtvrtek, v sobotu, v neděli (0).",
            "",
            "Nejmladší nevěsta: Králová Marie (1); věk při svatbě: 8428 dní (23 let a 27 dní)",
            "Nejmladší ženich: Král Josef (0); věk při svatbě: 10369 dní (28 let, 4 měsíce a 22 dní)",
            "Nejstarší nevěsta: Králová Eva (3); věk při svatbě: 8552 dní (23 let, 5 měsíců a jeden den)",
            "Nejstarší ženich: Král Josef (0); věk při svatbě: 10369 dní (28 let, 4 měsíce a 22 dní)",
            "",
            "Nejmladší matka: Králová Marie (1); věk při narození dítěte: 9026 dní (24 let, 8 měsíců a 20 "
            "dní)",
            "Nejmladší otec: Král Josef (0); věk při narození dítěte: 10967 dní (30 let a 9 dní)",
            "Nejstarší matka: Králová Marie (1); věk při narození dítěte: 9741 dní (26 let, 8 měsíců a 4 "
            "dny)",
            "Nejstarší otec: Král Josef (0); věk při narození dítěte: 11687 dní (31 let, 12 měsíců a 4 dny)",
            "",
            "Nejmladší babička: Králová Marie (1); věk při narození vnoučete: 18849 dní (51 let, 7 měsíců a "
            "11 dní)",
            "Nejmladší děda: Král Josef (0); věk při narození vnoučete: 20790 dní (56 let, 11 měsíců a 6 "
            "dní)",
            "Nejstarší babička: Králová Marie (1); věk při narození vnoučete: 18849 dní (51 let, 7 měsíců a "
            "11 dní)",
            "Nejstarší děda: Král Josef (0); věk při narození vnoučete: 20790 dní (56 let, 11 měsíců a 6 "
            "dní)",
            "",
            "Nejkratší manželství: Malý Jan (4) & Králová Eva (3); délka manželství: 1675 dní (4 roky, 7 "
            "měsíců a 4 dny)",
            "Nejdelší manželství: Král Josef (0) & Králová Marie (1); délka manželství: 15262 dní (41 let, 9 "
            "měsíců a 16 dní)",
            "",
            "",
            "(pozn.: Statistiky mohou být vztaženy pouze k lidem, kteří mají vyplněné potřebné údaje.)",
        }));
}

TEST(StatisticsReport, DisplaySettingsNameWomenByBirthSurnameWithTheBirthYear)
{
    StatisticsTree t;
    const Lines lines = report(t.tree, FixedDisplaySettings(true, true));
    EXPECT_EQ(lines[19], "Nejvyšší věk ze zesnulých: Malá Marie, 1905 (1); věk: 85 let");
}

TEST(StatisticsReport, AnEmptyTreeCannotDetermineAnything)
{
    Rod tree;
    const Lines lines = report(tree);
    ASSERT_EQ(lines.size(), 44u);
    EXPECT_EQ(lines[2], "Počet osob: 0 (0 naživu)");
    EXPECT_EQ(lines[6], "Počet generací: 0");
    EXPECT_EQ(lines[9], "Nejvyšší věk ze zesnulých: (nelze určit)");
    EXPECT_EQ(lines[13], "Průměrná délka života: (nelze určit)");
    EXPECT_EQ(lines[16], "Nejčastější jméno: (nelze určit)");
    EXPECT_EQ(lines[39], "Maximální počet dětí nelze určit, nikdo neměl žádné dítě.");
    // The calendar's closing line, no month lines, no family records.
    EXPECT_EQ(lines[40], "");
    EXPECT_EQ(lines[41], "");
    EXPECT_EQ(lines[42], "");
    EXPECT_EQ(lines.back(),
              "(pozn.: Statistiky mohou být vztaženy pouze k lidem, kteří mají vyplněné potřebné údaje.)");
}

// Dates a damaged file can bring and a parent cycle never stop the report: such a date counts
// nowhere and leaves its interval undetermined.
TEST(StatisticsReport, DamagedDatesAndAParentCycleDoNotStopTheReport)
{
    StatisticsTree t;
    t.jan->birth = date("31", "4", "1930"); // no such day
    t.eva->birth = date("?", "13", "1932"); // no such month
    t.petr->birth = date("x", "1", "19a6"); // no numbers
    t.janMaly->birth = date("0", "0", "1925");
    t.josef->father = t.petr; // Josef becomes his own ancestor
    Lines lines;
    ASSERT_NO_THROW(lines = report(t.tree));
    EXPECT_EQ(lines.back(),
              "(pozn.: Statistiky mohou být vztaženy pouze k lidem, kteří mají vyplněné potřebné údaje.)");
    // Birth months that can be read: Josef's January, Jan's April (the day is what is wrong) and
    // Marie's May; weekdays only of Josef's and Marie's real days.
    EXPECT_NE(
        std::find(lines.begin(), lines.end(), "Nejvíce lidí se narodilo v lednu, v dubnu, v květnu (1)."),
        lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Nejvíce lidí se narodilo ve středu, v pátek (1)."),
              lines.end());
}

TEST(StatisticsQueries, EqualAgesAndEqualNamesFollowTheChain)
{
    Rod tree;
    FakeTexts texts;
    Clovek* first = makePerson("Petr", "A", 1, date("1", "1", "1900"));
    Clovek* second = makePerson("Jan", "B", 1, date("1", "1", "1900"));
    Clovek* third = makePerson("jan", "C", 1, date("1", "1", "1900"));
    for (Clovek* p : {third, second, first}) // the chain from the head: first, second, third
        tree.appendPerson(std::unique_ptr<Clovek>(p));
    const StatDate today(kToday);
    EXPECT_EQ(oldestPerson(tree, true, false, true, today), first);
    EXPECT_EQ(youngestPerson(tree, true, false, true, today), first);
    // Three names once each: the one whose bearer comes last in the chain wins.
    EXPECT_EQ(commonestFirstName(tree, true, true, texts), "jan (1x)");
    EXPECT_EQ(commonestFirstName(tree, false, true, texts), "(nelze určit)");
    EXPECT_EQ(meanAgeAtDeath(tree, true, true), -1);
}

TEST(StatisticsQueries, AParentWhoDiedBeforeTheBirthIsNoParentRecord)
{
    StatisticsTree t;
    // Marie "died" in January 1930, before Jan's birth on the 20th: the death month is known
    // but not its day, so her death cannot be ordered after the birth either.
    t.marie->death = date("?", "1", "1930");
    FakeTexts texts;
    Lines lines;
    writeFamilyRecords(t.tree, lines, texts, FixedDisplaySettings(), kToday);
    // Eva's son Petr is then the youngest mother's child (Eva, 9101 days).
    EXPECT_EQ(
        lines[5],
        "Nejmladší matka: Králová Eva (3); věk při narození dítěte: 9101 dní (24 let, 11 měsíců a 5 dní)");
}

TEST(StatisticsDates, IntervalsOfDamagedDatesAreUndetermined)
{
    EXPECT_EQ(daysBetween(date("1", "3", "1900"), date("28", "2", "1900")), 1);
    EXPECT_EQ(daysBetween(date("?", "3", "1900"), date("28", "2", "1900")), 28);
    EXPECT_EQ(daysBetween(date("5", "?", "1901"), date("28", "2", "1900")), 365);
    EXPECT_EQ(daysBetween(date("31", "4", "1900"), date("1", "1", "1900")), -1);
    EXPECT_EQ(daysBetween(date("1", "13", "1900"), date("1", "1", "1900")), -1);
    EXPECT_EQ(daysBetween(date("1", "1", "19x0"), date("1", "1", "1900")), -1);
    EXPECT_EQ(daysBetween(date("1", "1", "-5"), date("1", "1", "-6")), 365);
    EXPECT_EQ(calendarMonth(date("?", "13", "1900")), 0);
    EXPECT_EQ(calendarMonth(date("?", "0", "1900")), 0);
    EXPECT_EQ(calendarMonth(date("?", "12", "?")), 12);
    EXPECT_EQ(calendarWeekday(date("31", "4", "1900")), 0);
    EXPECT_EQ(calendarWeekday(date("9", "12", "2026")), 3);
    EXPECT_TRUE(isLater(date("?", "?", "1991"), date("1", "1", "1990")));
    EXPECT_FALSE(isLater(date("?", "1", "1990"), date("20", "1", "1990")));
    EXPECT_FALSE(isLater(date("1", "1", "x"), date("1", "1", "1")));
}
