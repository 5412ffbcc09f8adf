#include "model/date_texts.h"
#include "model/datum.h"
#include "model/language_file.h"
#include "system/codec.h"
#include "system/exceptions.h"

#include "model_helpers.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

Datum d(const char* day, const char* month, const char* year)
{
    return Datum(day, month, year);
}

struct DateTexts : ::testing::Test {
    FakeTexts texts;
    void TearDown() override
    {
        // Date texts read the language file and never write a key back.
        EXPECT_TRUE(texts.asked.empty());
    }
};

} // namespace

TEST_F(DateTexts, CountWordsFollowTheWholeNumber)
{
    EXPECT_EQ(countText(1, "jeden", "dny", "dní"), "jeden");
    EXPECT_EQ(countText(2, "jeden", "dny", "dní"), "2 dny");
    EXPECT_EQ(countText(4, "jeden", "dny", "dní"), "4 dny");
    EXPECT_EQ(countText(5, "jeden", "dny", "dní"), "5 dní");
    EXPECT_EQ(countText(0, "jeden", "dny", "dní"), "0 dní");
    EXPECT_EQ(countText(22, "jeden", "dny", "dní"), "22 dní");
    EXPECT_EQ(countText(-2, "jeden", "dny", "dní"), "-2 dní");
    EXPECT_EQ(countText(-1, "jeden", "dny", "dní"), "-1 dní");

    EXPECT_EQ(yearsText(0, texts), "velice krátce");
    EXPECT_EQ(yearsText(1, texts), "jeden rok");
    EXPECT_EQ(yearsText(2, texts), "2 roky");
    EXPECT_EQ(yearsText(4, texts), "4 roky");
    EXPECT_EQ(yearsText(5, texts), "5 let");
    EXPECT_EQ(yearsText(21, texts), "21 let");
    EXPECT_EQ(yearsText(23, texts), "23 let");
}

TEST_F(DateTexts, LongTextByCompleteness)
{
    EXPECT_EQ(d("?", "?", "1900").longText(texts), "v roce 1900");
    EXPECT_EQ(d("5", "?", "1900").longText(texts), "v roce 1900");
    // A known month is told; a day without its month says nothing.
    EXPECT_EQ(d("?", "3", "1900").longText(texts), "v březnu 1900");
    EXPECT_EQ(d("?", "5", "1860").longText(texts), "v květnu 1860");
    EXPECT_EQ(d("?", "13", "1900").longText(texts), "v roce 1900");
    EXPECT_EQ(d("5", "3", "?").longText(texts), "(nelze určit)");
    EXPECT_EQ(d("5", "3", "1900").longText(texts), "5. března 1900");
    EXPECT_EQ(d("31", "12", "1999").longText(texts), "31. prosince 1999");
    EXPECT_EQ(d("1", "13", "1900").longText(texts), "1. chyba: neexistující měsíc 1900");
    // A day the month does not have is still written as stored.
    EXPECT_EQ(d("31", "4", "1900").longText(texts), "31. dubna 1900");
    EXPECT_EQ(d("5", "x", "1900").longText(texts), "?");

    // Approximation and tolerance never show in a text.
    Datum about = d("5", "3", "1900");
    about.about = 1;
    about.tolerance = 5;
    EXPECT_EQ(about.longText(texts), "5. března 1900");
    EXPECT_EQ(about.listText(), "5. 3. 1900");
    EXPECT_EQ(about.weekdayName(texts), "pondělí");
}

TEST_F(DateTexts, MonthsInTheirCases)
{
    const char* genitive[] = {"ledna",    "února", "března", "dubna", "května",    "června",
                              "července", "srpna", "září",   "října", "listopadu", "prosince"};
    const char* locative[] = {"v lednu",    "v únoru", "v březnu", "v dubnu", "v květnu",    "v červnu",
                              "v červenci", "v srpnu", "v září",   "v říjnu", "v listopadu", "v prosinci"};
    for (int m = 1; m <= 12; ++m) {
        EXPECT_EQ(monthGenitive(m, texts), genitive[m - 1]);
        EXPECT_EQ(monthInText(m, texts), locative[m - 1]);
    }
    EXPECT_EQ(monthGenitive(0, texts), "chyba: neexistující měsíc");
    EXPECT_EQ(monthGenitive(13, texts), "chyba: neexistující měsíc");
    EXPECT_EQ(monthInText(0, texts), "(chyba: nelze určit)");
    EXPECT_EQ(monthInText(13, texts), "(chyba: nelze určit)");
    EXPECT_EQ(texts.plainReads.front(), "datum/ledna");
    EXPECT_EQ(texts.plainReads[1], "datum/vLednu");
}

