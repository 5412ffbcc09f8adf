#include "model/anniversaries.h"

#include "model/clovek.h"
#include "model/display_settings.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "model/vyroci.h"
#include "model_helpers.h"
#include "system/datetime.h"
#include "system/stringlist.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

class AnniversariesTest : public ::testing::Test {
protected:
    Clovek* add(const std::string& first, int sex, const Datum& birth, const Datum& death = Datum())
    {
        Clovek* p = makePerson(first, "Novák", sex, birth);
        p->death = death;
        tree.addNewPerson(std::unique_ptr<Clovek>(p));
        return p;
    }
    std::string n(const Clovek* p) const { return p->displayName(false, false, true); }
    std::vector<std::string> onDay(int y, int m, int d)
    {
        tree.listAnniversaries(encodeDate(y, m, d), true, list, texts, plain);
        return list.lines();
    }
    std::vector<std::string> inMonth(int y, int m, int d = 1)
    {
        tree.listAnniversaries(encodeDate(y, m, d), false, list, texts, plain);
        return list.lines();
    }
    using Lines = std::vector<std::string>;

    Rod tree;
    FakeTexts texts;
    FixedDisplaySettings plain;
    TStringList list;
};

TEST_F(AnniversariesTest, ADayListsEarlierYearsOfThatDayOnly)
{
    Clovek* century = add("Adam", 1, date("5", "3", "1900"));
    add("Bedřich", 1, date("5", "3", "2000"));
    add("Cyril", 1, date("5", "3", "?"));
    add("David", 1, date("6", "3", "1900"));
    EXPECT_EQ(onDay(2000, 3, 5), Lines{n(century) + " - 100. výročí narození"});
}

TEST_F(AnniversariesTest, DeathsOfTheLivingAreLeftOutOfTheWindowButAnnouncedToday)
{
    Clovek* alive = add("Adam", 1, Datum(), date("5", "3", "1950"));
    EXPECT_TRUE(onDay(2000, 3, 5).empty());
    EXPECT_EQ(tree.todaysAnniversaries(encodeDate(2000, 3, 5), texts, plain),
              Lines{n(alive) + " - 50. výročí úmrtí"});
    alive->alive = 0;
    EXPECT_EQ(onDay(2000, 3, 5), Lines{n(alive) + " - 50. výročí úmrtí"});
}

TEST_F(AnniversariesTest, AWeddingIsListedOnceAndAPlainPartnershipNever)
{
    Clovek* wife = add("Eva", 0, Datum());
    Clovek* husband = add("Jan", 1, Datum());
    partnership(wife, husband, PartnershipType::married)->wedding = date("5", "3", "1975");
    Clovek* partner = add("Petr", 1, Datum());
    partnership(wife, partner, PartnershipType::plain)->wedding = date("5", "3", "1980");
    Clovek* ex = add("Ota", 1, Datum());
    partnership(ex, wife, PartnershipType::divorced)->wedding = date("5", "3", "1970");
    EXPECT_EQ(onDay(2000, 3, 5), (Lines{n(ex) + " & " + n(wife) + " - 30. výročí svatby",
                                        n(husband) + " & " + n(wife) + " - 25. výročí svatby"}));
    EXPECT_EQ(tree.todaysAnniversaries(encodeDate(2000, 3, 5), texts, plain).size(), 2u);
}

TEST_F(AnniversariesTest, AMonthLineBeginsWithTheEventsDayInTheReferenceYear)
{
    Clovek* seventh = add("Adam", 1, date("7", "3", "1950"));
    Clovek* noDay = add("Bohouš", 1, date("?", "3", "1950"));
    Clovek* dead = add("Cyril", 1, date("1", "1", "1920"), date("?", "3", "1980"));
    dead->alive = 0;
    add("David", 1, date("7", "4", "1950"));
    Clovek* twelfth = add("Emil", 1, date("12", "3", "1960"));
    EXPECT_EQ(inMonth(2000, 3), (Lines{"12. března 2000: " + n(twelfth) + " - 40. výročí narození",
                                       n(dead) + " - 20. výročí úmrtí", n(noDay) + " - 50. výročí narození",
                                       "07. března 2000: " + n(seventh) + " - 50. výročí narození"}));
}

