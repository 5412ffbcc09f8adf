// The import of records into a tree: persons, names, events, families and their linking, and
// how damage in the file is logged and stepped over.
#include "import_helpers.h"
#include "model/casove_obdobi.h"
#include "model/svatba.h"
#include "system/fileio.h"
#include "system/numbers.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

Svatba* onlyPartnership(const Clovek* p)
{
    return p->partnerships.count() == 1 ? static_cast<UkSvatba*>(p->partnerships.first())->partnership
                                        : nullptr;
}

TEST(GedcomImport, PersonsAreNumberedFromTheLastRecord)
{
    const Imported in = importText(gedcom("0 @I1@ INDI\n1 SEX M\n0 @I2@ INDI\n1 SEX F\n"));
    ASSERT_EQ(in.result.persons, 2);
    EXPECT_EQ(in.person("I1")->number, 1);
    EXPECT_EQ(in.person("I2")->number, 0);
    EXPECT_EQ(in.person("I2")->sex, 0);
    EXPECT_TRUE(in.result.log.empty());
}

TEST(GedcomImport, NameModeAndTheSurnameLinesOnlyFillWhatNameLeftEmpty)
{
    const std::string text =
        gedcom("0 @I1@ INDI\n1 NAME Jan  Karel /Novák/ ml.\n2 GIVN Johann\n2 SURN Neu\n1 SEX M\n"
               "0 @I2@ INDI\n1 NAME /Nová/\n2 GIVN Marie\n1 SEX F\n"
               "0 @I3@ INDI\n1 NAME Eva\n2 SURN Malá\n1 SEX F\n");
    ImportOptions keep{true, false, false};
    Imported in = importText(text, keep);
    EXPECT_EQ(in.person("I1")->firstName, "Jan  Karel");
    EXPECT_EQ(in.person("I1")->titlesAfter, "ml.");
    EXPECT_EQ(in.person("I1")->birthSurname, "Novák");
    EXPECT_EQ(in.person("I1")->surname, "");
    EXPECT_EQ(in.person("I2")->firstName, "Marie");
    EXPECT_EQ(in.person("I3")->birthSurname, "Malá");

    keep.nameAsBorn = false;
    in = importText(text, keep);
    EXPECT_EQ(in.person("I1")->surname, "Novák");
    EXPECT_EQ(in.person("I1")->birthSurname, "");
    EXPECT_EQ(in.person("I3")->surname, "Malá");
}

TEST(GedcomImport, SurnameCopyFollowsTheOptionOfEachSex)
{
    const std::string text =
        gedcom("0 @I1@ INDI\n1 NAME Jan /Novák/\n1 SEX M\n0 @I2@ INDI\n1 NAME Eva /Malá/\n1 SEX F\n");
    Imported in = importText(text, ImportOptions{true, true, false});
    EXPECT_EQ(in.person("I1")->surname, "Novák");
    EXPECT_EQ(in.person("I2")->surname, "");
    in = importText(text, ImportOptions{true, false, true});
    EXPECT_EQ(in.person("I1")->surname, "");
    EXPECT_EQ(in.person("I2")->surname, "Malá");
}

TEST(GedcomImport, EventsAndDetailFields)
{
    const Imported in = importText(gedcom("0 @I1@ INDI\n1 NAME Jan /Novák/\n1 SEX m\n1 TITL Ing.\n"
                                          "1 BIRT Y\n2 DATE ABT 1850\n2 PLAC Praha\n"
                                          "1 CHR\n2 DATE 3 MAR 1850\n"
                                          "1 DEAT Y\n2 DATE 31 APR 1900\n2 PLAC Brno\n2 CAUS tyfus\n"
                                          "1 BURI Y\n2 PLAC Olšany\n"
                                          "1 RESI\n2 ADDR Dlouhá 5\n3 CITY Praha\n2 EMAI a@b.cz\n2 PHON 1\n"
                                          "1 RESI\n2 EMAIL c@d.cz\n2 PHON 2\n2 PHON 3\n"
                                          "1 OCCU kovář\n1 EDUC\n1 RELI katolík\n1 NATI česká\n"
                                          "1 NOTE první\n2 CONT druhá\n2 CONC  část\n1 NOTE\n1 _UID 123\n"));
    const Clovek* p = in.person("I1");
    ASSERT_TRUE(p);
    EXPECT_EQ(p->sex, 1);
    EXPECT_EQ(p->titlesBefore, "Ing.");
    EXPECT_EQ(p->birth.year, "1850");
    EXPECT_EQ(p->birth.month, "?");
    EXPECT_EQ(p->birth.about, 1);
    EXPECT_EQ(p->birthPlace, "Praha");
    EXPECT_EQ(p->baptism, "3.3.1850");
    EXPECT_EQ(p->alive, 0);
    EXPECT_EQ(p->death.year, "1900");
    EXPECT_EQ(p->death.month, "4");
    EXPECT_EQ(p->death.day, "?");
    EXPECT_TRUE(in.logged("řádek 13: datum \"31 APR 1900\": den 31 v měsíci neexistuje, den vynechán"));
    EXPECT_EQ(p->deathPlace, "Brno");
    EXPECT_EQ(p->deathCause, "tyfus");
    EXPECT_EQ(p->burial, "Olšany");
    ASSERT_EQ(p->residences.count(), 1);
    EXPECT_EQ(static_cast<CasoveObdobi*>(p->residences.first())->text, "Dlouhá 5, Praha");
    EXPECT_EQ(p->email1, "a@b.cz");
    EXPECT_EQ(p->email2, "c@d.cz");
    EXPECT_EQ(p->phone1, "1");
    EXPECT_EQ(p->phone2, "2");
    EXPECT_TRUE(in.logged("třetí hodnota PHON vynechána (3)"));
    ASSERT_EQ(p->occupations.count(), 1);
    EXPECT_EQ(p->educations.count(), 0);
    EXPECT_EQ(p->religion, "katolík");
    EXPECT_EQ(p->nationality, "česká");
    EXPECT_EQ(p->furtherTexts(), (std::vector<std::string>{"první", "druhá část", "_UID 123"}));
}