TEST_F(DateTexts, Weekdays)
{
    const char* locative[] = {"v pondělí", "v úterý",  "ve středu", "ve čtvrtek",
                              "v pátek",   "v sobotu", "v neděli"};
    for (int w = 1; w <= 7; ++w)
        EXPECT_EQ(weekdayInText(w, texts), locative[w - 1]);
    EXPECT_EQ(weekdayInText(0, texts), "(chyba: nelze určit)");
    EXPECT_EQ(weekdayInText(8, texts), "(chyba: nelze určit)");

    // 1 to 7 January 2000 run from Saturday to Friday.
    const char* names[] = {"sobota", "neděle", "pondělí", "úterý", "středa", "čtvrtek", "pátek"};
    for (int day = 1; day <= 7; ++day)
        EXPECT_EQ(Datum(std::to_string(day), "1", "2000").weekdayName(texts), names[day - 1]);
    EXPECT_EQ(d("29", "2", "2000").weekdayName(texts), "úterý");

    EXPECT_EQ(d("?", "1", "2000").weekdayName(texts), "?");
    EXPECT_EQ(d("1", "?", "2000").weekdayName(texts), "?");
    EXPECT_EQ(d("1", "1", "?").weekdayName(texts), "?");
    EXPECT_EQ(d("", "1", "2000").weekdayName(texts), "error");
    EXPECT_EQ(d("1", "1", "").weekdayName(texts), "error");
}

TEST_F(DateTexts, IntervalsBetweenCompleteDates)
{
    EXPECT_EQ(intervalText(d("1", "1", "1900"), d("1", "1", "1900"), texts), "necelý den");
    EXPECT_EQ(intervalText(d("1", "1", "1900"), d("2", "1", "1900"), texts), "jeden den (1 den)");
    EXPECT_EQ(intervalText(d("1", "1", "1900"), d("4", "1", "1900"), texts), "3 dny (3 dny)");
    EXPECT_EQ(intervalText(d("1", "1", "1900"), d("1", "2", "1901"), texts), "396 dní (1 rok, 1 měsíc)");
    EXPECT_EQ(intervalText(d("1", "1", "1900"), d("1", "1", "1902"), texts), "730 dní (2 roky)");
    EXPECT_EQ(intervalText(d("5", "3", "1900"), d("7", "5", "1901"), texts),
              "428 dní (1 rok, 2 měsíce a 2 dny)");
    EXPECT_EQ(intervalText(d("1", "1", "1900"), d("2", "8", "1900"), texts), "213 dní (7 měsíců a 1 den)");
    EXPECT_EQ(intervalText(d("10", "1", "1900"), d("1", "1", "1912"), texts),
              "4373 dní (11 let, 11 měsíců a 21 dní)");
    // Month ends: every month counts as 30 days in the parenthesis.
    EXPECT_EQ(intervalText(d("31", "1", "1900"), d("1", "2", "1900"), texts), "jeden den");
    EXPECT_EQ(intervalText(d("30", "1", "1900"), d("1", "3", "1900"), texts), "30 dní (1 měsíc a 1 den)");
    // Across leap days: the head counts the calendar, the parenthesis 30-day months.
    EXPECT_EQ(intervalText(d("28", "2", "1900"), d("1", "3", "1900"), texts), "jeden den (3 dny)");
    EXPECT_EQ(intervalText(d("28", "2", "2000"), d("1", "3", "2000"), texts), "2 dny (3 dny)");
    EXPECT_EQ(intervalText(d("29", "2", "1904"), d("28", "2", "1905"), texts),
              "365 dní (11 měsíců a 29 dní)");
    EXPECT_EQ(intervalText(d("29", "2", "1904"), d("1", "3", "1905"), texts), "366 dní (1 rok a 2 dny)");
    // Backwards the counts are negative and take the plural of "other counts".
    EXPECT_EQ(intervalText(d("2", "1", "1900"), d("1", "1", "1900"), texts),
              "-1 dní (-1 let, 11 měsíců a 29 dní)");
}

TEST_F(DateTexts, AgesByWhatIsKnown)
{
    EXPECT_EQ(ageOrIntervalText(d("5", "3", "?"), d("5", "3", "1900"), texts), "(nelze určit)");
    EXPECT_EQ(ageOrIntervalText(d("5", "3", "1900"), d("?", "?", "?"), texts), "(nelze určit)");
    EXPECT_EQ(ageOrIntervalText(d("?", "3", "1900"), d("5", "3", "1912"), texts), "12 let");
    EXPECT_EQ(ageOrIntervalText(d("5", "3", "1900"), d("5", "?", "1901"), texts), "jeden rok");
    EXPECT_EQ(ageOrIntervalText(d("5", "3", "1900"), d("5", "?", "1900"), texts), "velice krátce");
    EXPECT_EQ(ageOrIntervalText(d("5", "3", "1900"), d("7", "5", "1901"), texts),
              "428 dní (1 rok, 2 měsíce a 2 dny)");
}

