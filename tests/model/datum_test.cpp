#include "model/datum.h"
#include "system/datetime.h"
#include "system/exceptions.h"

#include <gtest/gtest.h>

#include <climits>

namespace {
Datum d(const char* day, const char* month, const char* year)
{
    return Datum(day, month, year);
}
} // namespace

TEST(Datum, NewAndFromCalendar)
{
    Datum unknown;
    EXPECT_EQ(unknown.day, "?");
    EXPECT_EQ(unknown.month, "?");
    EXPECT_EQ(unknown.year, "?");
    EXPECT_EQ(unknown.about, 0);
    EXPECT_EQ(unknown.tolerance, 1);
    Datum fromCalendar(encodeDate(1998, 3, 5) + 0.75);
    EXPECT_EQ(fromCalendar.day, "5");
    EXPECT_EQ(fromCalendar.month, "3");
    EXPECT_EQ(fromCalendar.year, "1998");
}

TEST(Datum, ComparisonsStopAtTheFirstUnknownPart)
{
    Datum y1900 = d("?", "?", "1900");
    EXPECT_TRUE(y1900.isBefore(d("5", "3", "1901")));
    EXPECT_FALSE(y1900.isAfter(d("5", "3", "1901")));
    Datum same = d("5", "3", "1900");
    EXPECT_FALSE(y1900.isBefore(same));
    EXPECT_FALSE(y1900.isAfter(same));
    EXPECT_FALSE(y1900.isNotAfter(same));
    EXPECT_FALSE(y1900.isNotBefore(same));

    EXPECT_TRUE(same.isNotAfter(same));
    EXPECT_TRUE(same.isNotBefore(same));
    EXPECT_FALSE(same.isBefore(same));
    EXPECT_FALSE(same.isAfter(same));
    EXPECT_TRUE(same.equals(same));
    Datum noDay = d("?", "3", "1900");
    EXPECT_FALSE(noDay.isNotAfter(noDay));
    EXPECT_FALSE(noDay.isNotBefore(noDay));
    EXPECT_FALSE(noDay.equals(noDay));

    Datum padded = d("05", "3", "1900");
    EXPECT_FALSE(padded.equals(same));
    EXPECT_TRUE(padded.isNotAfter(same));
}

// Such parts come from files of older versions; the checks that shift and subtract dates met them
// as raised conversion errors, whose English text reached the person.
TEST(Datum, PartsThatAreNotNumbersCountAsUnknownInEveryOperation)
{
    for (const char* bad : {"19x0", "", " 1900", "1900 ", "1e3", "99999999999", "?M"}) {
        EXPECT_FALSE(d("1", "1", bad).isBefore(d("1", "1", "1901"))) << bad;
        EXPECT_FALSE(d("1", "1", "1899").isNotBefore(d("1", "1", bad))) << bad;
        EXPECT_TRUE(hasUnreadablePart(d("1", "1", bad))) << bad;
        EXPECT_EQ(d("1", "1", bad).plusMonths(14).year, bad) << bad;
        EXPECT_EQ(d("1", "1", bad).minusMonths(3).month, "1") << bad;
        EXPECT_EQ(d("1", "1", bad).daysSince(d("1", "1", "1900")), -1) << bad;
        EXPECT_TRUE(isLeapYear(d("1", "2", bad))) << bad;
    }
    EXPECT_FALSE(d("", "1", "1900").isAfter(d("2", "1", "1900")));
    // Only the level reached counts, as for "?".
    EXPECT_TRUE(d("x", "1", "1900").isBefore(d("1", "2", "1900")));
    EXPECT_FALSE(hasUnreadablePart(d("?", "12", "1900")));
    // A month that is no number shifts the year only; days are counted at the level both know.
    const Datum shifted = d("1", "x", "1900").plusMonths(14);
    EXPECT_EQ(shifted.month + "." + shifted.year, "x.1901");
    EXPECT_EQ(d("1", "1", "1901").daysSince(d("1", "", "1900")), 365);
    EXPECT_EQ(d("5", "3", "1900").daysSince(d("x", "2", "1900")), 28);
    // A day or month the calendar lacks counts as unknown too.
    EXPECT_EQ(d("31", "4", "1900").daysSince(d("1", "4", "1900")), 0);
    EXPECT_EQ(d("1", "13", "1901").daysSince(d("1", "1", "1900")), 365);
    Datum bad = d("x", "2", "1900");
    EXPECT_EQ(bad.clampedDay(), "x");
    Datum badYear = d("30", "2", "19x0");
    EXPECT_EQ(badYear.clampedDay(), "29");
    std::vector<std::string> days;
    badYear.fillDayChoices(days);
    EXPECT_EQ(days.size(), 30u);
    EXPECT_FALSE(d("1", "1", "?").isBefore(d("1", "1", "abc")));
}

