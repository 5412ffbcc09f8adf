#include "model/clovek.h"
#include "model/display_settings.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "model_helpers.h"
#include "system/collation.h"
#include "system/stringlist.h"
#include "system/text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace {

// Three generations around Adam: his father Karel was widowed by Anna and lives with Lucie, who
// bore Adam's half-brother; Adam's aunt married once and divorced once; Adam married Tereza after
// divorcing Hana; his mother's parents are unknown.
class KinshipTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setCollationLocale("cs");
        grandfather = add("Josef", "Novák", 1, "1900");
        grandmother = add("Marie", "Nováková", 0, "1902");
        father = child("Karel", "Novák", 1, "1925", grandfather, grandmother);
        uncle = child("Petr", "Novák", 1, "1927", grandfather, grandmother);
        aunt = child("Eva", "Nováková", 0, "1929", grandfather, grandmother);
        auntsHusband = add("Jan", "Dvořák", 1, "1928");
        auntsExHusband = add("Tomáš", "Malý", 1, "1926");
        unclesWife = add("Jana", "Nováková", 0, "1930");
        partnership(aunt, auntsHusband, PartnershipType::married);
        partnership(aunt, auntsExHusband, PartnershipType::divorced);
        partnership(uncle, unclesWife, PartnershipType::married);
        cousinBoy = child("Vít", "Novák", 1, "1955", uncle, unclesWife);
        cousinGirl = child("Olga", "Dvořáková", 0, "1956", auntsHusband, aunt);

        mother = add("Anna", "Nováková", 0, "1928");
        mother->alive = 0;
        partnership(father, mother, PartnershipType::married);
        lucieMother = add("Běla", "Černá", 0, "1905");
        lucie = child("Lucie", "Černá", 0, "1935", nullptr, lucieMother);
        lucieSister = child("Dana", "Černá", 0, "1937", nullptr, lucieMother);
        lucieNephew = child("Igor", "Černý", 1, "1960", nullptr, lucieSister);
        partnership(father, lucie, PartnershipType::plain);

        sister = child("Klára", "Nováková", 0, "1950", father, mother);
        adam = child("Adam", "Novák", 1, "1952", father, mother);
        halfBrother = child("Martin", "Novák", 1, "1962", father, lucie);
        sistersHusband = add("Roman", "Krejčí", 1, "1949");
        partnership(sister, sistersHusband, PartnershipType::married);
        sistersDaughter = child("Iva", "Krejčí", 0, "1975", sistersHusband, sister);

        wifesMother = add("Alžběta", "Bílá", 0, "1930");
        wife = child("Tereza", "Bílá", 0, "1953", nullptr, wifesMother);
        wifesBrother = child("Ondřej", "Bílý", 1, "1955", nullptr, wifesMother);
        wifesSister = child("Lenka", "Bílá", 0, "1957", nullptr, wifesMother);
        wifesBrothersWife = add("Petra", "Bílá", 0, "1958");
        partnership(wifesBrother, wifesBrothersWife, PartnershipType::married);
        wifesNephew = child("Ota", "Bílý", 1, "1980", wifesBrother, wifesBrothersWife);
        wifesSistersHusband = add("Pavel", "Zelený", 1, "1954");
        partnership(wifesSistersHusband, wifesSister, PartnershipType::married);
        partnership(adam, wife, PartnershipType::married);

        exWifesMother = add("Věra", "Šedá", 0, "1931");
        exWife = child("Hana", "Šedá", 0, "1954", nullptr, exWifesMother);
        exWifesBrother = child("Ivan", "Šedý", 1, "1956", nullptr, exWifesMother);
        child("Jiří", "Šedý", 1, "1982", exWifesBrother, nullptr);
        partnership(adam, exWife, PartnershipType::divorced);

        son = child("Filip", "Novák", 1, "1978", adam, wife);
        daughter = child("Ema", "Nováková", 0, "1980", adam, wife);
        sonsPartner = add("Zuzana", "Malá", 0, "1979");
        partnership(son, sonsPartner, PartnershipType::plain);
        daughtersHusband = add("Lukáš", "Vávra", 1, "1977");
        daughtersExHusband = add("Aleš", "Kos", 1, "1976");
        partnership(daughter, daughtersHusband, PartnershipType::married);
        partnership(daughter, daughtersExHusband, PartnershipType::divorced);
        grandson = child("Jakub", "Novák", 1, "2000", son, sonsPartner);
        granddaughter = child("Sára", "Nováková", 0, "2002", son, sonsPartner);
        child("Tobiáš", "Novák", 1, "2025", grandson, nullptr);

        tree.rebuildChildLists();
        tree.rebuildAllSiblingLists();
    }

    Clovek* add(const std::string& first, const std::string& surname, int sex, const std::string& year)
    {
        return addPersonTo(tree, first, surname, sex, Datum("1", "1", year));
    }
    Clovek* child(const std::string& first, const std::string& surname, int sex, const std::string& year,
                  Clovek* f, Clovek* m)
    {
        Clovek* p = add(first, surname, sex, year);
        p->father = f;
        p->mother = m;
        return p;
    }
    std::string n(const Clovek* p) const { return p->displayName(false, false, true); }
    std::vector<std::string> names(std::initializer_list<const Clovek*> persons) const
    {
        std::vector<std::string> out;
        for (const Clovek* p : persons)
            out.push_back(n(p));
        return out;
    }
    static std::vector<std::string> lines(const TStringList& list) { return list.lines(); }
    static std::set<std::string> asSet(const std::vector<std::string>& v) { return {v.begin(), v.end()}; }

    Rod tree;
    FixedDisplaySettings plain;
    TStringList list;
    Clovek *grandfather, *grandmother, *father, *uncle, *aunt, *auntsHusband, *auntsExHusband, *unclesWife,
        *cousinBoy, *cousinGirl, *mother, *lucieMother, *lucie, *lucieSister, *lucieNephew, *sister, *adam,
        *halfBrother, *sistersHusband, *sistersDaughter, *wifesMother, *wife, *wifesBrother, *wifesSister,
        *wifesBrothersWife, *wifesNephew, *wifesSistersHusband, *exWifesMother, *exWife, *exWifesBrother,
        *son, *daughter, *sonsPartner, *daughtersHusband, *daughtersExHusband, *grandson, *granddaughter;
};

