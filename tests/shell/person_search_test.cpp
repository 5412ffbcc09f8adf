#include "shell/person_search.h"

#include "model/casove_obdobi.h"
#include "model/clovek.h"
#include "model/datum.h"
#include "model/path_utils.h"
#include "model/person_builders.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "system/text.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class PersonSearchTest : public ::testing::Test {
protected:
    Clovek* add(const std::string& first, const std::string& surname, const Datum& birth = Datum())
    {
        return addPersonTo(tree, first, surname, 1, birth);
    }
    std::vector<Clovek*> byText(std::string_view needle, const TextSearchFields& f)
    {
        return findPersonsByText(tree, needle, f);
    }
    std::vector<Clovek*> byDate(DateSearchMode mode, const DateSearchFields& f, const Datum& first,
                                const Datum& second = Datum("31", "12", "2005"))
    {
        return findPersonsByDate(tree, first, second, mode, f);
    }
    using Persons = std::vector<Clovek*>;

    Rod tree;
};

TEST_F(PersonSearchTest, PlainLowerCaseFindsCapitalsWithCzechAccentsInTheCheckedFieldsOnly)
{
    Clovek* p = add("Jan", "ŘEHÁČEK");
    TextSearchFields surname;
    surname.surname = true;
    EXPECT_EQ(byText("rehacek", surname), Persons{p});
    EXPECT_EQ(byText("Řeháček", surname), Persons{p});
    TextSearchFields firstName;
    firstName.firstName = true;
    EXPECT_TRUE(byText("rehacek", firstName).empty());
    EXPECT_TRUE(byText("rehacek", TextSearchFields{}).empty());
    EXPECT_TRUE(byText("", surname).empty());
}

TEST_F(PersonSearchTest, FieldsAreJoinedWithoutSeparatorsInTheirOrder)
{
    Clovek* p = add("Jan", "Novák");
    p->titlesBefore = "Ing.";
    p->titlesAfter = "CSc.";
    TextSearchFields names;
    names.firstName = names.surname = true;
    EXPECT_EQ(byText("jannov", names), Persons{p});
    EXPECT_TRUE(byText("novakjan", names).empty());
    TextSearchFields titles;
    titles.titles = true;
    EXPECT_EQ(byText("ing.csc", titles), Persons{p});
}

TEST_F(PersonSearchTest, MarriagesAndLifePeriodsAreSearchedButPlainPartnershipsNot)
{
    Clovek* a = add("Adam", "A");
    Clovek* b = add("Bára", "B");
    Clovek* c = add("Cyril", "C");
    partnership(a, b, PartnershipType::divorced)->place = "Tábor";
    partnership(b, c, PartnershipType::plain)->place = "Písek";
    partnership(a, c, PartnershipType::married)->witnesses = "Kořínek";
    c->occupations.append(std::make_unique<CasoveObdobi>("Kovář"));
    c->residences.append(std::make_unique<CasoveObdobi>("Brno"));
    TextSearchFields place;
    place.weddingPlace = true;
    EXPECT_EQ(byText("tabor", place), (Persons{b, a}));
    EXPECT_TRUE(byText("pisek", place).empty());
    TextSearchFields witnesses;
    witnesses.witnesses = true;
    EXPECT_EQ(byText("korinek", witnesses), (Persons{c, a}));
    TextSearchFields periods;
    periods.residences = periods.occupations = true;
    EXPECT_EQ(byText("brnokovar", periods), Persons{c});
}

TEST_F(PersonSearchTest, TheFoldOfTheSearchIsTheRuleOfTheTextHelpers)
{
    std::string all;
    for (char32_t c = 1; c < 0x3000; ++c)
        appendUtf8(all, c);
    all += "\xC5 \xFF\x80 a\xE2\x82";
    std::string folded;
    appendSearchFolded(folded, all);
    EXPECT_EQ(folded, asciiLowerText(all));
}