TEST(GedcomImport, FamiliesMakePartnershipsAndParents)
{
    const Imported in = importText(
        gedcom("0 @H@ INDI\n1 SEX M\n0 @W@ INDI\n1 SEX F\n0 @C1@ INDI\n1 SEX M\n0 @C2@ INDI\n1 SEX F\n"
               "0 @H2@ INDI\n1 SEX M\n0 @W2@ INDI\n1 SEX F\n0 @W3@ INDI\n1 SEX F\n"
               "0 @F1@ FAM\n1 HUSB @H@\n1 WIFE @W@\n1 CHIL @C1@\n1 MARR Y\n2 DATE 5 MAY 1870\n2 PLAC Tábor\n"
               "1 DIV\n2 DATE 1880\n"
               "0 @F2@ FAM\n1 HUSB @H2@\n1 WIFE @W2@\n"
               "0 @F3@ FAM\n1 HUSB @H2@\n1 WIFE @W3@\n1 DIV Y\n"
               "0 @F4@ FAM\n1 WIFE @W2@\n1 CHIL @C2@\n1 CHIL @NOBODY@\n"));
    EXPECT_EQ(in.result.partnerships, 3);
    const Svatba* s = onlyPartnership(in.person("H"));
    ASSERT_TRUE(s);
    EXPECT_EQ(s, onlyPartnership(in.person("W")));
    EXPECT_EQ(s->partner1, in.person("H"));
    EXPECT_EQ(s->type, PartnershipType::divorced);
    EXPECT_EQ(s->wedding.day, "5");
    EXPECT_EQ(s->wedding.month, "5");
    EXPECT_EQ(s->divorce.year, "1880");
    EXPECT_EQ(s->place, "Tábor");
    EXPECT_EQ(onlyPartnership(in.person("W2"))->type, PartnershipType::plain);
    // A divorce tells that there was a marriage.
    EXPECT_EQ(onlyPartnership(in.person("W3"))->type, PartnershipType::divorced);
    EXPECT_EQ(in.person("C1")->father, in.person("H"));
    EXPECT_EQ(in.person("C1")->mother, in.person("W"));
    EXPECT_EQ(in.person("C2")->father, nullptr);
    EXPECT_EQ(in.person("C2")->mother, in.person("W2"));
    EXPECT_TRUE(in.logged("osoba @NOBODY@ nenalezena"));
}

// A person's partnerships in the order of its FAMS lines, whatever the order of the FAM records;
// a family its FAMS lines leave out comes after them.
TEST(GedcomImport, APersonsPartnershipsFollowItsFamsLines)
{
    const Imported in = importText(gedcom("0 @H@ INDI\n1 SEX M\n1 FAMS @F3@\n1 FAMS @F1@\n1 FAMS @F2@\n"
                                          "0 @W1@ INDI\n1 SEX F\n0 @W2@ INDI\n1 SEX F\n0 @W3@ INDI\n1 SEX F\n"
                                          "0 @W4@ INDI\n1 SEX F\n0 @F1@ FAM\n1 HUSB @H@\n1 WIFE @W1@\n"
                                          "0 @F4@ FAM\n1 HUSB @H@\n1 WIFE @W4@\n0 @F2@ FAM\n1 HUSB @H@\n"
                                          "1 WIFE @W2@\n0 @F3@ FAM\n1 HUSB @H@\n1 WIFE @W3@\n"));
    std::vector<std::string> wives;
    for (const UkSvatba* e : in.person("H")->partnerships.items<UkSvatba>())
        wives.push_back(e->partnership->partner2->importId.str() + ":" + intToStr(e->orderKey));
    EXPECT_EQ(wives, (std::vector<std::string>{"W3:0", "W1:1", "W2:2", "W4:3"}));
}

