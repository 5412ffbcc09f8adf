#include "model/casove_obdobi.h"
#include "model/display_settings.h"
#include "model/media.h"
#include "model/person_texts.h"
#include "model/uk_clovek.h"
#include "system/datetime.h"

#include "model_helpers.h"

#include <gtest/gtest.h>

#include <memory>

using Lines = std::vector<std::string>;

namespace {

// A woman with every field filled, her parents, a child, a sister and three partnerships.
struct PersonTexts : ::testing::Test {
    FakeTexts texts;
    FixedDisplaySettings settings{false, false};
    std::vector<std::unique_ptr<Clovek>> people;
    std::vector<std::unique_ptr<Svatba>> partnerships;
    Clovek* marie = nullptr;
    Clovek* karel = nullptr;

    Clovek* add(const std::string& first, const std::string& surname, int sex, const Datum& birth)
    {
        people.emplace_back(makePerson(first, surname, sex, birth));
        people.back()->number = int(people.size()) - 1;
        people.back()->identifier = std::to_string(people.size() - 1);
        return people.back().get();
    }
    Svatba* marry(Clovek* a, Clovek* b, PartnershipType type)
    {
        partnerships.emplace_back(partnership(a, b, type));
        return partnerships.back().get();
    }

    void SetUp() override
    {
        setClock([] { return encodeDate(2024, 6, 15); });
        marie = add("Marie", "Nováková", 0, date("5", "3", "1900"));
        marie->birthSurname = "Svobodová";
        marie->titlesBefore = "Ing.";
        marie->titlesAfter = "CSc.";
        marie->birthPlace = "Praha";
        marie->alive = 0;
        marie->death = date("7", "5", "1970");
        marie->deathPlace = "Brno";
        marie->deathCause = "stáří";
        marie->burial = "Olšany";
        marie->number = 42;
        marie->father = add("Jan", "Svoboda", 1, date("?", "?", "1870"));
        marie->mother = add("Anna", "Svobodová", 0, date("?", "?", "1875"));
        marie->children.append(std::make_unique<UkClovek>(add("Petr", "Novák", 1, date("1", "1", "1925"))));
        marie->siblings().append(
            std::make_unique<UkClovek>(add("Eva", "Svobodová", 0, date("?", "?", "1902"))));
        karel = add("Karel", "Novák", 1, date("1", "1", "1895"));
        karel->alive = 0;
        karel->death = date("1", "1", "1960");
        Svatba* wedding = marry(marie, karel, PartnershipType::married);
        wedding->wedding = date("1", "6", "1920");
        wedding->place = "Praha";
        wedding->officiant = "farář Dvořák";
        wedding->witnesses = "Josef a Jana";
        Svatba* partners = marry(marie, add("Josef", "Král", 1, Datum()), PartnershipType::plain);
        partners->wedding = date("1", "1", "1961");
        Svatba* divorce = marry(marie, add("Adam", "Malý", 1, Datum()), PartnershipType::divorced);
        divorce->wedding = date("1", "1", "1962");
        divorce->divorce = date("?", "?", "1965");
        marie->residences.append(std::unique_ptr<Prvek>(period("Praha", "1900", "1920")));
        marie->residences.append(std::unique_ptr<Prvek>(period("", "1920", "")));
        marie->educations.append(std::unique_ptr<Prvek>(period("gymnázium", "", "")));
        marie->occupations.append(std::unique_ptr<Prvek>(period("učitelka", "1920", "1960")));
        marie->email1 = "marie@example.cz";
        marie->email2 = "m@example.cz";
        marie->phone1 = "123";
        marie->phone2 = "456";
        marie->web1 = "www.a.cz";
        marie->web2 = "www.b.cz";
        marie->photos.append(std::make_unique<UkFotka>(new Fotka(1)));
        marie->photos.append(std::make_unique<UkFotka>(new Fotka(2)));
        marie->setFurtherTexts({"poznámka"});
    }
    void TearDown() override { setClock({}); }
};

} // namespace