TEST_F(KinshipTest, SiblingsIncludeHalfSiblingsInBirthOrder)
{
    tree.listBrothers(list, adam, true, plain);
    EXPECT_EQ(lines(list), names({halfBrother}));
    tree.listSisters(list, adam, true, plain);
    EXPECT_EQ(lines(list), names({sister}));
    tree.listSiblings(list, adam, true, plain);
    EXPECT_EQ(lines(list), names({sister, halfBrother}));
}

TEST_F(KinshipTest, ChildrenAndGrandchildrenAreOneGenerationEach)
{
    tree.listSons(list, adam, true, plain);
    EXPECT_EQ(lines(list), names({son}));
    tree.listDaughters(list, adam, true, plain);
    EXPECT_EQ(lines(list), names({daughter}));
    tree.listChildren(list, adam, true, plain);
    EXPECT_EQ(asSet(lines(list)), asSet(names({son, daughter})));
    tree.listGrandsons(list, adam, plain);
    EXPECT_EQ(lines(list), names({grandson}));
    tree.listGranddaughters(list, adam, plain);
    EXPECT_EQ(lines(list), names({granddaughter}));
    tree.listGrandchildren(list, adam, plain);
    EXPECT_EQ(asSet(lines(list)), asSet(names({grandson, granddaughter})));
}

TEST_F(KinshipTest, GrandparentsSkipTheUnknownSide)
{
    tree.listGrandfathers(list, adam, plain);
    EXPECT_EQ(lines(list), names({grandfather}));
    tree.listGrandmothers(list, adam, plain);
    EXPECT_EQ(lines(list), names({grandmother}));
    tree.listGrandparents(list, adam, plain);
    EXPECT_EQ(lines(list), names({grandfather, grandmother}));
}

