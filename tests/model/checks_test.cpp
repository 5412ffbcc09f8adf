// The date checks of parents and partners, rule by rule in their order, and the share of filled
// fields.
#include "model/casove_obdobi.h"
#include "model/checks.h"
#include "model/clovek.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "model_helpers.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

std::string failed(const DateCheck& check)
{
    return check ? std::string(check->key) + ": " + check->defaultText : "ok";
}

std::unique_ptr<Clovek> person(const Datum& birth, const Datum& death = Datum(), bool alive = true)
{
    auto p = std::make_unique<Clovek>();
    p->birth = birth;
    p->death = death;
    p->alive = alive ? 1 : 0;
    return p;
}

TEST(FatherDates, RulesInOrder)
{
    auto child = person(date("10", "2", "1985"));
    EXPECT_EQ(failed(checkFatherDates(*person(date("1", "1", "1990")), *child, 15, true)),
              "otecMladsiDite: Otec by byl mladší než dítě!");
    EXPECT_EQ(failed(checkFatherDates(*person(date("10", "3", "1970")), *child, 15, true)),
              "nizkyVekOtcePriDiteti: Příliš nízký věk otce při narození dítěte!");
    auto laterChild = person(date("10", "4", "1985"));
    EXPECT_EQ(failed(checkFatherDates(*person(date("10", "3", "1970")), *laterChild, 15, true)), "ok");
    // Unknown years pass the first two rules.
    EXPECT_EQ(failed(checkFatherDates(*person(date("1", "1", "?")), *child, 15, true)), "ok");
    EXPECT_EQ(
        failed(checkFatherDates(*person(date("1", "1", "1990")), *person(date("1", "1", "?")), 15, true)),
        "ok");

    // Dead on 15 January 2000: a child of 15 September passes, one of 15 November fails while
    // the setting is on.
    auto father = person(date("1", "1", "1950"), date("15", "1", "2000"), false);
    EXPECT_EQ(failed(checkFatherDates(*father, *person(date("15", "9", "2000")), 15, true)), "ok");
    auto late = person(date("15", "11", "2000"));
    EXPECT_EQ(failed(checkFatherDates(*father, *late, 15, true)),
              "otecZemrelPredDitetem: Otec by zemřel dříve před narozením dítěte, než je možné!");
    EXPECT_EQ(failed(checkFatherDates(*father, *late, 15, false)), "ok");
    // The same dates for a living father are no fault.
    father->alive = 1;
    EXPECT_EQ(failed(checkFatherDates(*father, *late, 15, true)), "ok");

    // A dead child whose father was born after its death (and its birth unknown).
    auto deadChild = person(Datum(), date("1", "1", "1900"), false);
    EXPECT_EQ(failed(checkFatherDates(*person(date("1", "1", "1920")), *deadChild, 15, true)),
              "otecNarodilPoSmrtiDitete: Otec by se narodil po smrti svého dítěte!");
    deadChild->alive = 1;
    EXPECT_EQ(failed(checkFatherDates(*person(date("1", "1", "1920")), *deadChild, 15, true)), "ok");
}

// A part that is no number counts as unknown, as the open of such a file promises: the rule
// reaching it passes, where the shift by months used to raise a conversion error.
TEST(FatherDates, APartThatIsNoNumberCountsAsUnknown)
{
    auto child = person(date("10", "2", "1985"), date("1", "1", "19x0"), false);
    auto father = person(date("1", "1", "19x5"), date("1", "1", "2x00"), false);
    EXPECT_EQ(failed(checkFatherDates(*father, *child, 15, true)), "ok");
    EXPECT_EQ(failed(checkMotherDates(*father, *child, 15)), "ok");
    // A month that is no number: the year alone still decides.
    father->birth = date("1", "x", "1980");
    EXPECT_EQ(failed(checkFatherDates(*father, *child, 15, true)),
              "nizkyVekOtcePriDiteti: Příliš nízký věk otce při narození dítěte!");
}

TEST(MotherDates, RulesInOrder)
{
    auto child = person(date("10", "2", "1985"));
    EXPECT_EQ(failed(checkMotherDates(*person(date("1", "1", "1990")), *child, 15)),
              "matkaMladsiDite: Matka by byla mladší než dítě!");
    EXPECT_EQ(failed(checkMotherDates(*person(date("10", "3", "1970")), *child, 15)),
              "nizkyVekMatkyPriDiteti: Příliš nízký věk matky při narození dítěte!");
    EXPECT_EQ(failed(checkMotherDates(*person(date("10", "3", "1970")), *child, 14)), "ok");
    // Dead one day before the birth: no nine months for a mother, and no setting.
    auto mother = person(date("1", "1", "1950"), date("9", "2", "1985"), false);
    EXPECT_EQ(failed(checkMotherDates(*mother, *child, 15)),
              "matkaZemrelaPredDitetem: Matka by zemřela před narozením dítěte!");
    mother->death = date("10", "2", "1985");
    EXPECT_EQ(failed(checkMotherDates(*mother, *child, 15)), "ok");
    auto deadChild = person(Datum(), date("1", "1", "1900"), false);
    EXPECT_EQ(failed(checkMotherDates(*person(date("2", "1", "1900")), *deadChild, 15)),
              "matkaNarodilaPoSmrtiDitete: Matka by se narodila po smrti svého dítěte!");
}