TEST_F(PersonSearchTest, AnExactDateFindsBirthsAndTheDeathsOfTheDeadOnly)
{
    Clovek* woman = add("Eva", "E", Datum("24", "12", "1900"));
    Clovek* man = add("Jan", "J");
    man->death = Datum("24", "12", "1900");
    DateSearchFields both;
    both.birth = both.death = true;
    EXPECT_EQ(byDate(DateSearchMode::exact, both, Datum("24", "12", "1900")), Persons{woman});
    man->alive = 0;
    EXPECT_EQ(byDate(DateSearchMode::exact, both, Datum("24", "12", "1900")), (Persons{man, woman}));
}

// A date known in part lies in a range, after a start or before an end wherever all the days it
// may stand for do; the comparison used to stop with no match at the first unknown part.
TEST_F(PersonSearchTest, ADateKnownInPartMatchesWhereverItsKnownPartsPutIt)
{
    Clovek* marie = add("Marie", "M", Datum("?", "7", "1892"));
    Clovek* last = add("Lída", "L", Datum("?", "?", "1892"));
    Clovek* first = add("Filip", "F", Datum("?", "?", "1880"));
    Clovek* dayNoMonth = add("Dan", "D", Datum("5", "?", "1886"));
    Clovek* later = add("Eva", "E", Datum("?", "?", "1893"));
    add("Nikdo", "N", Datum("5", "5", "?"));
    DateSearchFields birth;
    birth.birth = true;
    EXPECT_EQ(byDate(DateSearchMode::range, birth, Datum("1", "1", "1880"), Datum("31", "12", "1892")),
              (Persons{dayNoMonth, first, last, marie}));
    // Partly inside is not inside.
    EXPECT_EQ(byDate(DateSearchMode::range, birth, Datum("1", "6", "1892"), Datum("31", "12", "1892")),
              Persons{marie});
    EXPECT_EQ(byDate(DateSearchMode::range, birth, Datum("1", "1", "1892"), Datum("30", "7", "1892")),
              Persons{});
    EXPECT_EQ(byDate(DateSearchMode::range, birth, Datum("1", "1", "1892"), Datum("31", "7", "1892")),
              Persons{marie});
    EXPECT_EQ(byDate(DateSearchMode::from, birth, Datum("1", "7", "1892")), (Persons{later, marie}));
    EXPECT_EQ(byDate(DateSearchMode::from, birth, Datum("2", "7", "1892")), Persons{later});
    EXPECT_EQ(byDate(DateSearchMode::until, birth, Datum("31", "12", "1880")), (Persons{first}));
    EXPECT_EQ(byDate(DateSearchMode::until, birth, Datum("30", "12", "1880")), Persons{});
    EXPECT_EQ(byDate(DateSearchMode::until, birth, Datum("31", "12", "1886")), (Persons{dayNoMonth, first}));
}

TEST_F(PersonSearchTest, ADivorceIsSearchedOnlyInADivorcedMarriage)
{
    Clovek* a = add("Adam", "A");
    Clovek* b = add("Bára", "B");
    Clovek* c = add("Cyril", "C");
    Svatba* divorced = partnership(a, b, PartnershipType::divorced);
    divorced->divorce = Datum("1", "5", "1990");
    Svatba* plain = partnership(b, c, PartnershipType::plain);
    plain->wedding = Datum("1", "5", "1990");
    Svatba* married = partnership(a, c, PartnershipType::married);
    married->divorce = Datum("1", "5", "1990");
    DateSearchFields dates;
    dates.wedding = dates.divorce = true;
    EXPECT_EQ(byDate(DateSearchMode::exact, dates, Datum("1", "5", "1990")), (Persons{b, a}));
}

TEST_F(PersonSearchTest, ADateTheCalendarLacksMatchesNothingAndTheSearchGoesOn)
{
    add("Adam", "A", Datum("31", "4", "1900"));
    add("Bedřich", "B", Datum("5", "4", "19x0"));
    Clovek* sound = add("Cyril", "C", Datum("30", "4", "1900"));
    DateSearchFields birth;
    birth.birth = true;
    EXPECT_EQ(byDate(DateSearchMode::range, birth, Datum("1", "1", "1800"), Datum("31", "12", "2000")),
              Persons{sound});
    EXPECT_TRUE(byDate(DateSearchMode::exact, birth, Datum("31", "4", "1900")).empty());
}

} // namespace
