#include "platform/datetime.h"
#include "platform/exceptions.h"

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
    EXPECT_EQ(dayOfWeek(encodeDate(1, 1, 1)), 2);    // Monday
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