TEST(PartnershipDates, RulesInOrder)
{
    auto a = person(date("1", "1", "1900"), date("1", "1", "1950"), false);
    auto b = person(date("1", "1", "1960"));
    const std::string lives =
        "partnerZemrelPredNarozenimDruheho: Jeden z partnerů by zemřel před narozením druhého!";
    EXPECT_EQ(failed(checkPartnershipDates(*a, *b, nullptr)), lives);
    EXPECT_EQ(failed(checkPartnershipDates(*b, *a, nullptr)), lives);
    b->birth = date("1", "1", "1920");
    // Without a partnership only the lives are compared.
    EXPECT_EQ(failed(checkPartnershipDates(*a, *b, nullptr)), "ok");

    Svatba s;
    s.type = PartnershipType::married;
    s.wedding = date("1", "1", "1910");
    EXPECT_EQ(failed(checkPartnershipDates(*a, *b, &s)),
              "obradPredNarozenim: Svatební obřad by předcházel narození alespoň jednoho z partnerů!");
    s.wedding = date("1", "1", "1940");
    // A divorce before a birth counts only for a divorced couple.
    s.divorce = date("1", "1", "1915");
    EXPECT_EQ(failed(checkPartnershipDates(*a, *b, &s)), "ok");
    s.type = PartnershipType::divorced;
    EXPECT_EQ(failed(checkPartnershipDates(*a, *b, &s)),
              "rozvodPredNarozenim: Rozvod by předcházel narození alespoň jednoho z partnerů!");
    s.divorce = date("1", "1", "1945");
    s.wedding = date("1", "1", "1951");
    EXPECT_EQ(failed(checkPartnershipDates(*a, *b, &s)),
              "obradPoSmrti: Svatební obřad by se uskutečnil až po smrti alespoň jednoho z partnerů!");
    s.wedding = date("1", "1", "1940");
    s.divorce = date("1", "1", "1955");
    EXPECT_EQ(failed(checkPartnershipDates(*a, *b, &s)),
              "rozvodPoSmrti: Rozvod by se uskutečnil ažpo smrti alespoň jednoho z partnerů!");
    a->alive = 1;
    EXPECT_EQ(failed(checkPartnershipDates(*a, *b, &s)), "ok");
    // Unknown parts never fail.
    s.wedding = Datum();
    s.divorce = Datum();
    a->alive = 0;
    EXPECT_EQ(failed(checkPartnershipDates(*a, *b, &s)), "ok");
}

TEST(ShareOfFilledFields, EmptyPartialAndFull)
{
    Clovek empty;
    EXPECT_EQ(empty.updatePercentFilled(), 0);
    EXPECT_EQ(empty.percentFilled, 0);

    Clovek partial;
    partial.firstName = "Jan";
    partial.birth = date("1", "2", "1900");
    EXPECT_EQ(partial.updatePercentFilled(), 36);
    // One point short and one point alone.
    Clovek one;
    one.birthPlace = "Brno";
    EXPECT_EQ(one.updatePercentFilled(), 9);

    Clovek father, mother;
    Clovek full;
    full.firstName = "Jan";
    full.surname = "Novák";
    full.birth = date("1", "2", "1900");
    full.birthPlace = "Brno";
    full.father = &father;
    full.residences.append(std::make_unique<CasoveObdobi>("Brno"));
    full.educations.append(std::make_unique<CasoveObdobi>("škola"));
    full.occupations.append(std::make_unique<CasoveObdobi>("kovář"));
    EXPECT_EQ(full.updatePercentFilled(), 90);
    full.mother = &mother;
    EXPECT_EQ(full.updatePercentFilled(), 100);
    // Empty texts and unknown parts do not count; the death and other fields never do.
    full.surname.clear();
    full.birth.day = "?";
    full.death = date("1", "1", "1950");
    full.religion = "x";
    EXPECT_EQ(full.updatePercentFilled(), 81);
    full.father = full.mother = nullptr;
}

TEST(ShareOfFilledFields, EveryPersonOfTheTree)
{
    Rod tree;
    Clovek* a = makePerson("Jan", "");
    Clovek* b = makePerson("", "");
    tree.addNewPerson(std::unique_ptr<Clovek>(a));
    tree.addNewPerson(std::unique_ptr<Clovek>(b));
    a->percentFilled = 77;
    b->percentFilled = 77;
    tree.updateAllPercentFilled();
    EXPECT_EQ(a->percentFilled, 9);
    EXPECT_EQ(b->percentFilled, 0);
}

} // namespace
