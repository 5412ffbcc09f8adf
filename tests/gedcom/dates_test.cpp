// DATE values as a person's date parts, and what is dropped with a reason.
#include "gedcom/import_dates.h"

#include <gtest/gtest.h>

namespace {

struct Parsed {
    int y, m, d;
    bool about;
    bool problem;
    bool operator==(const Parsed&) const = default;
};

Parsed parse(const std::string& value)
{
    std::string problem;
    const ImportedDate d = parseImportedDate(value, problem);
    return {d.year, d.month, d.day, d.about, !problem.empty()};
}

TEST(GedcomDates, ExactApproximateAndInterpreted)
{
    EXPECT_EQ(parse("5 MAR 1900"), (Parsed{1900, 3, 5, false, false}));
    EXPECT_EQ(parse("  mar 1900 "), (Parsed{1900, 3, 0, false, false}));
    EXPECT_EQ(parse("1900"), (Parsed{1900, 0, 0, false, false}));
    EXPECT_EQ(parse("29 December 1812"), (Parsed{1812, 12, 29, false, false}));
    EXPECT_EQ(parse("ABT 1850"), (Parsed{1850, 0, 0, true, false}));
    EXPECT_EQ(parse("EST 2 FEB 1850"), (Parsed{1850, 2, 2, true, false}));
    EXPECT_EQ(parse("@#DGREGORIAN@ 1700"), (Parsed{1700, 0, 0, false, false}));
    EXPECT_EQ(parse(""), (Parsed{0, 0, 0, false, false}));
}

TEST(GedcomDates, WhatCannotBeKeptIsReported)
{
    // Kept, but not as written: said all the same.
    EXPECT_EQ(parse("1750/51"), (Parsed{1750, 0, 0, false, true}));
    EXPECT_EQ(parse("@#DJULIAN@ 1 JAN 1700"), (Parsed{1700, 1, 1, false, true}));
    EXPECT_EQ(parse("@#DUNKNOWN@ 5"), (Parsed{5, 0, 0, false, true}));
    std::string problem;
    EXPECT_EQ(parseImportedDate("INT 1995 (from estimated age)", problem).year, 1995);
    EXPECT_EQ(problem, "vysvětlení data (from estimated age) vynecháno");
    EXPECT_EQ(parse("INT 1850"), (Parsed{1850, 0, 0, false, false}));
    parseImportedDate("1076 or 1088", problem);
    EXPECT_EQ(problem, "datum nelze přečíst");
    for (const char* value : {"@#DHEBREW@ 1 TSH 5600", "@#DFRENCH R@ 1 VEND 10", "(nevime)", "0", "10000",
                              "1850 B.C.", "99999999999999", "1 XYZ 1850", "1.2.1850", "5 MAR 1900 1901"})
        EXPECT_EQ(parse(value), (Parsed{0, 0, 0, false, true})) << value;
}

TEST(GedcomDates, RangesKeepTheirFirstBoundAsApproximate)
{
    EXPECT_EQ(parse("BEF 1850"), (Parsed{1850, 0, 0, true, true}));
    EXPECT_EQ(parse("AFT  1 OCT 1361"), (Parsed{1361, 10, 1, true, true}));
    EXPECT_EQ(parse("BET 1850 AND 1860"), (Parsed{1850, 0, 0, true, true}));
    EXPECT_EQ(parse("FROM MAR 1850 TO 1860"), (Parsed{1850, 3, 0, true, true}));
    EXPECT_EQ(parse("TO 1860"), (Parsed{1860, 0, 0, true, true}));
    EXPECT_EQ(parse("BEF"), (Parsed{0, 0, 0, false, true}));
    EXPECT_EQ(parse("10 JAN"), (Parsed{0, 1, 10, false, false}));
    // The phrase the export writes for a date without a year gives its parts back.
    EXPECT_EQ(parse("(10.1.?)"), (Parsed{0, 1, 10, false, false}));
    EXPECT_EQ(parse("(?.2.?)"), (Parsed{0, 2, 0, false, false}));
    EXPECT_EQ(parse("(ABT 2.?.?)"), (Parsed{0, 0, 2, true, false}));
    for (const char* value : {"(5.3.rok)", "(31.4.?)", "(?.?.?)", "(10.1.)", "(5.13.?)"})
        EXPECT_EQ(parse(value), (Parsed{0, 0, 0, false, true})) << value;
}

TEST(GedcomDates, ADayItsMonthLacksIsDroppedAlone)
{
    EXPECT_EQ(parse("31 APR 1900"), (Parsed{1900, 4, 0, false, true}));
    EXPECT_EQ(parse("29 FEB 1900"), (Parsed{1900, 2, 0, false, true}));
    EXPECT_EQ(parse("29 FEB 2000"), (Parsed{2000, 2, 29, false, false}));
    EXPECT_EQ(parse("0 JAN 1900"), (Parsed{1900, 1, 0, false, true}));
    EXPECT_EQ(parse("99999999999 JAN 1900"), (Parsed{1900, 1, 0, false, true}));
}

} // namespace