// What the tree cannot take from a family's links is told with the line it stands on, and the
// log runs in the order of the lines whichever step of the import found it.
TEST(GedcomImport, UnconfirmedLinksAndFamiliesOfOnePartnerAreLogged)
{
    const Imported in =
        importText(gedcom("0 @F0@ FAM\n1 HUSB @NOBODY@\n"
                          "0 @H@ INDI\n1 SEX M\n1 FAMS @F1@\n0 @W@ INDI\n1 SEX F\n1 FAMS @F1@\n"
                          "0 @X@ INDI\n1 SEX M\n1 FAMS @F1@\n1 FAMS @F3@\n"
                          "0 @F1@ FAM\n1 WIFE @W@\n" // names no husband: H becomes it
                          "0 @F2@ FAM\n1 WIFE @W@\n1 MARR\n2 DATE 3 MAY 1920\n2 PLAC Praha\n"
                          "0 @F3@ FAM\n1 HUSB @H@\n1 MARR\n2 PLAC Brno\n1 CHIL @X@\n"
                          "0 @F4@ FAM\n1 HUSB @H@\n"));
    const Svatba* s = onlyPartnership(in.person("H"));
    ASSERT_TRUE(s);
    EXPECT_EQ(s->partner2, in.person("W"));
    EXPECT_EQ(in.person("X")->partnerships.count(), 0);
    EXPECT_EQ(in.result.log.lines(),
              (std::vector<std::string>{
                  "řádek 4: osoba @NOBODY@ nenalezena",
                  "řádek 7: rodina @F1@ osobu @H@ neuvádí, osoba doplněna jako manžel",
                  "řádek 13: rodina @F1@ osobu @X@ neuvádí, uvádí @H@, odkaz vynechán",
                  "řádek 14: rodina @F3@ osobu @X@ neuvádí jako partnera (je jejím dítětem), odkaz vynechán",
                  "řádek 17: rodina jen s partnerem @W@ a bez dětí vynechána (sňatek 3.5.1920, Praha)",
                  "řádek 22: rodina nemá dva partnery, údaje o svazku vynechány (sňatek, Brno)",
                  "řádek 27: rodina jen s partnerem @H@ a bez dětí vynechána",
              }));
}

// A title the field holds already, in any case, is not added again from NPFX, NSFX or TITL;
// GIVN and SURN that differ from the NAME line (more than by the commas between their pieces) are
// told, and the NAME line is kept.
TEST(GedcomImport, ATitleIsTakenOnceAndNamePiecesThatDifferAreLogged)
{
    const Imported in = importText(gedcom(
        "0 @A@ INDI\n1 SEX M\n1 NAME Jan Pavel /Novák/ CSc.\n2 NPFX MUDr.\n2 NSFX csc.\n2 GIVN Jan, Pavel\n"
        "2 SURN Nowak\n1 TITL MUDr.\n1 TITL mudr.\n1 TITL Ing.\n"
        "0 @B@ INDI\n1 SEX M\n1 TITL Ing.\n1 TITL Ing.\n1 NAME Karel /Dvořák/\n2 GIVN Karel Jan\n"
        "2 NPFX ing.\n"));
    EXPECT_EQ(in.person("A")->titlesBefore, "MUDr. Ing.");
    EXPECT_EQ(in.person("A")->titlesAfter, "CSc.");
    EXPECT_EQ(in.person("A")->birthSurname, "Novák");
    EXPECT_EQ(in.person("B")->titlesBefore, "Ing.");
    EXPECT_EQ(in.person("B")->firstName, "Karel");
    EXPECT_EQ(in.result.log.lines(),
              (std::vector<std::string>{
                  "řádek 9: SURN \"Nowak\" se liší od řádku NAME (\"Novák\"), platí NAME",
                  "řádek 18: GIVN \"Karel Jan\" se liší od řádku NAME (\"Karel\"), platí NAME",
              }));
}

TEST(GedcomImport, ImpossibleFamiliesAndCyclesAreRefusedWithALogLine)
{
    const Imported in = importText(
        gedcom("0 @A@ INDI\n1 SEX M\n0 @B@ INDI\n1 SEX F\n0 @C@ INDI\n1 SEX M\n0 @D@ INDI\n1 SEX M\n"
               "0 @F1@ FAM\n1 HUSB @A@\n1 WIFE @A@\n" // husband is wife
               "0 @F2@ FAM\n1 HUSB @A@\n1 WIFE @B@\n1 CHIL @A@\n" // child is husband
               "0 @F3@ FAM\n1 HUSB @A@\n1 CHIL @C@\n" // A father of C
               "0 @F4@ FAM\n1 HUSB @C@\n1 CHIL @D@\n" // C father of D
               "0 @F5@ FAM\n1 HUSB @D@\n1 CHIL @A@\n")); // D father of A: a cycle
    // A partner named as the child loses that link only: the couple stays.
    EXPECT_EQ(in.result.partnerships, 1);
    EXPECT_EQ(onlyPartnership(in.person("A")), onlyPartnership(in.person("B")));
    int fathers = 0;
    in.tree->forEachPerson([&](Clovek* p) { fathers += p->father != nullptr; });
    EXPECT_EQ(fathers, 2);
    EXPECT_FALSE(in.tree->hasAncestorCycle());
    EXPECT_TRUE(in.logged("řádek 11: rodina, v níž je osoba svým vlastním partnerem, vynechána"));
    EXPECT_TRUE(in.logged("řádek 17: osoba @A@ je v rodině partnerem i dítětem, odkaz na dítě vynechán"));
    EXPECT_TRUE(in.logged("předkem, vztah vynechán"));
}

TEST(GedcomImport, ASecondFamilyDoesNotTakeAParentAway)
{
    const Imported in = importText(
        gedcom("0 @H@ INDI\n1 SEX M\n0 @W@ INDI\n1 SEX F\n0 @X@ INDI\n1 SEX M\n0 @C@ INDI\n1 SEX M\n"
               "0 @F1@ FAM\n1 HUSB @H@\n1 WIFE @W@\n1 CHIL @C@\n0 @F2@ FAM\n1 HUSB @X@\n1 CHIL @C@\n"));
    EXPECT_EQ(in.person("C")->father, in.person("H"));
    EXPECT_EQ(in.person("C")->mother, in.person("W"));
    EXPECT_TRUE(in.logged("už má rodiče z jiné rodiny"));
}

