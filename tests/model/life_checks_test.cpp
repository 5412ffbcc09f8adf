// The checks of a person's own birth and death dates: the rule that fails first, the limits
// tested only when the year was edited, the margins of the parent age, the father's death and
// the lifespan.
#include "model/clovek.h"
#include "model/life_checks.h"
#include "model/svatba.h"
#include "model/uk_clovek.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

std::string key(const DateCheck& check)
{
    return check ? check->key : "";
}

struct LifeChecks : ::testing::Test {
    Clovek father, child, person; // the person, holding the others in its lists, goes first
    LifeLimits limits;
};

TEST_F(LifeChecks, TheYearLimitsOnlyForAnEditedYear)
{
    person.birth = Datum("?", "?", "1590");
    EXPECT_EQ(key(checkBirthDate(person, limits, true)), "narozeniNizsiMinimum");
    EXPECT_EQ(key(checkBirthDate(person, limits, false)), "");
    person.birth.year = "2051";
    EXPECT_EQ(key(checkBirthDate(person, limits, true)), "narozeniVyssiMaximum");
    person.birth.year = "?";
    EXPECT_EQ(key(checkBirthDate(person, limits, true)), "");
}

TEST_F(LifeChecks, TheFathersAgeAndDeathHaveTheirMargins)
{
    person.father = &father;
    father.birth = Datum("1", "1", "1900");
    person.birth = Datum("1", "1", "1910");
    EXPECT_EQ(key(checkBirthDate(person, limits, false)), "narozeniVyssiOtec");
    person.birth = Datum("1", "2", "1915");
    EXPECT_EQ(key(checkBirthDate(person, limits, false)), "");

    father.alive = 0;
    father.death = Datum("1", "6", "1914");
    person.birth = Datum("1", "2", "1915"); // 8 months after
    EXPECT_EQ(key(checkBirthDate(person, limits, false)), "");
    person.birth = Datum("1", "4", "1915"); // 10 months after
    EXPECT_EQ(key(checkBirthDate(person, limits, false)), "smrtVyssiOtec");
    limits.fatherDeathBeforeBirth = false;
    EXPECT_EQ(key(checkBirthDate(person, limits, false)), "");
}

TEST_F(LifeChecks, TheLifespanIsCountedInDaysOf365)
{
    person.alive = 0;
    person.birth = Datum("1", "1", "1800");
    // 1 January 1921 is 44194 days after 1 January 1800: 121 years of 365 days are 44165.
    person.death = Datum("1", "1", "1921");
    EXPECT_EQ(key(checkDeathDate(person, limits, false)), "delkaZivotVyssiMaximum");
    EXPECT_EQ(key(checkBirthDate(person, limits, false)), "delkaZivotaVyssiMaximum");
    person.death = Datum("1", "1", "1920");
    EXPECT_EQ(key(checkDeathDate(person, limits, false)), "");
    // A living person's hidden death date is not looked at by the birth check.
    person.alive = 1;
    person.death = Datum("1", "1", "1700");
    EXPECT_EQ(key(checkBirthDate(person, limits, false)), "");
    EXPECT_EQ(key(checkDeathDate(person, limits, false)), "narozeniVyssiSmrt");
}

TEST_F(LifeChecks, AChildsBirthIsNamedBeforeItsDeath)
{
    person.children.append(std::make_unique<UkClovek>(&child));
    child.birth = Datum("1", "1", "1900");
    child.alive = 0;
    child.death = Datum("1", "1", "1901");
    person.birth = Datum("1", "1", "1902");
    EXPECT_EQ(key(checkBirthDate(person, limits, false)), "narozeniVyssiDiteNarozeni");
}

TEST_F(LifeChecks, APlainPartnershipsWeddingCountsOnlyForTheDeath)
{
    auto partnership = std::make_unique<Svatba>();
    partnership->wedding = Datum("1", "1", "1900");
    person.partnerships.append(std::make_unique<UkSvatba>(partnership.get()));
    person.birth = Datum("1", "1", "1901");
    EXPECT_EQ(key(checkBirthDate(person, limits, false)), "");
    partnership->type = PartnershipType::married;
    EXPECT_EQ(key(checkBirthDate(person, limits, false)), "narozeniVyssiSvatba");

    person.birth = Datum("?", "?", "?");
    person.death = Datum("1", "1", "1899");
    partnership->type = PartnershipType::plain;
    EXPECT_EQ(key(checkDeathDate(person, limits, false)), "svatbaVyssiSmrt");
    person.partnerships.clear();
}

TEST_F(LifeChecks, AFatherMayDieUpToNineMonthsBeforeHisChildIsBorn)
{
    person.children.append(std::make_unique<UkClovek>(&child));
    child.birth = Datum("1", "6", "1900");
    person.death = Datum("1", "10", "1899");
    EXPECT_EQ(key(checkDeathDate(person, limits, false)), "");
    person.death = Datum("1", "8", "1899");
    EXPECT_EQ(key(checkDeathDate(person, limits, false)), "smrtNizsiDiteNarozeni");
    person.sex = 0;
    EXPECT_EQ(key(checkDeathDate(person, limits, false)), "smrtNizsiDiteNarozeni2");
}

} // namespace