TEST_F(PersonTexts, SummaryOfAPersonWithEveryField)
{
    Lines lines{"old"};
    writePersonSummary(*marie, lines, texts, settings);
    EXPECT_EQ(lines, (Lines{
                         "Ing. Marie Nováková, CSc.",
                         "rodné příjmení: Svobodová",
                         "",
                         "narozena: 5. března 1900, Praha",
                         "narozena ve znamení: Ryby (20.2.-20.3., Jupiter a Neptun)",
                         "zemřela 7. května 1970, Brno (stáří)",
                         "   délka života: 25630 dní (70 let, 2 měsíce a 2 dny)",
                         "",
                         " otec: Jan Svoboda",
                         "matka: Anna Svobodová",
                         "",
                         "děti:",
                         "   Petr Novák",
                         "",
                         "sourozenci:",
                         "   Eva Svobodová",
                         "",
                         "partneři:",
                         "   Karel Novák (1. června 1920)",
                         "      délka manželství: 14458 dní (39 let, 7 měsíců)",
                         "   Josef Král",
                         "   Adam Malý (1. ledna 1962 - v roce 1965)",
                         "      délka manželství: 3 roky",
                         "",
                         "bydliště:",
                         "   Praha (1900-1920)",
                         "",
                         "vzdělání:",
                         "   gymnázium",
                         "",
                         "povolání:",
                         "   učitelka (1920-1960)",
                         "",
                         "",
                     }));
    // Labels are standard lookups; the words of dates are plain reads.
    EXPECT_EQ(texts.asked.front(), "shrnutiOsoby/rodnePrijmeni");
    EXPECT_NE(std::find(texts.plainReads.begin(), texts.plainReads.end(), "datum/brezna"),
              texts.plainReads.end());
    EXPECT_EQ(std::find(texts.asked.begin(), texts.asked.end(), "datum/brezna"), texts.asked.end());
}

TEST_F(PersonTexts, SummaryOfALivingPersonAndOfAnEmptyOne)
{
    // While alive the life runs to today and no death line shows, whatever is stored.
    marie->alive = 1;
    karel->alive = 1;
    marie->birthSurname = "Nováková";
    settings = FixedDisplaySettings(true, false);
    Lines lines;
    writePersonSummary(*marie, lines, texts, settings);
    EXPECT_EQ(lines[0], "Ing. Marie Nováková, CSc.");
    EXPECT_EQ(lines[1], ""); // the birth surname equals the surname
    EXPECT_EQ(lines[4], "   délka života: 45393 dní (124 let, 3 měsíce a 10 dní)");
    EXPECT_EQ(lines[5], "");
    // Both partners alive: the marriage runs to today as well.
    EXPECT_EQ(lines[17], "      délka manželství: 38000 dní (104 let a 14 dní)");
    EXPECT_EQ(lines[20], "      délka manželství: 3 roky");

    // A divorce without a year gives no length of the marriage.
    partnerships[2]->divorce = Datum();
    writePersonSummary(*marie, lines, texts, settings);
    EXPECT_EQ(lines[19], "   Adam Malý (1. ledna 1962)");
    EXPECT_EQ(lines[20], "");

    Clovek nobody;
    writePersonSummary(nobody, lines, texts, settings);
    EXPECT_EQ(lines, (Lines{" ", "", ""}));
}

TEST_F(PersonTexts, MarriageOfTwoDeadPartnersEndsAtTheEarlierDeath)
{
    marie->death = date("1", "1", "1950"); // before Karel's death
    Lines lines;
    writePersonSummary(*marie, lines, texts, settings);
    EXPECT_EQ(lines[19], "      délka manželství: 10806 dní (29 let, 7 měsíců)");
    // A divorce typed before the wedding tells no length of the marriage, not "-1 let".
    partnerships[2]->divorce = date("?", "?", "1961");
    writePersonSummary(*marie, lines, texts, settings);
    EXPECT_EQ(lines[21], "   Adam Malý (1. ledna 1962 - v roce 1961)");
    EXPECT_EQ(lines[22], "");
    // An impossible death date still fills the summary; what cannot be computed shows "?".
    marie->death = date("31", "4", "1950");
    writePersonSummary(*marie, lines, texts, settings);
    EXPECT_EQ(lines[5], "zemřela 31. dubna 1950, Brno (stáří)");
    EXPECT_EQ(lines[6], "   délka života: ?");
    EXPECT_EQ(lines[19], "      délka manželství: ?");
    marie->birth = date("31", "4", "1900");
    writePersonSummary(*marie, lines, texts, settings);
    EXPECT_EQ(lines[4], "narozena ve znamení: ?");
}

// Born in May 1860 (the day unknown), died on 12 March 1925: the birth tells its month, and
// the life was 64 years, not the 65 of the years alone.
TEST_F(PersonTexts, ABirthKnownInPartTellsItsMonthAndAgesByIt)
{
    marie->birth = date("?", "5", "1860");
    marie->death = date("12", "3", "1925");
    Lines lines;
    writePersonSummary(*marie, lines, texts, settings);
    EXPECT_EQ(lines[3], "narozena: v květnu 1860, Praha");
    EXPECT_EQ(lines[5], "   délka života: 64 let");
}