// Records of one line each (more persons than the file's lines suggest) all stay found, and a
// reference given to a second record keeps naming the first.
TEST(GedcomImport, EveryReferenceFindsItsFirstPerson)
{
    std::string records;
    for (int i = 0; i < 300; ++i)
        records += "0 @P" + std::to_string(i) + "@ INDI\n";
    records += "0 @P7@ INDI\n1 NAME Druhy /Zaznam/\n1 SEX M\n";
    for (int i = 1; i < 300; ++i)
        records += "0 @F" + std::to_string(i) + "@ FAM\n1 HUSB @P" + std::to_string(i - 1) + "@\n1 CHIL @P" +
                   std::to_string(i) + "@\n";
    const Imported in = importText(gedcom(records));
    std::vector<Clovek*> byReference(300, nullptr);
    in.tree->forEachPerson([&](Clovek* p) {
        const int i = std::stoi(p->importId.str().substr(1));
        if (p->firstName.empty())
            byReference[size_t(i)] = p;
    });
    for (int i = 1; i < 300; ++i) {
        ASSERT_TRUE(byReference[size_t(i)]);
        EXPECT_EQ(byReference[size_t(i)]->father, byReference[size_t(i - 1)]) << i;
    }
    EXPECT_TRUE(in.logged("odkaz @P7@ už patří jiné osobě"));
    EXPECT_FALSE(in.logged("nenalezena"));
}

TEST(GedcomImport, OneBadLineNeverEndsTheImport)
{
    const Imported in = importText(
        "0 HEAD\n1 SOUR X\nbroken\n1 CHAR UTF-8\n"
        "0 @I1@ INDI\n1 NAME Jan /Novák/\nNAME without level\n1 BURI Y\n2 PLAC Tábor\n"
        "1 BIRT\n2 DATE\n2 PLAC\n1 @X@\n2 DATE 1900\n1 SEX M\n"
        "0 @I2@ INDI\n1 SEX F\n1 NAME Eva\n0 @I3@ INDI\n1 SEX F\n0 TRLR\n\n  \n0 @I4@ INDI\n1 SEX M\n");
    // What follows the trailer is left out.
    EXPECT_EQ(in.result.persons, 3);
    const Clovek* p = in.person("I1");
    EXPECT_EQ(p->burial, "Tábor");
    EXPECT_EQ(p->birth.year, "?"); // the orphaned DATE under the bad line went with it
    EXPECT_EQ(p->sex, 1);
    EXPECT_EQ(in.person("I2")->firstName, "Eva");
    EXPECT_TRUE(in.logged("řádek 3: "));
    EXPECT_TRUE(in.logged("řádek 4: Nelze zpracovat HEADER!"));
    EXPECT_TRUE(in.logged("řádek 7: neočekávaný výskyt: \"NAME\" (očekáváno číslo)."));
    EXPECT_TRUE(in.logged("řádek 13: "));
    EXPECT_TRUE(in.logged("řádek 24: Soubor pokračuje za TRLR, zbytek souboru vynechán!"));
    // The rest of the damaged header is not read.
    EXPECT_EQ(in.tree->furtherData, (std::vector<std::string>{"Importovano ze zdroje (ID): X"}));
}

TEST(GedcomImport, HeaderBecomesFurtherData)
{
    const Imported in = importText(
        "0 HEAD\n1 SOUR PAF\n2 NAME Personal Ancestral File\n2 VERS 5.2\n2 CORP Firma\n3 ADDR Ulice 1\n4 "
        "CONT Město\n"
        "1 DEST Other\n1 DATE 21 Jul 2008\n2 TIME 10:16:26\n1 FILE bach.ged\n1 GEDC\n2 VERS 5.5\n2 FORM "
        "LINEAGE-LINKED\n"
        "1 CHAR UTF-8\n1 LANG Czech\n1 PLAC\n2 FORM Obec, Kraj\n1 NOTE první\n2 CONT druhá\n0 TRLR\n");
    EXPECT_EQ(
        in.tree->furtherData,
        (std::vector<std::string>{"Importovano ze zdroje (ID): PAF", "   produkt: Personal Ancestral File",
                                  "   verze: 5.2", "   společnost: Firma", "   adresa: Ulice 1 Město",
                                  "patří pod: Other", "převedeno: 21.7.2008", "   čas: 10:16:26",
                                  "původní soubor: bach.ged", "Verze formatu GEDCOM", "   cislo: 5.5",
                                  "   forma: LINEAGE-LINKED", "původní znaková sada: UTF-8", "jazyk: Czech",
                                  "místo: Obec, Kraj", "poznámka: první", "druhá"}));
    EXPECT_TRUE(in.result.log.empty());
}