TEST_F(KinshipTest, APersonWithoutParentsGetsEmptiedListsOfAncestorsAndTheirKin)
{
    for (auto query :
         {&Rod::listGrandfathers, &Rod::listGrandmothers, &Rod::listGrandparents, &Rod::listUnclesAndAunts,
          &Rod::listMaleCousins, &Rod::listFemaleCousins, &Rod::listCousins}) {
        list.Add("zbytek");
        (tree.*query)(list, mother, plain);
        EXPECT_EQ(list.Count(), 0);
    }
    list.Add("zbytek");
    tree.listUncles(list, mother, true, plain);
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(KinshipTest, UnclesAndAuntsTakeTheParentsSiblingsPartnersButNeverADivorcedOne)
{
    tree.listUncles(list, adam, true, plain);
    EXPECT_EQ(lines(list), names({uncle, auntsHusband}));
    tree.listAunts(list, adam, true, plain);
    EXPECT_EQ(lines(list), names({unclesWife, aunt}));
    tree.listUnclesAndAunts(list, adam, plain);
    EXPECT_EQ(lines(list), names({uncle, auntsHusband, unclesWife, aunt}));
}

TEST_F(KinshipTest, CousinsReachTheFathersPartnersSideOnceEach)
{
    tree.listMaleCousins(list, adam, plain);
    EXPECT_EQ(lines(list), names({cousinBoy, lucieNephew}));
    tree.listFemaleCousins(list, adam, plain);
    EXPECT_EQ(lines(list), names({cousinGirl}));
    tree.listCousins(list, adam, plain);
    EXPECT_EQ(lines(list), names({cousinBoy, lucieNephew, cousinGirl}));
}

TEST_F(KinshipTest, NephewsAndNiecesComeThroughSiblingsAndUndivorcedPartners)
{
    tree.listNephews(list, adam, true, plain);
    EXPECT_EQ(lines(list), names({wifesNephew}));
    tree.listNieces(list, adam, true, plain);
    EXPECT_EQ(lines(list), names({sistersDaughter}));
    tree.listNephewsAndNieces(list, adam, true, plain);
    EXPECT_EQ(lines(list), names({wifesNephew, sistersDaughter}));
}

TEST_F(KinshipTest, ChildrenInLawCountPlainPartnershipsButNotDivorces)
{
    tree.listSonsInLaw(list, adam, true, plain);
    EXPECT_EQ(lines(list), names({daughtersHusband}));
    tree.listDaughtersInLaw(list, adam, true, plain);
    EXPECT_EQ(lines(list), names({sonsPartner}));
    tree.listChildrenInLaw(list, adam, true, plain);
    EXPECT_EQ(asSet(lines(list)), asSet(names({sonsPartner, daughtersHusband})));
}

TEST_F(KinshipTest, SiblingsInLawComeFromThePartnersFamilyAndTheOwnSiblingsPartners)
{
    tree.listBrothersInLaw(list, adam, true, plain);
    EXPECT_EQ(lines(list), names({wifesBrother, wifesSistersHusband, sistersHusband}));
    tree.listSistersInLaw(list, adam, true, plain);
    EXPECT_EQ(lines(list), names({wifesBrothersWife, wifesSister}));
    tree.listSiblingsInLaw(list, adam, true, plain);
    EXPECT_EQ(lines(list),
              names({wifesBrother, wifesBrothersWife, wifesSister, wifesSistersHusband, sistersHusband}));
}

TEST_F(KinshipTest, AddingToAListKeepsOneLineForEachTextWhateverItsCase)
{
    tree.listSiblings(list, adam, true, plain);
    tree.listSiblings(list, adam, false, plain);
    EXPECT_EQ(list.Count(), 2);

    list.Clear();
    list.Add(upperCase(n(halfBrother)));
    tree.listBrothers(list, adam, false, plain);
    EXPECT_EQ(lines(list), std::vector<std::string>{upperCase(n(halfBrother))});

    // Two siblings married to two siblings reach each other twice.
    partnership(halfBrother, wifesSister, PartnershipType::married);
    tree.listSiblingsInLaw(list, adam, true, plain);
    std::vector<std::string> got = lines(list);
    EXPECT_EQ(asSet(got).size(), got.size());
}

TEST_F(KinshipTest, PersonsOfEqualDisplayTextAreListedOnce)
{
    Clovek* twin = child("Petr", "Novák", 1, "1927", grandfather, grandmother);
    twin->identifier = uncle->identifier;
    tree.rebuildAllSiblingLists();
    tree.listBrothers(list, father, true, plain);
    EXPECT_EQ(lines(list), names({uncle}));
}

TEST_F(KinshipTest, TheDisplaySettingsShapeTheLines)
{
    FixedDisplaySettings withBirth(false, true);
    tree.listSisters(list, adam, true, withBirth);
    EXPECT_EQ(lines(list), std::vector<std::string>{"Nováková Klára, 1950 (" + sister->identifier + ")"});
    tree.listSisters(list, adam, true, plain);
    EXPECT_EQ(lines(list), std::vector<std::string>{"Nováková Klára (" + sister->identifier + ")"});
}

TEST_F(KinshipTest, ASortedListReceivesTheLinesInItsOrder)
{
    list.setSorted(true);
    tree.listSiblingsInLaw(list, adam, true, plain);
    std::vector<std::string> got = lines(list);
    EXPECT_TRUE(std::is_sorted(got.begin(), got.end(), [](const std::string& a, const std::string& b) {
        return compareCollated(a, b) < 0;
    }));
    EXPECT_EQ(got.size(), 5u);
}

} // namespace
