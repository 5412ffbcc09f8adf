#include "model/casove_obdobi.h"
#include "model/clovek.h"
#include "model/display_settings.h"
#include "model/person_text_field.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "model_helpers.h"
#include "system/collation.h"
#include "system/stringlist.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

class ValueListsTest : public ::testing::Test {
protected:
    void SetUp() override { setCollationLocale("cs"); }

    // Persons stand in the chain newest first: the last one added is met first.
    Clovek* add(const std::string& first = "Jan", const std::string& surname = "Novák")
    {
        return addPersonTo(tree, first, surname);
    }
    std::vector<std::string> lines() const { return list.lines(); }

    Rod tree;
    TStringList list;
};

const std::vector<std::string> kTitlesBefore = {"Bc.",      "BcA.",  "doc.",  "Dr.",   "Ing.",  "Ing.arch.",
                                                "JUDr.",    "MgA.",  "Mgr.",  "MUDr.", "MVDr.", "PaedDr.",
                                                "PharmDr.", "PhDr.", "prof.", "RNDr.", "ThDr.", "ThLic."};

TEST_F(ValueListsTest, TitlesStartWithTheBuiltInsWhichTakePartInTheTest)
{
    list.Add("zbytek");
    tree.distinctTitlesBefore(list);
    EXPECT_EQ(lines(), kTitlesBefore);

    add()->titlesBefore = "MUDr.";
    add()->titlesBefore = "mudr.";
    add()->titlesBefore = "Ing. Mgr.";
    add()->titlesBefore = "Ing. Mgr.";
    tree.distinctTitlesBefore(list);
    std::vector<std::string> expected = kTitlesBefore;
    expected.push_back("Ing. Mgr.");
    EXPECT_EQ(lines(), expected);

    add()->titlesAfter = "Ph.D., MBA";
    tree.distinctTitlesAfter(list);
    EXPECT_EQ(lines(),
              (std::vector<std::string>{"CSc.", "DiS.", "dr.h.c.", "DrSc.", "Ph.D.", "Th.D.", "Ph.D., MBA"}));
}

TEST_F(ValueListsTest, DeathCausesBeginWithAnEmptyItemAndTheLanguagesCauses)
{
    FakeTexts texts;
    texts.overrides["rakovina"] = "cancer";
    add()->deathCause = "nehoda";
    add()->deathCause = "Tuberkulóza";
    tree.distinctDeathCauses(list, texts);
    EXPECT_EQ(lines(), (std::vector<std::string>{"", "neznámá", "přirozená", "zdravotní problémy", "cancer",
                                                 "nehoda", "vražda", "sebevražda", "při narození",
                                                 "při porodu", "jiná", "Tuberkulóza"}));
    EXPECT_EQ(texts.asked.front(), "pricinaSmrti/neznama");
    EXPECT_EQ(texts.asked.size(), 10u);
}

TEST_F(ValueListsTest, ValuesDifferingInCaseKeepTheSpellingMetFirstInChainOrder)
{
    add()->birthPlace = "PRAHA";
    add()->birthPlace = "";
    add()->birthPlace = "Brno";
    add()->birthPlace = "Praha";
    tree.distinctBirthPlaces(list);
    EXPECT_EQ(lines(), (std::vector<std::string>{"Praha", "Brno"}));
}

TEST_F(ValueListsTest, EachFieldCollectsItsOwnValues)
{
    Clovek* p = add("Eva", "Malá");
    p->birthSurname = "Velká";
    p->deathPlace = "Plzeň";
    p->burial = "Vyšehrad";
    p->religion = "katolické";
    p->baptism = "sv. Jiří";
    p->nationality = "česká";
    p->citizenship = "ČR";
    p->user1 = "u1";
    p->user2 = "u2";
    p->user3 = "u3";
    p->user4 = "u4";
    p->user5 = "u5";
    using Fill = void (Rod::*)(TStringList&) const;
    const std::pair<Fill, const char*> fields[] = {
        {&Rod::distinctFirstNames, "Eva"},        {&Rod::distinctSurnames, "Malá"},
        {&Rod::distinctBirthSurnames, "Velká"},   {&Rod::distinctDeathPlaces, "Plzeň"},
        {&Rod::distinctBurialPlaces, "Vyšehrad"}, {&Rod::distinctReligions, "katolické"},
        {&Rod::distinctBaptisms, "sv. Jiří"},     {&Rod::distinctNationalities, "česká"},
        {&Rod::distinctCitizenships, "ČR"},       {&Rod::distinctUser1Values, "u1"},
        {&Rod::distinctUser2Values, "u2"},        {&Rod::distinctUser3Values, "u3"},
        {&Rod::distinctUser4Values, "u4"},        {&Rod::distinctUser5Values, "u5"}};
    for (const auto& [fill, value] : fields) {
        (tree.*fill)(list);
        EXPECT_EQ(lines(), std::vector<std::string>{value}) << value;
    }
}