TEST(GedcomImport, NoteRecordsReachThePersonsThatPointToThem)
{
    // Only this program's own file keeps its register notes in "@MAT...@" records; in another
    // program's file such a note is a further text like any other. A text written "@@...@@" is no
    // reference.
    const Imported in = importText(gedcom("0 @I1@ INDI\n1 SEX M\n1 NOTE @N1@\n1 NOTE @N9@\n1 NOTE @MAT1@\n"
                                          "1 NOTE @@jméno@@\n0 @N1@ NOTE Zapsáno\n1 CONT v matrice\n"
                                          "0 @MAT1@ NOTE Matrika\n"));
    EXPECT_EQ(in.person("I1")->furtherTexts(),
              (std::vector<std::string>{"@jméno@", "Zapsáno", "v matrice", "Matrika"}));
    EXPECT_TRUE(in.person("I1")->registerNotes().empty());
    EXPECT_TRUE(in.logged("poznámka @N9@ nenalezena"));
}

TEST(GedcomImport, MissingFileAndTheLogBesideTheFileOrInTheProgramFolder)
{
    TempFolder folder;
    Rod tree;
    EXPECT_FALSE(importGedcom(folder / "none.ged", tree, {}).fileFound);
    EXPECT_EQ(tree.personCount(), 0);

    ImportResult result;
    result.log = {"řádek 1: první"};
    EXPECT_EQ(writeImportLog(result, folder / "a.ged", folder / "program"), folder / "_errors.txt");
    std::ifstream in(folder / "_errors.txt", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(bytes, "řádek 1: první\r\n");
}

TEST(GedcomImport, TheLogGoesToTheProgramFolderWhenTheFilesFolderIsReadOnly)
{
    TempFolder folder;
    ImportResult result;
    result.log = {"řádek 1: první"};
    const std::string locked = folder / "locked";
    ASSERT_EQ(::mkdir(locked.c_str(), 0500), 0);
    if (::access(locked.c_str(), W_OK) == 0)
        GTEST_SKIP() << "a read-only folder can be written here (running as root)";
    EXPECT_EQ(writeImportLog(result, locked + "/a.ged", folder / "program/"), "");
    EXPECT_EQ(writeImportLog(result, locked + "/a.ged", folder.path()), folder / "_errors.txt");
}

} // namespace

TEST(GedcomImport, OnlyAManIsToldApartAndAGuessedSexIsLogged)
{
    const Imported in = importText(gedcom("0 @A@ INDI\n1 SEX m\n0 @B@ INDI\n1 SEX U\n0 @C@ INDI\n"));
    EXPECT_EQ(in.person("A")->sex, 1);
    EXPECT_EQ(in.person("B")->sex, 0);
    EXPECT_TRUE(in.logged("neznámé pohlaví \"U\", osoba vedena jako žena"));
    // No SEX line leaves the new person's own default, a man, and says so.
    EXPECT_EQ(in.person("C")->sex, 1);
    EXPECT_TRUE(in.logged("pohlaví neuvedeno, osoba vedena jako muž"));
}

TEST(GedcomImport, NothingIsTakenSilently)
{
    const Imported in =
        importText(gedcom("0 @I1@ INDI\n1 NAME Jan\x01 /No\x7Fvák/\n1 SEX M\n1 BIRT\n3 DATE 1900\n"
                          "1 RESI\n2 EMAI jan@@novak.cz\n"
                          "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 DIV N\n1 MARR\n2 DATE 1920\n"
                          "0 @I2@ INDI\n1 SEX F\n") +
                   "0 @I3@ INDI\n1 SEX M\n0 TRLR\n");
    const Clovek* jan = in.person("I1");
    EXPECT_EQ(jan->firstName, "Jan");
    EXPECT_EQ(jan->birthSurname, "Novák");
    EXPECT_EQ(jan->email1, "jan@novak.cz");
    EXPECT_TRUE(in.logged("řádek 4: řídicí znaky odstraněny z hodnoty (2)"));
    // The date under a skipped level is read, and said.
    EXPECT_EQ(jan->birth.year, "1900");
    EXPECT_TRUE(in.logged("řádek 7: úroveň 3 přeskakuje úroveň 2"));
    // "DIV N" says there was no divorce.
    ASSERT_EQ(jan->partnerships.count(), 1);
    EXPECT_EQ(static_cast<const UkSvatba*>(jan->partnerships.first())->partnership->type,
              PartnershipType::married);
    // Nothing after the trailer is taken.
    EXPECT_EQ(in.result.persons, 2);
    EXPECT_TRUE(in.logged("řádek 19: Soubor pokračuje za TRLR, zbytek souboru vynechán!"));
}

TEST(GedcomImport, ATypedSecondNameGivesTheOtherSurname)
{
    const std::string text =
        gedcom("0 @W@ INDI\n1 NAME Marie /Svobodová/\n1 NAME Marie /Nováková/\n2 TYPE married\n1 SEX F\n"
               "0 @M@ INDI\n1 NAME Karel /Černý/\n1 NAME Karel /Schwarz/\n2 TYPE birth\n1 SEX M\n"
               "0 @X@ INDI\n1 NAME Eva /Malá/\n1 NAME Evička /Malinká/\n1 SEX F\n");
    for (const bool asBorn : {true, false}) {
        ImportOptions options;
        options.nameAsBorn = asBorn;
        const Imported in = importText(text, options);
        EXPECT_EQ(in.person("W")->surname, "Nováková") << asBorn;
        EXPECT_EQ(in.person("W")->birthSurname, "Svobodová") << asBorn;
        EXPECT_EQ(in.person("M")->surname, "Černý") << asBorn;
        EXPECT_EQ(in.person("M")->birthSurname, "Schwarz") << asBorn;
        EXPECT_EQ(in.person("X")->firstName, "Eva");
        EXPECT_TRUE(in.logged("řádek 15: další jméno vynecháno (Evička /Malinká/)"));
    }
}

