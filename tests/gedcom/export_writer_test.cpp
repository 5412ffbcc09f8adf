#include "export_tree.h"
#include "gedcom/export_writer.h"
#include "system/exceptions.h"
#include "system/fileio.h"
#include "system/text.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace {

// The lines of one record, from its "0 ..." line up to the next record.
std::vector<std::string> record(const std::vector<std::string>& lines, const std::string& head)
{
    auto it = std::find(lines.begin(), lines.end(), head);
    EXPECT_NE(it, lines.end()) << head;
    std::vector<std::string> out;
    if (it == lines.end())
        return out;
    out.push_back(*it);
    for (++it; it != lines.end() && (*it)[0] != '0'; ++it)
        out.push_back(*it);
    return out;
}

std::vector<std::string> exported(Rod& tree)
{
    return linesOf(gedcomExportBytes(tree, "/data/strom.ged", Datum("9", "12", "2026")));
}

using Lines = std::vector<std::string>;

} // namespace

TEST(GedcomExport, LoneManGivesHeaderSubmitterOneRecordAndTrailer)
{
    Rod tree;
    tree.author = "Autor";
    tree.addNewPerson(std::make_unique<Clovek>());
    EXPECT_EQ(exported(tree),
              (Lines{"0 HEAD", "1 SOUR Kinvelor", "2 NAME Kinvelor", "2 VERS 1.0.18c", "1 DEST Kinvelor",
                     "1 DATE 9 DEC 2026", "1 FILE /data/strom.ged", "1 CHAR UTF-8", "1 GEDC", "2 VERS 5.5",
                     "2 FORM LINEAGE-LINKED", "1 SUBM @SUBM1@", "0 @SUBM1@ SUBM", "1 NAME Autor", "1 ADDR",
                     "0 @CL0@ INDI", "1 NAME //", "1 SEX M", "0 TRLR"}));
}

TEST(GedcomExport, PersonsCarryNamesTitlesEventsEveryPeriodAndTheirNotes)
{
    ExportTree t;
    const Lines lines = exported(t.tree);
    EXPECT_EQ(record(lines, "0 @CL0@ INDI"), (Lines{"0 @CL0@ INDI",
                                                    "1 NAME Jan /Novák/",
                                                    "2 NPFX Ing.",
                                                    "2 GIVN Jan",
                                                    "2 SURN Novák",
                                                    "2 NSFX CSc.",
                                                    "1 SEX M",
                                                    "1 BIRT Y",
                                                    "2 DATE 5 MAR 1900",
                                                    "2 PLAC Třebíč",
                                                    "1 CHR",
                                                    "2 DATE 8 MAR 1900",
                                                    "1 DEAT Y",
                                                    "2 DATE 12 NOV 1970",
                                                    "2 PLAC Brno",
                                                    "2 CAUS zápal plic",
                                                    "1 BURI",
                                                    "2 PLAC Ústřední hřbitov",
                                                    "1 EDUC gymnázium (1910-1918)",
                                                    "2 DATE FROM 1910 TO 1918",
                                                    "1 EDUC univerzita",
                                                    "1 OCCU učitel (1925)",
                                                    "2 DATE FROM 1925",
                                                    "1 NATI česká",
                                                    "1 RELI římskokatolické",
                                                    "1 RESI",
                                                    "2 ADDR Brno, Údolní 5 (1930-1970)",
                                                    "2 DATE FROM 1930 TO 1970",
                                                    "2 EMAI jan@@novak.cz",
                                                    "2 PHON +420 123 456 789",
                                                    "2 WWW www.novak.cz",
                                                    "1 RESI",
                                                    "2 ADDR Třebíč",
                                                    "1 NOTE Narozen doma.",
                                                    "2 CONT",
                                                    "2 CONT Zapsán v matrice.",
                                                    "1 FAMS @ROD3@",
                                                    "1 FAMS @ROD4@"}));
    // A woman is named by her birth surname, which SURN repeats, and then by the surname she took;
    // a death without a known date has no DATE line.
    EXPECT_EQ(record(lines, "0 @CL1@ INDI"),
              (Lines{"0 @CL1@ INDI", "1 NAME Marie /Svobodová/", "2 GIVN Marie", "2 SURN Svobodová",
                     "1 NAME Marie /Nováková/", "2 GIVN Marie", "2 SURN Nováková", "2 TYPE married",
                     "1 SEX F", "1 BIRT Y", "2 DATE 1 JUL 1905", "2 PLAC Praha", "1 DEAT Y", "2 DATE 1980",
                     "1 BURI", "2 PLAC Ústřední hřbitov", "1 FAMS @ROD3@"}));
    // A living person gets no death or burial even with a burial place; no date at all gives no
    // BIRT; a month without a day gives month and year.
    EXPECT_EQ(record(lines, "0 @CL5@ INDI"), (Lines{"0 @CL5@ INDI", "1 NAME Karel /Černý/", "2 GIVN Karel",
                                                    "2 SURN Černý", "1 SEX M", "1 FAMS @ROD2@"}));
    EXPECT_EQ(record(lines, "0 @CL3@ INDI")[6], "2 DATE APR 1926");
    // A baptism that is no date goes whole as a date phrase.
    EXPECT_EQ(record(lines, "0 @CL2@ INDI")[8], "2 DATE (u sv. Jiří)");
    EXPECT_EQ(record(lines, "0 @CL4@ INDI").back(), "1 FAMC @ROD3@");
}

