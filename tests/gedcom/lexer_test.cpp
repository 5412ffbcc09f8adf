// The scanner's character classes and token automaton, and the lines the lexer makes of them.
#include "gedcom/import_lexer.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

std::vector<std::pair<int, std::string>> tokens(const std::string& text,
                                                std::vector<std::string>* logOut = nullptr)
{
    std::vector<std::string> log;
    GedFile file(text, log);
    std::vector<std::pair<int, std::string>> out;
    Token t;
    do {
        file.scanToken(t);
        out.emplace_back(t.kind(), t.text());
    } while (t.kind() != tkEndOfFile && out.size() < 100);
    if (logOut)
        *logOut = log;
    return out;
}

std::vector<int> kinds(const std::string& text)
{
    std::vector<int> out;
    for (const auto& t : tokens(text))
        out.push_back(t.first);
    return out;
}

TEST(GedcomScanner, CharactersAndLineEnds)
{
    std::vector<std::string> log;
    GedFile empty("", log);
    EXPECT_EQ(empty.peekChar(), gedEndOfFile);

    GedFile file("ab\n\nc", log);
    EXPECT_EQ(file.peekChar(), 'a');
    EXPECT_EQ(file.nextChar(), 'b');
    EXPECT_EQ(file.nextChar(), gedEndOfLine);
    EXPECT_EQ(file.nextChar(), gedEndOfLine); // the empty line
    EXPECT_EQ(file.nextChar(), 'c');
    EXPECT_EQ(file.nextChar(), gedEndOfFile); // the end of the last line is the end of the file
    EXPECT_EQ(file.nextChar(), gedEndOfFile);
    EXPECT_EQ(GedFile("a\r\nb\rc\n", log).lineCount(), 3);

    EXPECT_EQ(GedFile::charClass('\t'), gcBlank);
    EXPECT_EQ(GedFile::charClass(255), gcIllegal);
    EXPECT_EQ(GedFile::charClass(0xC5), gcText); // a byte of a UTF-8 letter
    EXPECT_EQ(GedFile::charClass(1), gcIllegal);
    EXPECT_EQ(GedFile::charClass('#'), gcHash);
}

TEST(GedcomScanner, TokensOfTypicalLines)
{
    EXPECT_EQ(kinds("0 @I1@ INDI"),
              (std::vector<int>{tkNumber, tkBlank, tkXref, tkBlank, kwINDI, tkEndOfFile}));
    EXPECT_EQ(kinds("1 NAME Karel /Novák/\n"), (std::vector<int>{tkNumber, tkBlank, kwNAME, tkBlank, tkWord,
                                                                 tkBlank, tkSlashedName, tkEndOfFile}));
    for (const char* month : {"Jan", "JAN", "jan"})
        EXPECT_EQ(kinds(month).front(), tkGregorianMonth);
    EXPECT_EQ(kinds("VEND").front(), tkFrenchMonth);
    EXPECT_EQ(kinds("TSH").front(), tkHebrewMonth);
    EXPECT_EQ(tokens("@#DJULIAN@ 1").front(), (std::pair<int, std::string>{tkCalendarEscape, "@#DJULIAN@"}));
    EXPECT_EQ(kinds("_UID"), (std::vector<int>{tkUserTag, tkEndOfFile}));
    EXPECT_EQ(kinds("_1A").front(), tkUserTag);
    EXPECT_EQ(kinds("_PLAC_DEFN").front(), tkUserTag);
    EXPECT_EQ(kinds("Birt").front(), kwBIRT);
    EXPECT_EQ(kinds("EMAIL").front(), kwEMAI);
    EXPECT_EQ(kinds("AND").front(), tkWord);
    EXPECT_EQ(kinds("BIRT-X").front(), tkWord); // a hyphen makes a word, no keyword lookup
    EXPECT_EQ(kinds("12ab").front(), tkWord);
    EXPECT_EQ(kinds("/1751").front(), tkSlashNumber);
    EXPECT_EQ(kinds("1  2"), (std::vector<int>{tkNumber, tkBlank, tkBlank, tkNumber, tkEndOfFile}));
}

TEST(GedcomScanner, AnIllegalCharacterSpoilsItsTokenOnceLogged)
{
    std::vector<std::string> log;
    const auto t = tokens("1 NOTE a\x01"
                          "b c\n",
                          &log);
    EXPECT_EQ(t[4].first, tkError);
    EXPECT_EQ(t[4].second, "a\x01"
                           "b c");
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0], "řádek 1, neočekávaný výskyt znaku: \"\x01\".");
    EXPECT_EQ(kinds("12@").front(), tkError);
    EXPECT_EQ(kinds("_a-b").front(), tkError);
}

TEST(GedcomLexer, LinesWithLeadingBlanksTrailingBlanksAndNoValue)
{
    LexAn lex("  0 @I1@ INDI\n\n1 NAME  Jan /Novák/  \n\t2 GIVN\n1 BIRT Y\n");
    GedLine l;
    ASSERT_TRUE(lex.readLine(l));
    EXPECT_EQ(l.level, 0);
    EXPECT_EQ(l.xref, "I1");
    EXPECT_EQ(l.tag, kwINDI);
    EXPECT_EQ(l.number, 1);
    ASSERT_TRUE(lex.readLine(l));
    EXPECT_EQ(l.number, 3);
    EXPECT_EQ(l.tag, kwNAME);
    EXPECT_EQ(l.value, " Jan /Novák/  "); // the value as written after the one blank
    ASSERT_TRUE(lex.readLine(l));
    EXPECT_EQ(l.level, 2);
    EXPECT_EQ(l.tag, kwGIVN);
    EXPECT_EQ(l.value, "");
    ASSERT_TRUE(lex.readLine(l));
    EXPECT_EQ(l.value, "Y");
    EXPECT_FALSE(lex.readLine(l));
    EXPECT_TRUE(lex.log().empty());
}

TEST(GedcomLexer, BadLinesAreLoggedWithTheirNumber)
{
    LexAn lex("x NAME a\n99999999999 NOTE\n1\n1 @I1@\n1 NOTE ok\n");
    GedLine l;
    // No level, and a level too large: passed over.
    ASSERT_TRUE(lex.readLine(l));
    // A level but no tag: given back as bad, so its deeper lines go with it.
    EXPECT_TRUE(l.bad);
    EXPECT_EQ(l.number, 3);
    ASSERT_TRUE(lex.readLine(l));
    EXPECT_TRUE(l.bad);
    ASSERT_TRUE(lex.readLine(l));
    EXPECT_FALSE(l.bad);
    EXPECT_EQ(l.value, "ok");
    ASSERT_EQ(lex.log().size(), 4u);
    EXPECT_EQ(lex.log()[0], "řádek 1: neočekávaný výskyt: \"x\" (očekáváno číslo).");
    EXPECT_EQ(lex.log()[1].substr(0, 11), "řádek 2: ");
}

} // namespace