TEST(GedcomImport, ABurialMakesThePersonDeadSoItsPlaceIsExportedAgain)
{
    const Imported in =
        importText(gedcom("0 @I1@ INDI\n1 SEX F\n1 BURI\n2 PLAC Vyšehrad\n0 @I2@ INDI\n1 SEX M\n"));
    EXPECT_EQ(in.person("I1")->alive, 0);
    EXPECT_EQ(in.person("I1")->burial, "Vyšehrad");
    EXPECT_EQ(in.person("I2")->alive, 1);
}

// One file of the cases other programs' files and our own exports hold, each read into the field
// the tree has for it, and every change or skip logged with its line.
TEST(GedcomImport, EveryCaseOfTheCasesFileReadsIntoItsField)
{
    const Imported in = importFile(KINVELOR_TEST_DATA "/every_case.ged");
    const std::string longName = [] {
        std::string s;
        for (int i = 0; i < 12; ++i)
            s += "Abcdefghij";
        for (int i = 0; i < 12; ++i)
            s += "Klmnopqrst";
        return s;
    }();
    // Standard ANSEL in a file of another language: è and ï, not č and ď.
    const Clovek* marie = in.person("I1");
    EXPECT_EQ(marie->firstName, "Marie-Thérèse");
    EXPECT_EQ(marie->birthSurname, "d'Anaïs");
    EXPECT_TRUE(
        in.logged("řádek 5: soubor píše podle normy ANSEL (zde \"LANG English\"), dvojice znaků ANSEL "
                  "proto čteny podle normy, poprvé na řádku 7 jako \"è\""));
    // The first birth whole, the second logged; a month written out; a double blank kept.
    EXPECT_EQ(marie->birth.year, "1499");
    EXPECT_EQ(marie->birth.about, 1);
    EXPECT_EQ(marie->birthPlace, "Blickling Hall");
    EXPECT_TRUE(in.logged("řádek 13: další BIRT vynechán, platí první z řádku 10"));
    EXPECT_EQ(marie->death.day + "." + marie->death.month + "." + marie->death.year, "29.12.1812");
    EXPECT_EQ(marie->deathPlace, "Saint  Denis");
    const Svatba* wedding = onlyPartnership(marie);
    ASSERT_TRUE(wedding);
    EXPECT_EQ(wedding->wedding.year, "1764");
    EXPECT_EQ(wedding->wedding.month, "10");
    EXPECT_EQ(wedding->place, "Weymouth");
    EXPECT_TRUE(in.logged("řádek 59: další MARR vynechán, platí první z řádku 56"));
    // A slash in the given names: the surname is SURN's.
    EXPECT_EQ(in.person("I2")->firstName, "George (10th/11th Earl of)");
    EXPECT_EQ(in.person("I2")->birthSurname, "DUNBAR");
    // Text after the surname and NSFX are the title after the name, NPFX the one before.
    const Clovek* john = in.person("I3");
    EXPECT_EQ(john->firstName, "John");
    EXPECT_EQ(john->birthSurname, "Adams");
    EXPECT_EQ(john->titlesBefore, "Pres.");
    EXPECT_EQ(john->titlesAfter, "II");
    // _MARNM is the married surname.
    const Clovek* abigail = in.person("I4");
    EXPECT_EQ(abigail->birthSurname, "Smith");
    EXPECT_EQ(abigail->surname, "Adams");
    // A surname split with CONC, under NAME and under SURN; one with a comma.
    EXPECT_EQ(in.person("I5")->birthSurname, longName);
    EXPECT_EQ(in.person("I8")->birthSurname, "FitzGerald, Baron of Offaly");
    // A family the file lacks: the couple who both name it is made again, with its child.
    const Svatba* rebuilt = onlyPartnership(john);
    ASSERT_TRUE(rebuilt);
    EXPECT_EQ(rebuilt, onlyPartnership(abigail));
    EXPECT_EQ(rebuilt->type, PartnershipType::plain);
    EXPECT_EQ(in.person("I6")->father, john);
    EXPECT_EQ(in.person("I6")->mother, abigail);
    EXPECT_TRUE(
        in.logged("řádek 32: rodina @F9@ v souboru chybí, sestavena z odkazů osob @I3@ a @I4@, dětí: 1"));
    EXPECT_TRUE(in.logged("řádek 38: rodina @F8@ v souboru chybí, odkaz vynechán"));
    EXPECT_TRUE(in.logged("řádek 49: vztah k rodině @F9@ (adopted)"));
    // Repeated skips of a tag: the first with its line, then one count.
    EXPECT_TRUE(in.logged("řádek 9: Neexistující nebo v tomto místě nepodporovaný tag (RIN)"));
    EXPECT_FALSE(in.logged("řádek 24: "));
    EXPECT_EQ(in.result.log.back(), "řádků RIN vynecháno: 3");
}

