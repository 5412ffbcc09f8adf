#include "system/datetime.h"
#include "system/exceptions.h"
#include "system/numbers.h"

#include <cmath>

#include <gtest/gtest.h>

TEST(DateTime, DayNumbersMatchTheClassLibrary)
{
    EXPECT_EQ(encodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(encodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(encodeDate(2000, 1, 1), 36526.0);
    EXPECT_EQ(encodeDate(1, 1, 1), -693593.0);
}

TEST(DateTime, EncodeDecodeRoundTripOverTheWholeRange)
{
    for (int y : {1, 4, 99, 100, 400, 1600, 1899, 1900, 2000, 2024, 9999})
        for (int m = 1; m <= 12; ++m)
            for (int d : {1, 28, daysInMonth(y, m)}) {
                int yy, mm, dd;
                decodeDate(encodeDate(y, m, d), yy, mm, dd);
                ASSERT_EQ(yy, y);
                ASSERT_EQ(mm, m);
                ASSERT_EQ(dd, d);
            }
}

TEST(DateTime, ImpossibleDatesRaise)
{
    EXPECT_THROW(encodeDate(2023, 2, 29), EConvertError);
    EXPECT_NO_THROW(encodeDate(2024, 2, 29));
    EXPECT_THROW(encodeDate(1900, 2, 29), EConvertError);
    EXPECT_THROW(encodeDate(2000, 4, 31), EConvertError);
    EXPECT_THROW(encodeDate(0, 1, 1), EConvertError);
    EXPECT_THROW(encodeDate(10000, 1, 1), EConvertError);
    EXPECT_THROW(encodeDate(2000, 13, 1), EConvertError);
}

TEST(DateTime, WeekdaysAndFormats)
{
    EXPECT_EQ(dayOfWeek(encodeDate(2026, 12, 9)), 4); // Wednesday
    EXPECT_EQ(dayOfWeek(encodeDate(1899, 12, 30)), 7);
    EXPECT_EQ(dayOfWeek(encodeDate(1, 1, 1)), 2); // Monday
    EXPECT_EQ(dateToStr(encodeDate(2024, 3, 5)), "5.3.2024");
    EXPECT_EQ(timeToStr(encodeTime(7, 5, 9)), "7:05:09");
}

TEST(DateTime, TheClockCanBeFixed)
{
    setClock([] { return encodeDate(2024, 12, 24) + 0.5; });
    EXPECT_EQ(today(), encodeDate(2024, 12, 24));
    setClock(nullptr);
    EXPECT_GT(today(), encodeDate(2020, 1, 1));
}

TEST(DateTime, DateTimeTextsInBothDirections)
{
    const TDateTime both = encodeDate(2024, 1, 2) + encodeTime(10, 20, 30);
    EXPECT_EQ(dateTimeToStr(both), "2.1.2024 10:20:30");
    EXPECT_EQ(dateTimeToStr(encodeDate(2024, 1, 2)), "2.1.2024");
    EXPECT_EQ(dateTimeToStr(encodeTime(8, 0, 5)), "8:00:05");
    for (TDateTime v : {both, encodeDate(1999, 12, 31), encodeTime(23, 59, 59)}) {
        TDateTime back = -1;
        ASSERT_TRUE(tryStrToDateTime(dateTimeToStr(v), back)) << dateTimeToStr(v);
        EXPECT_NEAR(back, v, 1e-9);
    }
    TDateTime v;
    EXPECT_TRUE(tryStrToDateTime("2.1.2024 10:20", v));
    EXPECT_FALSE(tryStrToDateTime("", v));
    EXPECT_FALSE(tryStrToDateTime("31.2.2024", v));
    EXPECT_FALSE(tryStrToDateTime("2.1.2024 25:00:00", v));
    EXPECT_FALSE(tryStrToDateTime("2024-01-02", v));
    EXPECT_FALSE(tryStrToDateTime("2.1.2024 x", v));
    EXPECT_THROW(strToDateTime("zítra"), EConvertError);
}

TEST(Numbers, FloatsTakeTheCzechDecimalComma)
{
    double v = 0;
    EXPECT_TRUE(tryStrToFloat("45291,5", v));
    EXPECT_DOUBLE_EQ(v, 45291.5);
    EXPECT_TRUE(tryStrToFloat(" -2,25E1 ", v));
    EXPECT_DOUBLE_EQ(v, -22.5);
    EXPECT_TRUE(tryStrToFloat("7", v));
    EXPECT_DOUBLE_EQ(v, 7);
    for (const char* bad : {"", ",", "1.5", "1,2,3", "1e", "abc", "1 2", "1e999"})
        EXPECT_FALSE(tryStrToFloat(bad, v)) << bad;
}

TEST(DateTime, ValuesOutsideTheCalendarNeverReachAnIntegerConversion)
{
    for (double v : {1e100, -1e100, 2958466.0, -693594.5, std::nan(""), HUGE_VAL}) {
        int y = -1, m = -1, d = -1, h = -1, mi = -1, s = -1, ms = -1;
        decodeDate(v, y, m, d);
        EXPECT_EQ(y + m + d, 0) << v;
        EXPECT_EQ(dayOfWeek(v), 0) << v;
        decodeTime(v, h, mi, s, ms);
        EXPECT_FALSE(isDateTimeInRange(v)) << v;
    }
    EXPECT_TRUE(isDateTimeInRange(-693593)); // 1.1.0001
    EXPECT_TRUE(isDateTimeInRange(2958465.99)); // 31.12.9999
    EXPECT_EQ(dateToStr(-693593), "1.1.0001");
}