TEST(GedcomExport, FamiliesOfCouplesPartnershipsAndSingleParents)
{
    ExportTree t;
    const Lines lines = exported(t.tree);
    // Walked from the newest person: the single mother's family first.
    EXPECT_EQ(record(lines, "0 @ROD1@ FAM"),
              (Lines{"0 @ROD1@ FAM", "1 WIFE @CL2@", "1 CHIL @CL6@", "1 NCHI 1"}));
    EXPECT_EQ(record(lines, "0 @ROD2@ FAM"),
              (Lines{"0 @ROD2@ FAM", "1 HUSB @CL5@", "1 WIFE @CL4@", "1 NCHI 0"}));
    EXPECT_EQ(
        record(lines, "0 @ROD3@ FAM"),
        (Lines{"0 @ROD3@ FAM", "1 HUSB @CL0@", "1 WIFE @CL1@", "1 CHIL @CL4@", "1 CHIL @CL3@", "1 NCHI 2",
               "1 MARR", "2 DATE 20 JUN 1925", "2 PLAC Kostel sv. Jakuba, Brno",
               "2 NOTE Oddávající kněz: P. Josef Dvořák", "3 CONT Svědkové: Karel Novák, Jan Svoboda"}));
    EXPECT_EQ(record(lines, "0 @ROD4@ FAM"),
              (Lines{"0 @ROD4@ FAM", "1 HUSB @CL0@", "1 WIFE @CL2@", "1 NCHI 0", "1 MARR", "2 DATE MAY 1920",
                     "1 DIV", "2 DATE 1923"}));
    EXPECT_EQ(
        std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return l.ends_with(" FAM"); }),
        4);
    EXPECT_EQ(lines.back(), "0 TRLR");

    // A second child of the single mother joins her family.
    Clovek* second = t.add("Jiří", "Dvořák", "", 1, Datum(), "");
    second->mother = t.eva;
    const Lines again = exported(t.tree);
    EXPECT_EQ(record(again, "0 @ROD1@ FAM"),
              (Lines{"0 @ROD1@ FAM", "1 WIFE @CL2@", "1 CHIL @CL7@", "1 CHIL @CL6@", "1 NCHI 2"}));
}

TEST(GedcomExport, LongValuesGoOnInConcLinesWithoutCuttingALetter)
{
    ExportTree t;
    const std::string bytes = gedcomExportBytes(t.tree, "x.ged", Datum("9", "12", "2026"));
    const Lines lines = linesOf(bytes);
    for (const std::string& l : lines) {
        EXPECT_LE(l.size(), 253u) << l;
        EXPECT_EQ(fromU32(toU32(l)), l) << "a line holds whole UTF-8 letters: " << l;
    }
    const Lines zdenek = record(lines, "0 @CL6@ INDI");
    auto place = std::find_if(zdenek.begin(), zdenek.end(),
                              [](const std::string& l) { return l.starts_with("2 PLAC Čeň"); });
    ASSERT_NE(place, zdenek.end());
    std::string joined = place->substr(7);
    int conc = 0;
    for (auto it = place + 1; it != zdenek.end() && it->starts_with("3 CONC "); ++it, ++conc)
        joined += it->substr(7);
    EXPECT_GE(conc, 1);
    EXPECT_EQ(joined, t.longPlace);
}

TEST(GedcomExport, ANumberGivenTwiceByADamagedFileStillGivesEachPersonItsOwnReference)
{
    ExportTree t;
    t.zdenek->number = 0; // as Jan; the highest number is then Karel's 5
    const Lines lines = exported(t.tree);
    // Zdeněk comes first in the chain and keeps 0; Jan, met later, gets the next free number, and
    // with it is written first.
    EXPECT_EQ(record(lines, "0 @CL0@ INDI").at(1), "1 NAME Zdeněk /Dvořák/");
    EXPECT_EQ(record(lines, "0 @CL6@ INDI").at(1), "1 NAME Jan /Novák/");
    EXPECT_EQ(record(lines, "0 @ROD1@ FAM").at(1), "1 HUSB @CL6@");
    EXPECT_EQ(record(lines, "0 @ROD4@ FAM").at(2), "1 CHIL @CL0@");
}