// The older export of this program wrote the surname as GIVN and the birth surname as SURN; our
// export names a version of its own, and its GIVN is the given name.
TEST(GedcomImport, FilesOfTheOlderExportKeepBothSurnames)
{
    const std::string older = readFileBytes(KINVELOR_TEST_DATA "/older_export.ged");
    Imported in = importText(older);
    EXPECT_EQ(in.person("CL0")->firstName, "Marie");
    EXPECT_EQ(in.person("CL0")->surname, "Novakova");
    EXPECT_EQ(in.person("CL0")->birthSurname, "Svobodova");
    // A GIVN that repeats the given names is the newer layout, whatever the header says.
    EXPECT_EQ(in.person("CL1")->firstName, "Jan");
    EXPECT_EQ(in.person("CL1")->birthSurname, "Novak");
    EXPECT_EQ(in.person("CL1")->surname, "Novak"); // the copy option of men

    std::string ours = older;
    ours.replace(ours.find("1.0.18b"), 7, "1.0.18c");
    in = importText(ours, ImportOptions{true, false, false});
    EXPECT_EQ(in.person("CL0")->firstName, "Marie");
    EXPECT_EQ(in.person("CL0")->birthSurname, "Svobodova");
    EXPECT_EQ(in.person("CL0")->surname, "");
}

TEST(GedcomImport, CharacterSetNotesNameTheirLine)
{
    // A file that says UTF-8 but is not: the first line holding other bytes.
    Imported in = importText("0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME Ji\xF8\xED /Nov\xE1k/\n0 TRLR\n");
    EXPECT_EQ(in.person("I1")->firstName, "Jiří");
    EXPECT_TRUE(in.logged("řádek 4: znaky nejsou v UTF-8, jak soubor uvádí"));
    // Without a CHAR line there is no line to name.
    in = importText("0 HEAD\n0 @I1@ INDI\n1 NAME Jiří\n0 TRLR\n");
    EXPECT_EQ(in.result.log.front(), "soubor nemá řádek CHAR, znaky jsou v UTF-8 a tak byl načten");
    in = importText("0 HEAD\n1 CHAR ANSEL\n0 @I1@ INDI\n1 NAME Jiří\n0 TRLR\n");
    EXPECT_EQ(in.result.log.front(),
              "řádek 2: řádek CHAR uvádí ANSEL, znaky jsou však v UTF-8 a tak byl soubor načten");
    // A character set the import does not know.
    in = importText("0 HEAD\n1 CHAR MACINTOSH\n0 @I1@ INDI\n1 NAME Jan\n1 SEX M\n0 TRLR\n");
    EXPECT_EQ(in.result.log.lines(), (std::vector<std::string>{"řádek 2: znaková sada \"MACINTOSH\" není "
                                                               "známa, soubor čten jako Windows-1250"}));
}

// A wrong link of a family goes alone; two families that each give a child one parent become
// the couple the child has, and the log names them.
TEST(GedcomImport, AWrongChildLinkGoesAloneAndJoinedFamiliesAreTold)
{
    const Imported in = importText(
        gedcom("0 @I1@ INDI\n1 SEX M\n0 @I2@ INDI\n1 SEX F\n0 @I3@ INDI\n1 SEX M\n"
               "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 CHIL @I2@\n1 CHIL @I3@\n1 MARR\n2 DATE 1900\n"
               "0 @J1@ INDI\n1 SEX M\n1 FAMS @G1@\n0 @J2@ INDI\n1 SEX F\n1 FAMS @G2@\n"
               "0 @J3@ INDI\n1 SEX F\n1 FAMC @G1@\n1 FAMC @G2@\n"
               "0 @G1@ FAM\n1 HUSB @J1@\n1 CHIL @J3@\n0 @G2@ FAM\n1 WIFE @J2@\n1 CHIL @J3@\n"));
    const Svatba* s = onlyPartnership(in.person("I1"));
    ASSERT_TRUE(s);
    EXPECT_EQ(s, onlyPartnership(in.person("I2")));
    EXPECT_EQ(s->wedding.year, "1900");
    EXPECT_EQ(in.person("I2")->father, nullptr);
    EXPECT_EQ(in.person("I3")->father, in.person("I1"));
    EXPECT_EQ(in.person("I3")->mother, in.person("I2"));
    EXPECT_EQ(in.person("J3")->father, in.person("J1"));
    EXPECT_EQ(in.person("J3")->mother, in.person("J2"));
    EXPECT_EQ(in.person("J1")->partnerships.count(), 0);
    EXPECT_EQ(in.result.log.lines(),
              (std::vector<std::string>{
                  "řádek 12: osoba @I2@ je v rodině partnerem i dítětem, odkaz na dítě vynechán",
                  "řádek 31: rodiny @G1@ a @G2@ spojeny v jednu: dítě @J3@ má z jedné otce @J1@, z druhé "
                  "matku @J2@",
              }));
}