// The months known on both sides count: born in May 1860, died on 12 March 1925, a person was
// 64, not the 65 of the years alone. An unknown part adds no year the known ones rule out.
TEST_F(DateTexts, AnAgeKnownInPartCountsTheKnownMonths)
{
    EXPECT_EQ(ageOrIntervalText(d("?", "5", "1860"), d("12", "3", "1925"), texts), "64 let");
    EXPECT_EQ(ageOrIntervalText(d("?", "3", "1860"), d("12", "5", "1925"), texts), "65 let");
    // The same month: the unknown day may have come either way, the years stand.
    EXPECT_EQ(ageOrIntervalText(d("?", "5", "1860"), d("12", "5", "1925"), texts), "65 let");
    EXPECT_EQ(ageOrIntervalText(d("12", "5", "1860"), d("?", "?", "1925"), texts), "65 let");
    EXPECT_EQ(ageOrIntervalText(d("12", "5", "1924"), d("?", "3", "1925"), texts), "velice krátce");
    long long years = 0;
    ASSERT_TRUE(knownYearsBetween(d("20", "5", "1860"), d("12", "5", "1925"), years));
    EXPECT_EQ(years, 64);
    EXPECT_FALSE(knownYearsBetween(d("1", "1", "19x0"), d("1", "1", "1925"), years));
}

TEST_F(DateTexts, Durations)
{
    EXPECT_EQ(durationText(-1, texts), "(nelze určit)");
    EXPECT_EQ(durationText(0, texts), "necelý den");
    EXPECT_EQ(durationText(1, texts), "jeden den (jeden den)");
    EXPECT_EQ(durationText(3, texts), "3 dny (3 dny)");
    EXPECT_EQ(durationText(45, texts), "45 dní (jeden měsíc a 15 dní)");
    EXPECT_EQ(durationText(60, texts), "60 dní (2 měsíce)");
    EXPECT_EQ(durationText(365, texts), "365 dní (12 měsíců a 5 dní)");
    EXPECT_EQ(durationText(375, texts), "375 dní (jeden rok a 9 dní)");
    EXPECT_EQ(durationText(400, texts), "400 dní (jeden rok, jeden měsíc a 4 dny)");
    EXPECT_EQ(durationText(800, texts), "800 dní (2 roky, 2 měsíce a 9 dní)");
    EXPECT_EQ(durationText(1461, texts), "1461 dní (4 roky)");
    EXPECT_EQ(durationText(36525, texts), "36525 dní (100 let)");
}

TEST_F(DateTexts, ZodiacBoundaries)
{
    struct Case {
        const char* day;
        const char* month;
        const char* sign;
    } cases[] = {
        {"20", "3", "Ryby"},     {"21", "3", "Skopec"},   {"20", "4", "Skopec"},   {"21", "4", "Býk"},
        {"20", "5", "Býk"},      {"21", "5", "Blíženci"}, {"21", "6", "Blíženci"}, {"22", "6", "Rak"},
        {"22", "7", "Rak"},      {"23", "7", "Lev"},      {"23", "8", "Lev"},      {"24", "8", "Panna"},
        {"23", "9", "Panna"},    {"24", "9", "Váhy"},     {"23", "10", "Váhy"},    {"24", "10", "Štír"},
        {"22", "11", "Štír"},    {"23", "11", "Střelec"}, {"22", "12", "Střelec"}, {"23", "12", "Kozoroh"},
        {"31", "12", "Kozoroh"}, {"1", "1", "Kozoroh"},   {"20", "1", "Kozoroh"},  {"21", "1", "Vodnář"},
        {"19", "2", "Vodnář"},   {"20", "2", "Ryby"},     {"29", "2", "Ryby"},
    };
    for (const Case& c : cases) {
        std::string sign = d(c.day, c.month, "2000").zodiacSign(texts);
        EXPECT_EQ(sign.substr(0, sign.find(' ')), c.sign) << c.day << "." << c.month;
    }
    EXPECT_EQ(d("21", "3", "1900").zodiacSign(texts), "Skopec (21.3.-20.4., Mars)");
    EXPECT_EQ(d("1", "2", "1900").zodiacSign(texts), "Vodnář (21.1.-19.2., Saturn a Uran)");
    EXPECT_EQ(d("?", "4", "1900").zodiacSign(texts), "(nelze určit)");
    EXPECT_EQ(d("20", "4", "?").zodiacSign(texts), "(nelze určit)");
}