TEST(GedcomExport, DatesThatNoReaderCouldTakeAreCutToWhatIsSound)
{
    EXPECT_EQ(gedcomDateValue(Datum("31", "4", "1900")), "APR 1900");
    EXPECT_EQ(gedcomDateValue(Datum("29", "2", "1900")), "FEB 1900");
    EXPECT_EQ(gedcomDateValue(Datum("29", "2", "2000")), "29 FEB 2000");
    EXPECT_EQ(gedcomDateValue(Datum("5", "13", "1900")), "1900");
    EXPECT_EQ(gedcomDateValue(Datum("5", "?", "1900")), "1900");
    // Without a year GEDCOM has no date: what the tree holds goes as a phrase.
    EXPECT_EQ(gedcomDateValue(Datum("5", "3", "?")), "(5.3.?)");
    EXPECT_EQ(gedcomDateValue(Datum("?", "2", "?")), "(?.2.?)");
    EXPECT_EQ(gedcomDateValue(Datum("5", "3", "rok")), "(5.3.rok)");
    EXPECT_EQ(gedcomDateValue(Datum("5", "3", "0")), "(5.3.0)");
    EXPECT_EQ(gedcomDateValue(Datum("?", "?", "?")), "");
}

TEST(GedcomExport, FileReplacesTheOldOneWholeAndAFailureLeavesItAlone)
{
    TempFolder folder;
    ExportTree t;
    const std::string path = folder.write("strom.ged", "old contents");
    const GedcomExportCounts counts = exportGedcom(t.tree, path, Datum("9", "12", "2026"));
    EXPECT_EQ(counts.persons, 7);
    EXPECT_EQ(counts.families, 4);
    const std::string written = readFileBytes(path);
    EXPECT_TRUE(written.starts_with("0 HEAD\r\n"));
    EXPECT_TRUE(written.ends_with("0 TRLR\r\n"));
    EXPECT_NE(written.find("1 FILE " + path + "\r\n"), std::string::npos);

    EXPECT_THROW(exportGedcom(t.tree, folder / "missing/strom.ged", Datum()), EInOutError);
    EXPECT_EQ(readFileBytes(path), written);
}

TEST(GedcomExport, AFileLargerThanWhatIsWrittenAtOnceComesOutWhole)
{
    TempFolder folder;
    ExportTree t;
    const std::string place(500, 'p');
    for (int i = 0; i < 6000; ++i)
        t.add("Jméno" + std::to_string(i), "Příjmení", "", i % 2, Datum("1", "2", "1900"), place);
    const std::string path = folder / "strom.ged";
    exportGedcom(t.tree, path, Datum("9", "12", "2026"));
    const std::string expected = gedcomExportBytes(t.tree, path, Datum("9", "12", "2026"));
    ASSERT_GT(expected.size(), size_t(2) << 20);
    EXPECT_TRUE(readFileBytes(path) == expected);
}

TEST(GedcomExport, NothingIsWrittenThatAReaderWouldSplitOrReadAsLessThanItIs)
{
    // GIVN and SURN are lists split at commas; the NAME line alone carries such a name.
    Rod tree;
    Clovek* baron = makePerson("Jan, Josef", "FitzGerald, Baron of Kildare", 1, Datum());
    tree.addNewPerson(std::unique_ptr<Clovek>(baron));
    EXPECT_EQ(record(exported(tree), "0 @CL0@ INDI"),
              (Lines{"0 @CL0@ INDI", "1 NAME Jan, Josef /FitzGerald, Baron of Kildare/", "1 SEX M"}));

    // A baptism is a date only when it reads back as the same text; otherwise it is a phrase.
    const std::pair<const char*, const char*> baptisms[] = {
        {"3.3.1850", "3 MAR 1850"},     {"3.1850", "MAR 1850"},         {"1850", "1850"},
        {"03.03.1850", "(03.03.1850)"}, {"31.4.1900", "(31.4.1900)"},   {"10.1.", "(10.1.)"},
        {"3.13.1850", "(3.13.1850)"},   {"1.2.3.1850", "(1.2.3.1850)"}, {"0", "(0)"},
    };
    for (const auto& [text, value] : baptisms) {
        baron->baptism = text;
        const Lines lines = record(exported(tree), "0 @CL0@ INDI");
        EXPECT_EQ(lines.at(lines.size() - 1), std::string("2 DATE ") + value) << text;
    }
}