TEST_F(AnniversariesTest, AcrossTheEndOfAMonthAndOnTheTwentyNinthOfFebruary)
{
    Clovek* leap = add("Adam", 1, date("29", "2", "1904"));
    Clovek* lastOfJanuary = add("Bedřich", 1, date("31", "1", "1950"));
    Clovek* firstOfFebruary = add("Cyril", 1, date("1", "2", "1950"));
    EXPECT_EQ(onDay(2000, 1, 31), Lines{n(lastOfJanuary) + " - 50. výročí narození"});
    // A year without 29 February keeps the anniversary on the 28th, in the window, in the
    // start-up messages and in the calendar.
    EXPECT_EQ(onDay(2001, 2, 28), Lines{n(leap) + " - 97. výročí narození"});
    EXPECT_EQ(tree.todaysAnniversaries(encodeDate(2001, 2, 28), texts, plain).size(), 1u);
    EXPECT_EQ(onDay(2004, 2, 29), Lines{n(leap) + " - 100. výročí narození"});
    EXPECT_TRUE(onDay(2004, 2, 28).empty());
    EXPECT_EQ(inMonth(2001, 2), (Lines{"01. února 2001: " + n(firstOfFebruary) + " - 51. výročí narození",
                                       "28. února 2001: " + n(leap) + " - 97. výročí narození"}));
    Prvky calendar;
    tree.collectCalendarAnniversaries(calendar, {true, false, false, false, false}, encodeDate(2001, 6, 1),
                                      texts, plain, false);
    ASSERT_EQ(calendar.count(), 3);
    std::vector<std::string> days;
    for (const Vyroci* v : calendar.items<Vyroci>())
        days.push_back(v->date.dayMonthText() + " " + v->yearInParentheses());
    EXPECT_NE(std::find(days.begin(), days.end(), "28.02. (1904)"), days.end());
}

TEST_F(AnniversariesTest, ADateTheCalendarLacksMatchesNothingAndTheWalkGoesOn)
{
    add("Adam", 1, date("31", "4", "1900"));
    add("Bedřich", 1, date("5", "4", "19x0"));
    Clovek* sound = add("Cyril", 1, date("5", "4", "1950"));
    Clovek* wife = add("Eva", 0, Datum());
    partnership(sound, wife, PartnershipType::married)->wedding = date("31", "4", "1975");
    EXPECT_EQ(inMonth(2000, 4), Lines{"05. dubna 2000: " + n(sound) + " - 50. výročí narození"});
    EXPECT_EQ(onDay(2000, 4, 5), Lines{n(sound) + " - 50. výročí narození"});
    EXPECT_EQ(tree.todaysAnniversaries(encodeDate(2000, 4, 5), texts, plain).size(), 1u);
    Prvky calendar;
    tree.collectCalendarAnniversaries(calendar, {true, true, true, true, true}, encodeDate(2000, 1, 1), texts,
                                      plain, false);
    EXPECT_EQ(calendar.count(), 1);
}

TEST_F(AnniversariesTest, TheCalendarTakesCompleteDatesAsTheTicksChoose)
{
    Clovek* living = add("Adam", 1, date("7", "3", "1950"));
    Clovek* dead = add("Eva", 0, date("1", "2", "1952"), date("3", "4", "1990"));
    dead->alive = 0;
    add("Cyril", 1, date("?", "3", "1950"));
    partnership(living, dead, PartnershipType::plain)->wedding = date("9", "9", "1975");
    FixedDisplaySettings plainSettings;
    auto texts_ = [](const Prvky& entries) {
        std::vector<std::string> out;
        for (const Vyroci* v : entries.items<Vyroci>())
            out.push_back(v->text);
        return out;
    };

    Prvky all;
    tree.collectCalendarAnniversaries(all, {true, true, true, true, true}, encodeDate(2000, 6, 1), texts,
                                      plainSettings, false);
    EXPECT_EQ(texts_(all),
              (Lines{"Novák Eva; 48. výročí narození", "Novák Eva; 10. výročí úmrtí",
                     "Novák Adam & Novák Eva; 25. výročí svatby †", "Novák Adam; 50. narozeniny"}));

    Prvky noWeddings;
    tree.collectCalendarAnniversaries(noWeddings, {true, true, true, false, false}, encodeDate(2000, 6, 1),
                                      texts, plainSettings, true);
    ASSERT_EQ(noWeddings.count(), 3);
    EXPECT_EQ(texts_(noWeddings)[2], n(living) + "; 50. narozeniny");

    // A divorced couple's wedding is no anniversary of a living couple.
    Clovek* ex = add("Ota", 1, date("2", "2", "1950"));
    partnership(ex, living, PartnershipType::divorced)->wedding = date("8", "8", "1970");
    Prvky afterDivorce;
    tree.collectCalendarAnniversaries(afterDivorce, {false, false, false, true, false},
                                      encodeDate(2000, 6, 1), texts, plainSettings, false);
    EXPECT_EQ(afterDivorce.count(), 0);
}

TEST_F(AnniversariesTest, AnEmptyTreeHasNoAnniversaries)
{
    list.Add("zbytek");
    EXPECT_TRUE(inMonth(2000, 3).empty());
    EXPECT_TRUE(tree.todaysAnniversaries(encodeDate(2000, 3, 5), texts, plain).empty());
    Prvky calendar;
    tree.collectCalendarAnniversaries(calendar, {true, true, true, true, true}, encodeDate(2000, 1, 1), texts,
                                      plain, true);
    EXPECT_EQ(calendar.count(), 0);
}

} // namespace
