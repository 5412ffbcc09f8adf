#include "system/exceptions.h"
#include "system/numbers.h"
#include "system/text.h"

#include <gtest/gtest.h>

TEST(Text, CountsCharactersNotBytes)
{
    EXPECT_EQ(utf8Length("Řehoř"), 5u);
    EXPECT_EQ(utf8Substr("Řehoř Novák", 3, 2), "oř");
    EXPECT_EQ(utf8Substr("čč", 5), "");
    EXPECT_EQ(utf8Find("Žížala", "ala"), 3u);
    EXPECT_EQ(utf8Find("abc", "x"), std::string::npos);
}

TEST(Text, CaseFollowsCzechLetters)
{
    EXPECT_EQ(upperCase("příliš žluťoučký kůň ďábel"), "PŘÍLIŠ ŽLUŤOUČKÝ KŮŇ ĎÁBEL");
    EXPECT_EQ(lowerCase("ŠŤASTNÁ ĽUBA ŁÓDŹ"), "šťastná ľuba łódź");
    EXPECT_EQ(upperCase("×÷ß"), "×÷ß");
    EXPECT_TRUE(sameText("Černá", "ČERNÁ"));
    EXPECT_FALSE(sameText("Černa", "Černá"));
}

TEST(Text, TrimDropsControlsAndBlanksOnly)
{
    EXPECT_EQ(trim("\t  Jan \r\n"), "Jan");
    EXPECT_EQ(trim("\xC2\xA0Jan"), "\xC2\xA0Jan"); // a no-break space is not trimmed
    EXPECT_EQ(trimLeft("  a "), "a ");
    EXPECT_EQ(trimRight("  a "), "  a");
}

TEST(Numbers, StrictConversion)
{
    EXPECT_EQ(strToInt("-17"), -17);
    EXPECT_EQ(strToInt("+5"), 5);
    EXPECT_EQ(strToInt("2147483647"), 2147483647);
    EXPECT_EQ(strToInt("-2147483648"), -2147483647 - 1);
    for (const char* bad : {"", "-", " 1", "1 ", "1.5", "2147483648", "99999999999999999999", "?"})
        EXPECT_THROW(strToInt(bad), EConvertError) << bad;
    EXPECT_EQ(strToIntDef("x", 7), 7);
    EXPECT_EQ(intToStr(-42), "-42");
}