TEST(Datum, ShiftsByMonths)
{
    Datum a = d("15", "11", "1900").plusMonths(9);
    EXPECT_EQ(a.day + "." + a.month + "." + a.year, "15.8.1901");
    Datum b = d("15", "1", "1900").minusMonths(1);
    EXPECT_EQ(b.day + "." + b.month + "." + b.year, "15.12.1899");
    Datum c = d("31", "5", "1900").plusMonths(9);
    EXPECT_EQ(c.day + "." + c.month + "." + c.year, "31.2.1901");
    EXPECT_EQ(d("?", "?", "1900").plusMonths(9).year, "1900");
    EXPECT_EQ(d("?", "?", "1900").plusMonths(12).year, "1901");
    EXPECT_EQ(d("?", "?", "1900").minusMonths(14).year, "1899");
    EXPECT_EQ(d("1", "1", "?").plusMonths(30).month, "1");
    Datum flagged = d("1", "1", "1900");
    flagged.about = 1;
    flagged.tolerance = 5;
    EXPECT_EQ(flagged.plusMonths(1).tolerance, 5);
}

TEST(Datum, ArithmeticDoesNotOverflow)
{
    EXPECT_EQ(d("?", "12", "2147483647").plusMonths(INT_MAX).year, "2326440618");
    EXPECT_EQ(d("?", "1", "-2147483648").minusMonths(1).year, "-2147483649");
    EXPECT_EQ(d("?", "?", "2147483647").daysSince(d("?", "?", "-2147483648")), int64_t(4294967295LL) * 365);
}

TEST(Datum, DaysSince)
{
    EXPECT_EQ(d("1", "3", "1900").daysSince(d("28", "2", "1900")), 1);
    EXPECT_EQ(d("1", "?", "1910").daysSince(d("5", "6", "1900")), 3650);
    EXPECT_EQ(d("?", "3", "1900").daysSince(d("20", "2", "1900")), 28);
    EXPECT_EQ(d("1", "1", "?").daysSince(d("1", "1", "1900")), -1);
    EXPECT_EQ(d("1", "1", "1900").daysSince(d("1", "1", "?")), -1);
}

TEST(Datum, CompletenessAndLeapYears)
{
    EXPECT_EQ(d("5", "3", "?").completeness(), 0);
    EXPECT_EQ(d("?", "3", "1900").completeness(), 1);
    EXPECT_EQ(d("5", "?", "1900").completeness(), 1);
    EXPECT_EQ(d("5", "3", "1900").completeness(), 2);
    EXPECT_TRUE(isLeapYear(d("?", "?", "?")));
    EXPECT_FALSE(isLeapYear(d("?", "?", "1900")));
    EXPECT_TRUE(isLeapYear(d("?", "?", "2000")));
}

TEST(Datum, ClampedDay)
{
    for (const char* m : {"4", "6", "9", "11"}) {
        Datum x = d("31", m, "1900");
        EXPECT_EQ(x.clampedDay(), "30");
        EXPECT_EQ(x.day, "30");
    }
    EXPECT_EQ(d("31", "1", "1900").clampedDay(), "31");
    EXPECT_EQ(d("30", "2", "2000").clampedDay(), "29");
    EXPECT_EQ(d("31", "2", "1900").clampedDay(), "28");
    EXPECT_EQ(d("30", "2", "?").clampedDay(), "29");
    EXPECT_EQ(d("29", "2", "2000").clampedDay(), "29");
    EXPECT_EQ(d("29", "2", "1900").clampedDay(), "28");
    EXPECT_EQ(d("29", "2", "?").clampedDay(), "29");
    EXPECT_EQ(d("31", "?", "1900").clampedDay(), "31");
}

TEST(Datum, DayChoices)
{
    std::vector<std::string> items{"old"};
    d("?", "2", "1900").fillDayChoices(items);
    EXPECT_EQ(items.size(), 29u);
    EXPECT_EQ(items.front(), "?");
    d("?", "2", "?").fillDayChoices(items);
    EXPECT_EQ(items.size(), 30u);
    d("?", "2", "2000").fillDayChoices(items);
    EXPECT_EQ(items.size(), 30u);
    d("?", "4", "1900").fillDayChoices(items);
    EXPECT_EQ(items.size(), 31u);
    d("?", "?", "1900").fillDayChoices(items);
    EXPECT_EQ(items.size(), 32u);
    d("?", "1", "1900").fillDayChoices(items);
    EXPECT_EQ(items.size(), 32u);
    EXPECT_EQ(items[31], "31");
}

TEST(Datum, WeekdayNumber)
{
    EXPECT_EQ(d("1", "1", "2000").weekdayNumber(), 6);
    EXPECT_EQ(d("2", "1", "2000").weekdayNumber(), 7);
    EXPECT_EQ(d("3", "1", "2000").weekdayNumber(), 1);
    EXPECT_EQ(d("?", "1", "2000").weekdayNumber(), 0);
    EXPECT_EQ(d("", "1", "2000").weekdayNumber(), -1);
    EXPECT_EQ(d("31", "4", "2000").weekdayNumber(), -1);
    EXPECT_EQ(d("x", "4", "2000").weekdayNumber(), -1);
}

TEST(Datum, AssignAndCopy)
{
    Datum target;
    target.about = 1;
    target.tolerance = 10;
    Datum source = d("1", "2", "1903");
    target.assign(source);
    EXPECT_EQ(target.year, "1903");
    EXPECT_EQ(target.about, 1);
    EXPECT_EQ(target.tolerance, 10);
    Datum copy(target);
    EXPECT_EQ(copy.about, 1);
    EXPECT_EQ(copy.tolerance, 10);
    EXPECT_EQ(copy.day, "1");
}
