#include "model/path_utils.h"

#include "system/collation.h"

#include <gtest/gtest.h>

TEST(PathUtils, CutsAPathIntoItsParts)
{
    const std::string path = "/home/jan/save/strom.rod";
    EXPECT_EQ(folderOfPath(path), "/home/jan/save/");
    EXPECT_EQ(fileNameOf(path), "strom.rod");
    EXPECT_EQ(baseNameOf(path), "strom");
    EXPECT_EQ(extensionOf(path), "rod");
    EXPECT_EQ(withoutExtension(path), "/home/jan/save/strom");
    EXPECT_EQ(baseNameOf("/a/archiv.tar.gz"), "archiv.tar");
    EXPECT_EQ(extensionOf("foto.JPG"), "JPG");
}

TEST(PathUtils, ExtensionComesFromTheLastComponentOnly)
{
    EXPECT_EQ(extensionOf("/home/jan.novak/smlouva"), "");
    EXPECT_EQ(withoutExtension("/home/jan.novak/smlouva"), "/home/jan.novak/smlouva");
    EXPECT_EQ(baseNameOf("/home/jan.novak/smlouva"), "smlouva");
    EXPECT_EQ(extensionOf("/home/jan.novak/smlouva.pdf"), "pdf");
    EXPECT_EQ(extensionOf("smlouva."), "");
    EXPECT_EQ(folderOfPath("strom.rod"), "");
    EXPECT_EQ(fileNameOf("strom.rod"), "strom.rod");
}

TEST(PathUtils, StrictlyBelowRefusesTheFolderItselfAndParentSteps)
{
    EXPECT_TRUE(isStrictlyBelow("/prog/temp/", "/prog/"));
    EXPECT_TRUE(isStrictlyBelow("/prog//temp/hlavy", "/prog"));
    EXPECT_FALSE(isStrictlyBelow("/prog/", "/prog/"));
    EXPECT_FALSE(isStrictlyBelow("/prog", "/prog/"));
    EXPECT_FALSE(isStrictlyBelow("/program/temp/", "/prog/"));
    EXPECT_FALSE(isStrictlyBelow("/prog/temp/../../etc/", "/prog/"));
    EXPECT_FALSE(isStrictlyBelow("/", "/"));
    EXPECT_FALSE(isStrictlyBelow("", "/prog/"));
    EXPECT_FALSE(isStrictlyBelow("prog/temp/", "/prog/"));
}

TEST(TextUtils, DigitsAndNumbers)
{
    EXPECT_FALSE(isDigitText(""));
    EXPECT_TRUE(isDigitText("0123"));
    EXPECT_FALSE(isDigitText("12a"));
    EXPECT_FALSE(isDigitText("١٢")); // digits of other scripts are not 0 to 9
    EXPECT_EQ(countDigits("1.2.1990 č. 5"), 7);
    EXPECT_EQ(firstDigits("ř1a2b3", 2), "12");
    EXPECT_EQ(firstDigits("123", 0), "");
    EXPECT_EQ(firstDigits("123", -1), "");
    EXPECT_EQ(leadingNumber("12a4"), 12);
    EXPECT_EQ(leadingNumber("a12"), 0);
    EXPECT_EQ(leadingNumber(""), 0);
    EXPECT_EQ(leadingNumber("99999999999999999999999999"), INT64_MAX);
    EXPECT_EQ(padNumber(7, 3), "  7");
    EXPECT_EQ(padNumber(1234, 3), "1234");
    EXPECT_EQ(padNumber(-5, 3), " -5");
    EXPECT_TRUE(startsWith("Novák", "No"));
    EXPECT_FALSE(startsWith("Novák", ""));
    EXPECT_FALSE(startsWith("No", "Novák"));
}

TEST(TextUtils, ShortenTextCountsCharacters)
{
    // 29 characters, most of them two bytes long: unchanged.
    const std::string t29 = "ščřžýáíéúůščřžýáíéúůščřžýáíéx";
    EXPECT_EQ(shortenText(t29), t29);
    // 30 characters and more: first 3, "...", last 24.
    EXPECT_EQ(shortenText(t29 + "y"), "ščř...íéúůščřžýáíéúůščřžýáíéxy");
    EXPECT_EQ(shortenText("Příliš žluťoučký kůň úpěl ďábelské ódy"), "Pří...ký kůň úpěl ďábelské ódy");
    EXPECT_EQ(shortenText("abcdefghijklmnopqrstuvwxyz0123"), "abc...ghijklmnopqrstuvwxyz0123");
    EXPECT_EQ(shortenText(""), "");
}

TEST(TextUtils, AsciiLowerFoldsCzechLettersOnly)
{
    EXPECT_EQ(asciiLowerText("PŘÍLIŠ ŽLUŤOUČKÝ KŮŇ ÚPĚL ĎÁBELSKÉ ÓDY"),
              "prilis zlutoucky kun upel dabelske ody");
    EXPECT_EQ(asciiLowerText("Äö Ü Ľ Ĺ Ŕ"), "äö ü ľ ĺ ŕ");
    EXPECT_EQ(asciiLowerText("Řehoř 1990"), "rehor 1990");
}

TEST(TextUtils, IdentifiersSortByNumberThenByText)
{
    setCollationLocale("cs");
    EXPECT_TRUE(lessByNumberOrText("9", "10"));
    EXPECT_FALSE(lessByNumberOrText("10", "9"));
    EXPECT_FALSE(lessByNumberOrText("10a", "10b"));
    EXPECT_FALSE(lessByNumberOrText("10b", "10a"));
    EXPECT_TRUE(lessByNumberOrText("2x", "10"));
    // Only one side a number: collation of the texts, digits before letters.
    EXPECT_TRUE(lessByNumberOrText("10", "abc"));
    EXPECT_FALSE(lessByNumberOrText("abc", "10"));
    EXPECT_TRUE(lessByNumberOrText("", "5"));
    // Letters in Czech order, letter case ignored: "ch" after "h", "č" after "c".
    EXPECT_TRUE(lessByNumberOrText("hora", "chata"));
    EXPECT_TRUE(lessByNumberOrText("cyril", "čáp"));
    EXPECT_FALSE(lessByNumberOrText("Novák", "novák"));
    EXPECT_FALSE(lessByNumberOrText("novák", "Novák"));
}
