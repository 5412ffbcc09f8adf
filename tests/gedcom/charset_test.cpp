// What the import reads a file's bytes as: the byte-order marks, the CHAR line and ANSEL.
#include "gedcom/import_charset.h"
#include "import_helpers.h"

#include "system/fileio.h"

#include <gtest/gtest.h>

#include <map>

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
    // The Czech programs wrote ř as its Windows-1250 byte.
    EXPECT_EQ(anselToUtf8("Dvo\xF8\xE2"
                          "ak",
                          true),
              "Dvořák");
    // What shows standard ANSEL: a mark the Czech programs never wrote, a grave or diaeresis
    // before a letter they had no pair for, a language of another country; the first one counts.
    EXPECT_EQ(standardAnselEvidence("Ji\xE9"
                                    "r\xE2"
                                    "i")
                  .what,
              "ř");
    EXPECT_EQ(standardAnselEvidence("Ku\xE1"
                                    "era M\xE8"
                                    "uller")
                  .offset,
              8u);
    EXPECT_EQ(standardAnselEvidence("0 HEAD\n1 LANG French\n1 NOTE \xEA"
                                    "u")
                  .what,
              "LANG French");
    for (const std::string czech : {"Ku\xE1"
                                    "era \xE8"
                                    "Ideal Dvo\xF8\xE2"
                                    "ak",
                                    "0 HEAD\n1 LANG Czech\n", "0 HEAD\n1 LANG Slovak\n"})
        EXPECT_EQ(standardAnselEvidence(czech).offset, std::string_view::npos) << czech;
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
                              "Zofie /D\xEA"
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
        EXPECT_TRUE(in.result.log.empty()) << in.result.log.front();
    }
}

// The pairs of the older Czech programs mean their Czech letters unless the file shows that it
// is standard ANSEL; the log names the reading and the line that decided it.
TEST(GedcomCharset, AnselPairsAreReadByWhatTheFileShows)
{
    const std::string czechPairs = "1 NAME Jan /Ku\xE1"
                                   "eera/\n1 NOTE Plze\xE1"
                                   "o \xE8I\xE2"
                                   "ablice K\xE1u\xE1o\n";
    auto file = [](const std::string& head, const std::string& person) {
        return "0 HEAD\n1 CHAR ANSEL\n" + head + "0 @I1@ INDI\n1 SEX M\n" + person + "0 TRLR\n";
    };
    auto name = [](const Imported& in) {
        return in.person("I1")->birthSurname.str() + " " +
               std::string(*in.person("I1")->furtherTexts().begin());
    };
    Imported in = importText(file("", czechPairs));
    EXPECT_EQ(name(in), "Kučera Plzeň Ďáblice Kůň");
    EXPECT_EQ(
        in.result.log.lines(),
        (std::vector<std::string>{"řádek 5: dvojice znaků ANSEL čtena po česku jako \"č\" (soubor nemá nic, "
                                  "co píše jen norma ANSEL), tak i všechny další"}));
    // The same pairs in a Czech file of standard ANSEL, which writes Czech with carons, are the
    // French letters.
    in = importText(file("1 LANG Czech\n", "1 NAME H\xE2"
                                           "el\xE1"
                                           "ene /Ku\xE9"
                                           "cera/\n"));
    EXPECT_EQ(in.person("I1")->firstName, "Hélène");
    EXPECT_EQ(in.person("I1")->birthSurname, "Kučera");
    EXPECT_EQ(
        in.result.log.lines(),
        (std::vector<std::string>{"řádek 6: soubor píše podle normy ANSEL (zde \"č\"), dvojice znaků ANSEL "
                                  "proto čteny podle normy, poprvé na řádku 6 jako \"è\""}));
    // A language of another country decides at its line, and so does a letter no Czech program
    // wrote in a file that otherwise holds only the pairs.
    in = importText(file("1 LANG French\n", "1 NAME Lef\xE1"
                                            "evre\n"));
    EXPECT_EQ(in.person("I1")->firstName, "Lefèvre");
    EXPECT_TRUE(in.logged("řádek 3: soubor píše podle normy ANSEL (zde \"LANG French\")"));
    in = importText(file("", czechPairs + "1 NOTE M\xE8"
                                          "uller\n"));
    EXPECT_EQ(name(in), "Kuèera Plzeò Ïáblice Kùò");
    EXPECT_TRUE(
        in.logged("řádek 7: soubor píše podle normy ANSEL (zde \"ü\"), dvojice znaků ANSEL proto čteny "
                  "podle normy, poprvé na řádku 5 jako \"è\""));
}

// UTF-8 as standard ANSEL writes it, found through the decoder: each spacing byte and each mark
// before a letter, by the letter it reads as. A letter ANSEL lacks stays as it is.
std::string utf8ToAnsel(std::string_view text)
{
    std::map<std::string, std::string> bytesOf;
    for (int b = 0xA1; b <= 0xCF; ++b)
        bytesOf.try_emplace(anselToUtf8(std::string(1, char(b))), std::string(1, char(b)));
    for (int mark = 0xE0; mark <= 0xFE; ++mark)
        for (char letter : std::string_view("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) {
            const std::string pair{char(mark), letter};
            const std::string read = anselToUtf8(pair);
            if (read.find(letter) == std::string::npos)
                bytesOf.try_emplace(read, pair);
        }
    std::string out;
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t n = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        const std::string one(text.substr(i, n));
        const auto found = bytesOf.find(one);
        out += n > 1 && found != bytesOf.end() ? found->second : one;
        i += n;
    }
    return out;
}

// A French file in standard ANSEL: its LANG line says it is no Czech file, so its pairs read as
// the French letters, and every person is what the UTF-8 original gives.
TEST(GedcomCharset, AFrenchAnselFileReadsAsItsUtf8Original)
{
    SKIP_WITHOUT_SHARED_GEDCOM();
    std::string original = readFileBytes(sharedGedcom("bourbon.ged"));
    const Imported utf8 = importText(original);
    original.erase(0, 3); // the byte-order mark
    std::string ansel = utf8ToAnsel(original);
    const size_t charLine = ansel.find("1 CHAR UTF-8");
    ASSERT_NE(charLine, std::string::npos);
    ansel.replace(charLine, 12, "1 CHAR ANSEL");
    const Imported back = importText(ansel);
    EXPECT_EQ(back.result.charset, GedcomCharset::Ansel);
    auto persons = [](const Rod& tree) {
        std::vector<std::string> all;
        tree.forEachPerson([&](Clovek* p) {
            std::string texts;
            for (std::string_view line : p->furtherTexts())
                texts += std::string(line) + "|";
            all.push_back(p->gedcomName() + "|" + p->titlesBefore.str() + "|" + p->titlesAfter.str() + "|" +
                          p->birthPlace.str() + "|" + p->deathPlace.str() + "|" + p->burial.str() + "|" +
                          texts);
        });
        return all;
    };
    const std::vector<std::string> expected = persons(*utf8.tree), got = persons(*back.tree);
    ASSERT_EQ(got.size(), 303u);
    int changed = 0;
    for (size_t i = 0; i < got.size(); ++i)
        changed += got[i] != expected[i];
    EXPECT_EQ(changed, 0);
    EXPECT_TRUE(back.logged("řádek 17: soubor píše podle normy ANSEL (zde \"LANG French\")"));
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
