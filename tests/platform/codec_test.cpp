#include "system/codec.h"
#include "system/exceptions.h"
#include "system/fileio.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

TEST(Codec, EveryByteSurvivesARoundTrip)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(utf8ToCp1250(cp1250ToUtf8(all)), all);
}

TEST(Codec, CzechLettersAndPunctuation)
{
    EXPECT_EQ(cp1250ToUtf8("\x8A\x9E\xC8\xE8\xF8\xD9\xF9"), "ŠžČčřŮů");
    EXPECT_EQ(utf8ToCp1250("Příliš žluťoučký kůň"), "P\xF8\xED\x6Ci\x9A \x9Elu\x9Dou\xE8k\xFD k\xF9\xF2");
    EXPECT_EQ(cp1250ToUtf8("\x84\x93\x80"), "„“€");
}

TEST(Codec, ByteComparisonFollowsTheCodePage)
{
    // In Windows-1250 "Š" (0x8A) sorts before "Á" (0xC1), unlike in UTF-8.
    EXPECT_LT(compareCp1250Bytes("Š", "Á"), 0);
    EXPECT_LT(compareCp1250Bytes("Nov", "Novák"), 0);
    EXPECT_EQ(compareCp1250Bytes("Ý", "Ý"), 0);
}

TEST(Codec, ALetterIsConvertedWhereverItStandsInALongRunOfPlainText)
{
    // Plain text goes over in blocks; a letter at any offset of a block must still be found.
    for (size_t at = 0; at < 20; ++at) {
        const std::string utf8 = std::string(at, 'a') + "ř" + std::string(19 - at, 'b');
        const std::string expected = std::string(at, 'a') + "\xF8" + std::string(19 - at, 'b');
        EXPECT_EQ(utf8ToCp1250(utf8), expected) << at;
        std::string appended = "x";
        appendAsCp1250(appended, utf8);
        EXPECT_EQ(appended, "x" + expected) << at;
    }
}

TEST(Codec, MissingCharactersAndBrokenUtf8BecomeQuestionMarks)
{
    EXPECT_EQ(utf8ToCp1250("日本"), "??");
    EXPECT_EQ(utf8ToCp1250("a\xC3"), "a?"); // cut sequence
    EXPECT_EQ(utf8ToCp1250("\xE2\x82"), "??"); // cut three-byte sequence
    EXPECT_EQ(utf8ToCp1250("\xC0\x80x"), "??x"); // overlong NUL
}

TEST(Codec, SplitLinesAcceptsEveryLineEnd)
{
    auto lines = splitLines("a\r\nb\nc\rd");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[3], "d");
    EXPECT_EQ(splitLines("a\r\n\r\n").size(), 2u);
    EXPECT_TRUE(splitLines("").empty());
}

TEST(Codec, TextFilesAreWindows1250WithCrLf)
{
    TempFolder dir;
    const std::string path = dir / "lines.txt";
    writeCp1250Lines(path, {"Žena", "", "muž"});
    EXPECT_EQ(readFileBytes(path), "\x8E"
                                   "ena\r\n\r\nmu\x9E\r\n");
    auto back = readCp1250Lines(path);
    ASSERT_EQ(back.size(), 3u);
    EXPECT_EQ(back[0], "Žena");
    EXPECT_EQ(back[2], "muž");
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp~"));
}

TEST(Codec, AFailedWriteLeavesTheOldFileAndReports)
{
    EXPECT_THROW(writeFileAtomic("/nonexistent-folder/x.txt", "x"), EInOutError);
    EXPECT_THROW(readFileBytes("/nonexistent-folder/x.txt"), EInOutError);
}
