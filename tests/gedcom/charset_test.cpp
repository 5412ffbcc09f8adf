// What the import reads a file's bytes as: the byte-order marks, the CHAR line and ANSEL.
#include "gedcom/import_charset.h"
#include "import_helpers.h"

#include <gtest/gtest.h>

namespace {

std::string utf16(const std::u16string& text, bool littleEndian, bool mark = true)
{
    std::string out;
    auto put = [&](char16_t u) {
        const char lo = char(u & 0xFF), hi = char(u >> 8);
        if (littleEndian)
            out += lo, out += hi;
        else
            out += hi, out += lo;
    };
    if (mark)
        put(0xFEFF);
    for (char16_t u : text)
        put(u);
    return out;
}

TEST(GedcomCharset, ByteOrderMarksDecideBeforeTheCharLine)
{
    const std::u16string text = u"0 HEAD\r\n1 CHAR UNICODE\r\n1 NOTE Žluťoučký kůň 𝄞\r\n";
    for (bool le : {true, false}) {
        const DecodedGedcom d = decodeGedcom(utf16(text, le));
        EXPECT_EQ(d.charset, le ? GedcomCharset::Utf16LE : GedcomCharset::Utf16BE);
        EXPECT_EQ(d.text, "0 HEAD\r\n1 CHAR UNICODE\r\n1 NOTE Žluťoučký kůň 𝄞\r\n");
        EXPECT_EQ(d.unconverted, 0);
    }
    // Without its mark, UTF-16 still shows by the zero bytes of its ASCII digits.
    EXPECT_EQ(decodeGedcom(utf16(text, true, false)).text, decodeGedcom(utf16(text, true)).text);
    const DecodedGedcom utf8 = decodeGedcom("\xEF\xBB\xBF"
                                            "0 HEAD\n1 CHAR ANSEL\n1 NOTE Ř\n");
    EXPECT_EQ(utf8.charset, GedcomCharset::Utf8);
    EXPECT_EQ(utf8.text, "0 HEAD\n1 CHAR ANSEL\n1 NOTE Ř\n");
}

TEST(GedcomCharset, BrokenUtf16IsCountedNotDropped)
{
    std::string bytes = utf16(u"0 HEAD\n", true);
    bytes += std::string("\x00\xD8", 2); // a high surrogate with nothing after it
    bytes += "A"; // half a unit
    const DecodedGedcom d = decodeGedcom(bytes);
    EXPECT_EQ(d.unconverted, 2);
    EXPECT_EQ(d.text, "0 HEAD\n\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(GedcomCharset, CharLineChoosesTheDecoding)
{
    // Windows-1250 without a CHAR line, with ASCII and with ANSI.
    for (const std::string charLine : {"", "1 CHAR ASCII\n", "1 CHAR ANSI\n"})
        EXPECT_EQ(decodeGedcom("0 HEAD\n" + charLine + "1 NOTE \xC8\x65\x9A\n").text,
                  "0 HEAD\n" + charLine + "1 NOTE Češ\n");
    // UTF-8 named by the header, with leading blanks and lower case; a stray byte that is no
    // UTF-8 reads as its Windows-1250 letter instead of being lost.
    EXPECT_EQ(decodeGedcom("0 HEAD\n  1 char utf-8 \n1 NOTE Ř \x8A\n").text,
              "0 HEAD\n  1 char utf-8 \n1 NOTE Ř Š\n");
    // A CHAR line of a later record is not the header's.
    EXPECT_EQ(gedcomCharsetName("0 HEAD\n0 @I1@ INDI\n1 CHAR ANSEL\n"), "");
}

TEST(GedcomCharset, AnselCombiningMarksAndSpacingLetters)
{
    // Caron, acute, ring, diaeresis, cedilla, ogonek, grave on other letters.
    EXPECT_EQ(anselToUtf8("\xE9"
                          "c\xE9"
                          "s\xE9"
                          "z\xE9"
                          "r\xE9"
                          "C\xE9"
                          "S"),
              "čšžřČŠ");
    EXPECT_EQ(anselToUtf8("\xE2"
                          "a\xE2"
                          "c\xEA"
                          "a\xE8"
                          "a\xE8"
                          "o\xF0"
                          "c\xF1"
                          "e\xE1"
                          "a"),
              "áćåäöçęà");
    EXPECT_EQ(anselToUtf8("\xA1\xB1\xA2\xB2\xA5\xB5\xCF\xC7"), "ŁłØøÆæßß");
    // The pairs of older Czech programs keep their Czech reading only where the file writes
    // Czech: grave before u, i, e, o and diaeresis before i; otherwise they are standard ANSEL.
    const std::string pairs = "\xE1"
                              "u\xE1"
                              "i\xE1"
                              "e\xE1"
                              "o\xE1"
                              "U\xE8"
                              "i\xE8"
                              "I";
    EXPECT_EQ(anselToUtf8(pairs, true), "ůěčňŮďĎ");
    EXPECT_EQ(anselToUtf8(pairs), "ùìèòÙïÏ");
    EXPECT_TRUE(anselWritesCzech("Ji\xE9"
                                 "r\xE2"
                                 "i"));
    EXPECT_TRUE(anselWritesCzech("D\xEA"
                                 "um"));
    EXPECT_FALSE(anselWritesCzech("Marie-Th\xE2"
                                  "er\xE1"
                                  "ese \xE8"
                                  "Ilse \xE9"
                                  "q"));
    // Two marks on one letter: the first composes, the second follows as a combining mark.
    EXPECT_EQ(anselToUtf8("\xE2\xE8"
                          "u"),
              "ú\xCC\x88");
    // A mark before a letter Unicode cannot compose with it, and one at the end of a line.
    EXPECT_EQ(anselToUtf8("\xE9"
                          "q\xE9\n"),
              "q\xCC\x8C\xCC\x8C\n");
    EXPECT_EQ(anselToUtf8("\xE9"
                          "\xB1"),
              "ł\xCC\x8C");
}

TEST(GedcomCharset, CzechNamesReadTheSameInEveryEncoding)
{
    const std::string ansel = "0 HEAD\n1 CHAR ANSEL\n0 @I1@ INDI\n1 NAME Ji\xE9"
                              "r\xE2"
                              "i /\xE9"
                              "Sev\xE9"
                              "c\xEA"
                              "u/\n1 SEX M\n"
                              "0 @I2@ INDI\n1 NAME \xE9"
                              "Zofie /D\xE1"
                              "uri\xE9"
                              "sov\xE2"
                              "a/\n1 SEX F\n0 TRLR\n";
    const std::string text = "0 HEAD\r\n1 CHAR UTF-8\r\n0 @I1@ INDI\r\n1 NAME Jiří /Ševčů/\r\n1 SEX M\r\n"
                             "0 @I2@ INDI\r\n1 NAME Žofie /Důrišová/\r\n1 SEX F\r\n0 TRLR\r\n";
    std::u16string wide;
    for (char32_t c : std::u32string(U"0 HEAD\n1 CHAR UNICODE\n0 @I1@ INDI\n1 NAME Jiří /Ševčů/\n1 SEX M\n"
                                     U"0 @I2@ INDI\n1 NAME Žofie /Důrišová/\n1 SEX F\n0 TRLR\n"))
        wide += char16_t(c);
    for (const std::string& bytes : {ansel, "\xEF\xBB\xBF" + text, utf16(wide, true), utf16(wide, false)}) {
        const Imported in = importText(bytes);
        ASSERT_EQ(in.result.persons, 2);
        EXPECT_EQ(in.person("I1")->firstName, "Jiří");
        EXPECT_EQ(in.person("I1")->birthSurname, "Ševčů");
        EXPECT_EQ(in.person("I2")->firstName, "Žofie");
        EXPECT_EQ(in.person("I2")->birthSurname, "Důrišová");
        if (bytes == ansel)
            EXPECT_EQ(in.result.log,
                      (std::vector<std::string>{"řádek 7: dvojice znaků ANSEL čtena po česku jako "
                                                "\"ů\" (soubor píše česká písmena s háčkem "
                                                "nebo kroužkem), tak i všechny další"}));
        else
            EXPECT_TRUE(in.result.log.empty()) << in.result.log.front();
    }
}

} // namespace

TEST(GedcomCharset, Utf8BytesAreReadAsUtf8WhateverTheCharLineSays)
{
    for (const std::string charLine :
         {"", "1 CHAR ANSEL\n", "1 CHAR ANSI\n", "1 CHAR ASCII\n", "1 CHAR IBMPC\n"}) {
        const std::string text = "0 HEAD\n" + charLine + "1 NOTE Řehoř Søren Åse Зденек\n";
        const DecodedGedcom d = decodeGedcom(text);
        EXPECT_EQ(d.text, text) << charLine;
        EXPECT_EQ(d.charset, GedcomCharset::Utf8) << charLine;
        EXPECT_TRUE(d.charsetOverruled) << charLine;
    }
    // Bytes that are not UTF-8 keep the decoding their CHAR line gives.
    const DecodedGedcom ansel = decodeGedcom("0 HEAD\n1 CHAR ANSEL\n1 NOTE \xE9"
                                             "C\n");
    EXPECT_EQ(ansel.charset, GedcomCharset::Ansel);
    EXPECT_EQ(ansel.text, "0 HEAD\n1 CHAR ANSEL\n1 NOTE Č\n");
    EXPECT_FALSE(decodeGedcom("0 HEAD\n1 CHAR UTF-8\n1 NOTE Ř\n").charsetOverruled);
}