TEST_F(ValueListsTest, LifePeriodTextsAreListedOnceInListOrder)
{
    for (int i = 0; i < 5; ++i)
        add()->residences.append(std::make_unique<CasoveObdobi>("Kolín"));
    Clovek* p = add();
    p->residences.append(std::make_unique<CasoveObdobi>("Beroun"));
    p->residences.append(std::make_unique<CasoveObdobi>("Kolín"));
    p->educations.append(std::make_unique<CasoveObdobi>("gymnázium"));
    p->occupations.append(std::make_unique<CasoveObdobi>("kovář"));
    p->occupations.append(std::make_unique<CasoveObdobi>(""));
    tree.distinctResidences(list);
    EXPECT_EQ(lines(), (std::vector<std::string>{"Beroun", "Kolín"}));
    tree.distinctEducations(list);
    EXPECT_EQ(lines(), std::vector<std::string>{"gymnázium"});
    tree.distinctOccupations(list);
    EXPECT_EQ(lines(), std::vector<std::string>{"kovář"});
}

TEST_F(ValueListsTest, AWeddingPlaceMetThroughBothPartnersIsListedOnce)
{
    Svatba* s = partnership(add("Jan"), add("Eva"), PartnershipType::married);
    s->place = "Tábor";
    tree.distinctWeddingPlaces(list);
    EXPECT_EQ(lines(), std::vector<std::string>{"Tábor"});
}

TEST_F(ValueListsTest, GodparentChoicesNameEveryOtherPersonEvenWhenTwoReadAlike)
{
    Clovek* only = add("Jan", "Novák");
    tree.listOtherPersons(list, only, FixedDisplaySettings());
    EXPECT_TRUE(lines().empty());

    Clovek* twin = add("Jan", "Novák");
    twin->identifier = only->identifier;
    Clovek* me = add("Eva", "Nová");
    tree.listOtherPersons(list, me, FixedDisplaySettings());
    std::string name = "Novák Jan (" + only->identifier + ")";
    EXPECT_EQ(lines(), (std::vector<std::string>{name, name}));
}

TEST_F(ValueListsTest, ASortedComboReceivesEachValueOnceInItsOrder)
{
    list.setSorted(true);
    for (const char* place : {"Žatec", "Cheb", "Aš", "cheb", "Hořice"})
        add()->birthPlace = place;
    tree.distinctBirthPlaces(list);
    EXPECT_EQ(lines(), (std::vector<std::string>{"Aš", "Hořice", "cheb", "Žatec"}));
    EXPECT_TRUE(list.Sorted());
}

} // namespace

// The kept list is made again whenever what it is made from changed, whichever way the change
// came: through the editor's fields, by a plain write, or by persons joining and leaving.
TEST_F(ValueListsTest, AKeptListFollowsEveryChangeOfItsField)
{
    auto kept = [this] {
        TStringList out;
        tree.keptDistinctTexts(out, &Rod::distinctSurnames, &Clovek::surname);
        return out.lines();
    };
    auto fresh = [this] {
        TStringList out;
        tree.distinctSurnames(out);
        return out.lines();
    };
    Clovek* only = add("Jan", "Dvořák");
    add("Eva", "Malá");
    ASSERT_EQ(kept(), fresh());

    // The only person of a surname renamed through the editor's field, then back by a plain write.
    PersonTextField(&Clovek::surname).set(*only, "Černý");
    EXPECT_EQ(kept(), (std::vector<std::string>{"Malá", "Černý"}));
    only->surname = "Dvořák";
    EXPECT_EQ(kept(), fresh());
    only->surname.edit() += "ová";
    EXPECT_EQ(kept(), fresh());

    // Another field written through the editor leaves the list as it was, and true.
    PersonTextField(&Clovek::firstName).set(*only, "Petr");
    EXPECT_EQ(kept(), fresh());

    // A new person joins empty and is named afterwards; one that joins named from outside.
    Clovek* blank = tree.addNewPerson(std::make_unique<Clovek>());
    EXPECT_EQ(kept(), fresh());
    PersonTextField(&Clovek::surname).set(*blank, "malá");
    EXPECT_EQ(kept(), fresh());
    add("Ota", "Zeman");
    EXPECT_EQ(kept(), fresh());

    // Leaving persons take their surnames along, and a spelling met first gives way to the next.
    tree.removePerson(blank);
    EXPECT_EQ(kept(), fresh());
    tree.removePerson(only);
    EXPECT_EQ(kept(), (std::vector<std::string>{"Zeman", "Malá"}));
}

// The open keeps the first-name list from the walk it makes anyway; what it keeps is what a fill
// of the list would make, and it follows later changes as a filled list does.
TEST_F(ValueListsTest, TheFirstNamesKeptByAnOpenAreTheListAFillMakes)
{
    const std::string longName(45, 'x'); // long texts are each held apart, never shared
    for (const std::string& name : {std::string("Eva"), longName, std::string("jan"), std::string(""),
                                    longName, std::string("Jan"), std::string("Eva"), std::string("JAN")})
        add(name);
    add("Ota")->firstName.edit() = "Eva"; // a text of its own, spelled as a shared one
    auto kept = [this] {
        TStringList out;
        tree.keptDistinctTexts(out, &Rod::distinctFirstNames, &Clovek::firstName);
        return out.lines();
    };
    tree.fillEmptyIdentifiers();
    EXPECT_EQ(kept(), (std::vector<std::string>{"Eva", "JAN", longName}));
    tree.distinctFirstNames(list);
    EXPECT_EQ(lines(), kept());

    PersonTextField(&Clovek::firstName).set(*tree.firstPerson, "Petr");
    EXPECT_EQ(kept(), (std::vector<std::string>{"Petr", "JAN", "Eva", longName}));
    tree.firstPerson->chainNext->firstName = "Ota";
    EXPECT_EQ(kept(), (std::vector<std::string>{"Petr", "Ota", "Eva", "Jan", longName}));
}