TEST_F(PersonTexts, FormOfAPersonWithEveryField)
{
    settings = FixedDisplaySettings(false, true);
    Lines lines;
    writePersonForm(*marie, lines, false, texts, settings);
    EXPECT_EQ(lines, (Lines{
                         "",
                         "JMÉNO A PŘÍJMENÍ: Ing. Marie Nováková, CSc.",
                         "Rodné příjmení: Svobodová",
                         "",
                         "Identifikační číslo: 42",
                         "",
                         "Pohlaví: žena",
                         "",
                         "Datum narození: 5. 3. 1900",
                         "Místo narození: Praha",
                         "",
                         "Datum úmrtí: 7. 5. 1970",
                         "Místo úmrtí: Brno",
                         "Místo pohřbení: Olšany",
                         "Příčina úmrtí: stáří",
                         "",
                         "Otec:Svoboda Jan, 1870 (1)",
                         "",
                         "Matka:Svobodová Anna, 1875 (2)",
                         "",
                         "Svatby:",
                         "",
                         "Partner: Novák Karel, 1895 (5)",
                         "Datum svatby: 1. 6. 1920",
                         "Místo svatby: Praha",
                         "Oddávající kněz: farář Dvořák",
                         "Svědkové: Josef a Jana",
                         "Datum rozvodu: ",
                         "",
                         "Partner: Malý Adam, ? (7)",
                         "Datum svatby: 1. 1. 1962",
                         "Místo svatby: ",
                         "Oddávající kněz: ",
                         "Svědkové: ",
                         "Datum rozvodu:   .   . 1965",
                         "",
                         "Partner:",
                         "Datum svatby:",
                         "Místo svatby:",
                         "Oddávající kněz:",
                         "Svědkové:",
                         "Datum rozvodu:",
                         "",
                         "Děti:",
                         "Novák Petr, 1925 (3)",
                         "",
                         "",
                         "Bydliště:",
                         "Praha (1900-1920)",
                         " (1920)",
                         "",
                         "",
                         "Vzdělání:",
                         "gymnázium",
                         "",
                         "",
                         "Povolání:",
                         "učitelka (1920-1960)",
                         "",
                         "",
                         "Email: marie@example.cz",
                         "m@example.cz",
                         "",
                         "Telefon: 123",
                         "456",
                         "",
                         "WWW: www.a.cz",
                         "www.b.cz",
                         "",
                         "Další poznámky:",
                         "",
                     }));
}

TEST_F(PersonTexts, FormOfALivingAndOfABlankPerson)
{
    marie->alive = 1;
    Lines lines;
    writePersonForm(*marie, lines, false, texts, settings);
    EXPECT_EQ(lines[11], "Datum úmrtí: ");

    Clovek nobody;
    writePersonForm(nobody, lines, true, texts, settings);
    EXPECT_EQ(lines.size(), 52u);
    EXPECT_EQ(lines[1], "JMÉNO A PŘÍJMENÍ:  ");
    EXPECT_EQ(lines[4], "Identifikační číslo: ");
    EXPECT_EQ(lines[6], "Pohlaví:");
    EXPECT_EQ(lines[8], "Datum narození:   .   .     ");
    EXPECT_EQ(lines[16], "Otec:");
    EXPECT_EQ(lines[20], "Svatby:");
    EXPECT_EQ(lines[22], "Partner:");
    EXPECT_EQ(lines[29], "Děti:");
    EXPECT_EQ(lines[32], "Bydliště:");
    EXPECT_EQ(lines[50], "Další poznámky:");
    // The blank form asks for no sex word.
    EXPECT_EQ(std::count(texts.asked.begin(), texts.asked.end(), "vyplneniFormulare/zena"), 1);
}

TEST_F(PersonTexts, TabContentsNote)
{
    EXPECT_EQ(tabContentsText(*marie, texts), " (Fotky 2x; Text)");
    Clovek files;
    auto* record = new Soubor(1);
    for (int i = 0; i < 3; ++i)
        files.files.append(std::make_unique<UkSoubor>(record));
    EXPECT_EQ(tabContentsText(files, texts), " (Soub. 3x)");
    files.documents.append(std::make_unique<UkDokument>(new Dokument(1)));
    EXPECT_EQ(tabContentsText(files, texts), " (Dok. 1x; Soub. 3x)");
    Clovek nobody;
    EXPECT_EQ(tabContentsText(nobody, texts), "");
    texts.overrides["Text"] = "Texty";
    nobody.setFurtherTexts({""});
    EXPECT_EQ(tabContentsText(nobody, texts), " (Texty)");
    EXPECT_EQ(texts.asked.back(), "ruzne/Text");
}