TEST_F(DateTexts, GedcomDates)
{
    EXPECT_EQ(d("5", "3", "1900").gedcomText(), "5 MAR 1900");
    EXPECT_EQ(d("?", "?", "1900").gedcomText(), "1900");
    EXPECT_EQ(d("5", "?", "1900").gedcomText(), "1900");
    EXPECT_EQ(d("?", "3", "1900").gedcomText(), "MAR 1900");
    EXPECT_EQ(d("?", "13", "1900").gedcomText(), "N/A 1900");
    EXPECT_EQ(d("31", "4", "1900").gedcomText(), "31 APR 1900");
    const char* months[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                            "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(Datum("1", std::to_string(m), "1900").gedcomMonth(), months[m - 1]);
    EXPECT_EQ(d("1", "03", "1900").gedcomMonth(), "N/A");
    EXPECT_EQ(d("1", "0", "1900").gedcomMonth(), "N/A");
}

TEST_F(DateTexts, ListShortAndDayMonthForms)
{
    EXPECT_EQ(d("5", "3", "1900").listText(), "5. 3. 1900");
    EXPECT_EQ(d("?", "?", "1900").listText(), "  .   . 1900");
    EXPECT_EQ(d("?", "?", "?").listText(), "  .   .     ");
    EXPECT_EQ(d("5", "3", "1900").shortText(), "5.3.1900");
    EXPECT_EQ(d("?", "3", "1900").shortText(), "3.1900");
    EXPECT_EQ(d("?", "?", "1900").shortText(), "1900");
    EXPECT_EQ(d("5", "3", "?").shortText(), "5.3.");
    EXPECT_EQ(d("?", "?", "?").shortText(), "");
    EXPECT_EQ(d("5", "3", "1900").dayMonthText(), "05.03.");
    EXPECT_EQ(d("9", "10", "1900").dayMonthText(), "09.10.");
    EXPECT_EQ(d("24", "12", "1900").dayMonthText(), "24.12.");
    EXPECT_THROW(d("?", "3", "1900").dayMonthText(), EConvertError);
}

// A complete date that is no calendar day comes from old files and imports; the texts that
// need the calendar show "?" instead of stopping the page that shows them.
TEST_F(DateTexts, ImpossibleDatesShowAQuestionMark)
{
    Datum april31 = d("31", "4", "1900");
    EXPECT_EQ(april31.weekdayName(texts), "?");
    EXPECT_EQ(april31.zodiacSign(texts), "?");
    EXPECT_EQ(d("29", "2", "1900").weekdayName(texts), "?");
    EXPECT_EQ(d("1", "13", "1900").zodiacSign(texts), "?");
    EXPECT_EQ(d("1", "1", "0").weekdayName(texts), "?");
    EXPECT_EQ(intervalText(april31, d("1", "5", "1900"), texts), "?");
    EXPECT_EQ(intervalText(d("1", "5", "1900"), april31, texts), "?");
    EXPECT_EQ(ageOrIntervalText(april31, d("1", "1", "1950"), texts), "?");
    EXPECT_EQ(ageOrIntervalText(d("1", "1", "19x0"), d("?", "1", "1950"), texts), "?");
    EXPECT_EQ(d("1", "x", "1900").weekdayName(texts), "?");
    EXPECT_EQ(d("1", "x", "1900").zodiacSign(texts), "?");
    // Still fine where no calendar is needed.
    EXPECT_EQ(april31.listText(), "31. 4. 1900");
    EXPECT_EQ(april31.shortText(), "31.4.1900");
}

TEST(DateTextsLanguage, WordsComeFromTheFileWhichStaysUnchanged)
{
    TempFolder root;
    std::string path = root / "cestina.lan";
    std::string log = root / "new.txt";
    std::vector<std::string> lines{
        "[datum]", "56...let=roků", "jedenRok=rok", "a= ", "", "[ruzne]", "nelzeUrcit=nevím", ""};
    writeCp1250Lines(path, lines);
    LanguageFile lang(path, log);
    lang.load();
    EXPECT_EQ(yearsText(25, lang), "25 roků");
    EXPECT_EQ(yearsText(5, lang), "5 roků");
    EXPECT_EQ(yearsText(3, lang), "3 roky"); // missing key: the Czech word
    EXPECT_EQ(yearsText(1, lang), "rok");
    EXPECT_EQ(durationText(-1, lang), "nevím");
    // A single blank stays a blank in a plain read.
    EXPECT_EQ(durationText(400, lang), "400 dní (rok, jeden měsíc   4 dny)");
    EXPECT_EQ(d("5", "3", "1900").longText(lang), "5. března 1900");
    EXPECT_EQ(readCp1250Lines(path), lines);
    EXPECT_FALSE(std::filesystem::exists(log));
}
