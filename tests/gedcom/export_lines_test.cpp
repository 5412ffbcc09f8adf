#include "gedcom/export_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> linesOf(const std::string& bytes)
{
    std::vector<std::string> lines;
    size_t start = 0, end;
    while ((end = bytes.find("\r\n", start)) != std::string::npos) {
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

} // namespace

TEST(GedcomLines, ValuesAreWrittenWithTheirAtSignsDoubled)
{
    GedcomLines out;
    out.line(1, "NAME", "a@b /@/");
    out.line(2, "PLAC");
    out.raw("1 FAMS @ROD1@");
    EXPECT_EQ(out.bytes(), "1 NAME a@@b /@@/\r\n2 PLAC\r\n1 FAMS @ROD1@\r\n");
}

TEST(GedcomLines, LineBreaksInAValueStartContLines)
{
    GedcomLines out;
    out.line(1, "ADDR", "Údolní 5\r\nBrno\n\nČR");
    EXPECT_EQ(linesOf(out.bytes()),
              (std::vector<std::string>{"1 ADDR Údolní 5", "2 CONT Brno", "2 CONT", "2 CONT ČR"}));
}

TEST(GedcomLines, CutsFallBetweenLettersAwayFromBlanks)
{
    // "ž" is two bytes: a room of 3 after "a" takes "až" whole or leaves it for the next line.
    EXPECT_EQ(gedcomCut("ažb", 2), 1u);
    EXPECT_EQ(gedcomCut("ažb", 3), 3u);
    EXPECT_EQ(gedcomCut("ažbc", 3), 3u);
    // Never next to a blank while another cut is possible.
    EXPECT_EQ(gedcomCut("abc def", 4), 2u);
    EXPECT_EQ(gedcomCut("abc def", 5), 5u);
    EXPECT_EQ(gedcomCut("abc  def", 5), 2u);
    // A doubled "@" takes two bytes and stays in one piece.
    EXPECT_EQ(gedcomCut("ab@cd", 3), 2u);
    EXPECT_EQ(gedcomCut("ab@cd", 4), 3u);
    // Everything fits.
    EXPECT_EQ(gedcomCut("abc", 3), 3u);
    // Nowhere clean: a cut anyway, at a letter's end.
    EXPECT_EQ(gedcomCut("          ", 4), 4u);
}

TEST(GedcomLines, LongValuesJoinBackFromTheirConcLines)
{
    std::string value;
    for (int i = 0; value.size() < 1000; ++i)
        value += (i % 7 == 0 ? "@ " : "Příliš žluťoučký kůň ");
    value += "konec";
    GedcomLines out;
    out.line(2, "NOTE", value);
    const std::vector<std::string> lines = linesOf(out.bytes());
    ASSERT_GE(lines.size(), 5u);
    std::string joined = lines[0].substr(7);
    for (size_t i = 1; i < lines.size(); ++i) {
        ASSERT_EQ(lines[i].substr(0, 7), "3 CONC ");
        joined += lines[i].substr(7);
    }
    // No piece ends or starts with a blank: readers that trim lines lose nothing.
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_LE(lines[i].size(), GedcomLines::maxLineBytes);
        EXPECT_NE(lines[i].back(), ' ');
        if (i > 0) {
            EXPECT_NE(lines[i][7], ' ');
        }
    }
    std::string undoubled;
    for (size_t i = 0; i < joined.size(); ++i) {
        undoubled += joined[i];
        if (joined[i] == '@') {
            ASSERT_EQ(joined[i + 1], '@');
            ++i;
        }
    }
    EXPECT_EQ(undoubled, value);
}