// The common form names the title in NPFX and before the given names; a name of more than two
// slashes keeps none of them where they mark off a surname.
TEST(GedcomImport, TitlesAndSlashesOfANameLeaveTheNamesClean)
{
    const Imported in =
        importText(gedcom("0 @A@ INDI\n1 SEX M\n1 NAME Ing. Jan /Novák/ CSc.\n2 NPFX Ing.\n2 NSFX CSc.\n"
                          "0 @B@ INDI\n1 SEX F\n1 NAME Constance of_Toulouse //\n2 NPFX Constance\n2 GIVN "
                          "Constance of_Toulouse\n"
                          "0 @C@ INDI\n1 SEX M\n1 NAME Karel /A/ b /C/\n"
                          "0 @D@ INDI\n1 SEX M\n1 NAME Karel /A/ b /C/\n2 SURN A\n"));
    const Clovek* a = in.person("A");
    EXPECT_EQ(a->firstName, "Jan");
    EXPECT_EQ(a->birthSurname, "Novák");
    EXPECT_EQ(a->titlesBefore, "Ing.");
    EXPECT_EQ(a->titlesAfter, "CSc.");
    // GIVN says the word is a given name as well.
    EXPECT_EQ(in.person("B")->firstName, "Constance of_Toulouse");
    EXPECT_EQ(in.person("C")->firstName, "Karel A b");
    EXPECT_EQ(in.person("C")->birthSurname, "C");
    EXPECT_EQ(in.person("D")->firstName, "Karel");
    EXPECT_EQ(in.person("D")->birthSurname, "A");
    EXPECT_EQ(in.person("D")->titlesAfter, "b C");
    EXPECT_EQ(
        in.result.log.lines(),
        (std::vector<std::string>{
            "řádek 15: jméno má více než dvě lomítka, příjmení vzato mezi posledními dvěma (C), ostatní "
            "lomítka vypuštěna (\"Karel A b\")",
            "řádek 18: jméno má více než dvě lomítka, příjmení vzato podle SURN (A), ostatní lomítka "
            "vypuštěna (\"Karel\", \"b C\")",
        }));
}

// A family that names a person its husband or wife gives the sex the SEX line does not.
TEST(GedcomImport, AFamilyRoleGivesTheSexTheFileDoesNot)
{
    const Imported in = importText(gedcom("0 @H@ INDI\n1 SEX U\n0 @W@ INDI\n1 NAME Eva\n0 @X@ INDI\n1 SEX U\n"
                                          "0 @Y@ INDI\n0 @F1@ FAM\n1 HUSB @H@\n1 WIFE @W@\n"
                                          "0 @F2@ FAM\n1 HUSB @Y@\n0 @F3@ FAM\n1 WIFE @Y@\n"));
    EXPECT_EQ(in.person("H")->sex, 1);
    EXPECT_EQ(in.person("W")->sex, 0);
    EXPECT_EQ(in.person("X")->sex, 0);
    EXPECT_EQ(in.person("Y")->sex, 1);
    EXPECT_EQ(onlyPartnership(in.person("H"))->partner1, in.person("H"));
    const std::string bothRoles = "řádek 9: pohlaví neuvedeno, osoba vedena jako muž (rodiny ji uvádějí jako "
                                  "manžela i jako manželku)";
    EXPECT_EQ(in.result.log.lines(),
              (std::vector<std::string>{
                  "řádek 4: neznámé pohlaví \"U\", osoba vedena jako muž (v rodině @F1@ je manželem)",
                  "řádek 5: pohlaví neuvedeno, osoba vedena jako žena (v rodině @F1@ je manželkou)",
                  "řádek 8: neznámé pohlaví \"U\", osoba vedena jako žena",
                  bothRoles,
                  "řádek 13: rodina jen s partnerem @Y@ a bez dětí vynechána",
                  "řádek 15: rodina jen s partnerem @Y@ a bez dětí vynechána",
              }));
}

// What the tree cannot hold of a value is told; what it can is kept.
TEST(GedcomImport, NoPartOfAValueIsLeftOutWithoutALine)
{
    Imported in = importText(gedcom("0 @I1@ INDI\n1 SEX M\n1 BIRT\n2 DATE INT 1995 (from estimated age)\n"
                                    "1 DEAT\n2 DATE @#DUNKNOWN@ 5\n"
                                    "0 @I2@ INDI\n1 SEX F\n1 BIRT\n2 DATE 10 JAN\n3 CONC  1850\n2 PLAC Brno\n"
                                    "0 @I3@ INDI\n1 SEX F\n1 BIRT Y\n1 BURI Y\n"));
    EXPECT_EQ(in.person("I1")->birth.year, "1995");
    EXPECT_EQ(in.person("I1")->death.year, "5");
    const Clovek* i2 = in.person("I2");
    EXPECT_EQ(i2->birth.day + "." + i2->birth.month + "." + i2->birth.year, "10.1.1850");
    EXPECT_EQ(i2->birthPlace, "Brno");
    EXPECT_EQ(in.person("I3")->alive, 0);
    EXPECT_EQ(in.result.log.lines(),
              (std::vector<std::string>{
                  "řádek 6: datum \"INT 1995 (from estimated age)\": vysvětlení data (from estimated age) "
                  "vynecháno",
                  "řádek 8: datum \"@#DUNKNOWN@ 5\": datum neznámého kalendáře uloženo, jak je zapsáno",
                  "řádek 17: údaj o narození bez data a místa nelze uložit",
                  "řádek 18: údaj o pohřbu bez místa nelze uložit, osoba vedena jako zemřelá",
              }));

    // ANSI is the code page of whichever Windows wrote the file: which one was taken is told
    // where the two read a byte differently.
    in = importText("0 HEAD\n1 CHAR ANSI\n0 @I1@ INDI\n1 NOTE \xED\n1 NAME Ji\xF8\xED /Nov\xE1k/\n"
                    "1 SEX M\n0 TRLR\n");
    EXPECT_EQ(in.person("I1")->firstName, "Jiří");
    EXPECT_TRUE(in.logged(
        "řádek 5: znaková sada ANSI čtena jako Windows-1250 (zde \"ř\", ve Windows-1252 by to bylo \"ø\")"));
}
