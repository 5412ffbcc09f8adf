#include "model/casove_obdobi.h"
#include "model/clovek.h"
#include "model/display_settings.h"
#include "model/prvky.h"
#include "model/svatba.h"
#include "model/uk_clovek.h"
#include "model/vyroci.h"
#include "model_helpers.h"
#include "system/exceptions.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

namespace {

struct Tag : Prvek {
    explicit Tag(int v) : value(v) { }
    int value;
};

std::vector<int> values(const Prvky& list)
{
    std::vector<int> out;
    for (Tag* t : list.items<Tag>())
        out.push_back(t->value);
    return out;
}

// Checks the chain both ways against the count.
void expectSound(const Prvky& list)
{
    int n = 0;
    const Prvek* prev = nullptr;
    for (const Prvek* e = list.first(); e; e = e->next) {
        EXPECT_EQ(e->prev, prev);
        EXPECT_EQ(e->list(), &list);
        prev = e;
        ++n;
    }
    EXPECT_EQ(list.last(), prev);
    EXPECT_EQ(list.count(), n);
}

// The bubble passes exactly as the program has always sorted, kept here as the reference.
void referenceBubble(std::vector<Prvek*>& v)
{
    for (int pass = int(v.size()) - 1; pass >= 1; --pass) {
        int cur = 0;
        for (int step = 0; step < pass; ++step) {
            if (v[cur + 1]->sortsBefore(v[cur]))
                std::swap(v[cur], v[cur + 1]);
            ++cur;
        }
    }
}

std::vector<Prvek*> elements(const Prvky& list)
{
    std::vector<Prvek*> v;
    for (Prvek* e = list.first(); e; e = e->next)
        v.push_back(e);
    return v;
}

} // namespace

TEST(Prvky, AppendRemoveAndPositions)
{
    Prvky list;
    std::vector<Tag*> t;
    for (int i = 0; i < 5; ++i) {
        t.push_back(new Tag(i));
        list.append(std::unique_ptr<Prvek>(t.back()));
    }
    EXPECT_EQ(values(list), (std::vector<int>{0, 1, 2, 3, 4}));
    list.remove(t[4]);
    list.remove(t[0]);
    list.append(std::make_unique<Tag>(9));
    EXPECT_EQ(values(list), (std::vector<int>{1, 2, 3, 9}));
    EXPECT_EQ(list.indexOf(t[3]), 2);
    EXPECT_EQ(static_cast<Tag*>(list.at(3))->value, 9);
    expectSound(list);
}

TEST(Prvky, ElementsNotInTheListAreLeftAlone)
{
    Prvky a, b;
    Tag* inB = new Tag(7);
    b.append(std::unique_ptr<Prvek>(inB));
    a.append(std::make_unique<Tag>(1));
    a.remove(inB);
    a.remove(nullptr);
    EXPECT_EQ(a.indexOf(inB), -1);
    EXPECT_EQ(a.at(1), nullptr);
    EXPECT_EQ(a.at(-1), nullptr);
    a.swapWithNext(0); // no element after the only one
    a.swapWithNext(5);
    a.append(std::unique_ptr<Prvek>(inB)); // already in b: stays there
    EXPECT_EQ(a.count(), 1);
    EXPECT_EQ(b.count(), 1);
    EXPECT_EQ(inB->list(), &b);
    a.setHead(inB);
    EXPECT_EQ(b.first(), inB);
    Tag stray(3);
    EXPECT_EQ(a.indexOf(&stray), -1);
    expectSound(a);
    expectSound(b);
}

#ifndef NDEBUG
TEST(PrvkyDeathTest, DeletingAnElementStillListedIsCaughtInDebugBuilds)
{
    EXPECT_DEATH(
        {
            Prvky list;
            Tag* listed = new Tag(1);
            list.append(std::unique_ptr<Prvek>(listed));
            delete listed;
        },
        "deleted while still in its list");
    Prvky list;
    list.append(std::make_unique<Tag>(2));
    list.remove(list.first()); // the list's own deletes stay quiet
}
#endif

TEST(Prvky, SwapWithNextAndHeadChanges)
{
    Prvky list;
    Tag* x = new Tag(1);
    Tag* y = new Tag(2);
    list.append(std::unique_ptr<Prvek>(x));
    list.append(std::unique_ptr<Prvek>(y));
    list.swapWithNext(0);
    EXPECT_EQ(list.first(), y);
    EXPECT_EQ(list.count(), 2);
    list.append(std::make_unique<Tag>(3)); // still at the tail after the swap
    EXPECT_EQ(values(list), (std::vector<int>{2, 1, 3}));
    list.setHead(list.at(2));
    EXPECT_EQ(values(list), (std::vector<int>{3, 2, 1}));
    expectSound(list);

    Prvky one;
    Tag* only = new Tag(5);
    one.append(std::unique_ptr<Prvek>(only));
    one.remove(only);
    EXPECT_EQ(one.first(), nullptr);
    EXPECT_EQ(one.count(), 0);
    one.append(std::make_unique<Tag>(6));
    expectSound(one);
}

TEST(Prvky, SortingChildrenByBirthKeepsWhatCannotBeCompared)
{
    std::unique_ptr<Clovek> a(makePerson("A", "X", 1, date("?", "?", "1990")));
    std::unique_ptr<Clovek> b(makePerson("B", "X"));
    std::unique_ptr<Clovek> c(makePerson("C", "X", 1, date("?", "?", "1980")));
    Prvky list;
    for (Clovek* p : {a.get(), b.get(), c.get()})
        list.append(std::make_unique<UkClovek>(p));
    list.sort();
    EXPECT_EQ(static_cast<UkClovek*>(list.at(0))->person(), a.get());
    EXPECT_EQ(static_cast<UkClovek*>(list.at(2))->person(), c.get());

    Prvky empty;
    empty.sort();
    EXPECT_EQ(empty.count(), 0);
}

TEST(Prvky, FastSortsGiveTheBubbleOrderOnRandomLists)
{
    std::mt19937 rng(12345);
    for (int round = 0; round < 3000; ++round) {
        int n = 1 + int(rng() % 12);
        std::vector<std::unique_ptr<Clovek>> people;
        Prvky list;
        for (int i = 0; i < n; ++i) {
            people.emplace_back(makePerson("P" + std::to_string(i), "S", 1, randomBirth(rng)));
            if (rng() % 10 == 0 && people.back()->birth.year != "?")
                people.back()->birth.year = "0" + people.back()->birth.year; // "01900" == 1900
            list.append(std::make_unique<UkClovek>(people.back().get()));
        }
        std::vector<Prvek*> expected = elements(list);
        referenceBubble(expected);
        list.sort();
        ASSERT_EQ(elements(list), expected) << "round " << round;
        expectSound(list);
    }
}

TEST(Prvky, FastSortsOfKeysMonthsAndNamesMatchTheBubble)
{
    std::mt19937 rng(777);
    FixedDisplaySettings settings(true, false);
    installDisplaySettings(&settings);
    for (int round = 0; round < 500; ++round) {
        int n = 1 + int(rng() % 10);
        Prvky keys, days, members;
        std::vector<std::unique_ptr<Svatba>> records;
        std::vector<std::unique_ptr<Clovek>> people;
        for (int i = 0; i < n; ++i) {
            records.emplace_back(new Svatba);
            auto* e = new UkSvatba(records.back().get());
            e->orderKey = int(rng() % 4);
            keys.append(std::unique_ptr<Prvek>(e));
            days.append(std::make_unique<Vyroci>(
                date(std::to_string(1 + rng() % 3), std::to_string(1 + rng() % 3), "1900"),
                std::to_string(i)));
            people.emplace_back(
                makePerson(rng() % 2 ? "Eva" : "Ema", rng() % 2 ? "Šťastná" : "Stará", int(rng() % 2)));
            people.back()->birthSurname = rng() % 2 ? "Ábelová" : "";
            members.append(std::make_unique<UkGrClovek>(people.back().get()));
        }
        for (Prvky* list : {&keys, &days, &members}) {
            std::vector<Prvek*> expected = elements(*list);
            referenceBubble(expected);
            list->sort();
            ASSERT_EQ(elements(*list), expected) << "round " << round;
        }
    }
    installDisplaySettings(nullptr);
}

TEST(Prvky, UnreadableDatesSortAsUnknownOnes)
{
    std::unique_ptr<Clovek> a(makePerson("A", "X", 1, date("1", "1", "1990")));
    std::unique_ptr<Clovek> b(makePerson("B", "X", 1, date("1", "1", "abc")));
    Prvky list;
    list.append(std::make_unique<UkClovek>(b.get()));
    list.append(std::make_unique<UkClovek>(a.get()));
    EXPECT_NO_THROW(list.sort());
    EXPECT_EQ(static_cast<UkClovek*>(list.first())->person(), b.get()); // nothing to compare: left as it is
}

TEST(CasoveObdobi, DisplayTextAndDifferences)
{
    CasoveObdobi e("Praha");
    EXPECT_EQ(e.displayText(), "Praha");
    e.to = "1960";
    EXPECT_EQ(e.displayText(), "Praha");
    e.from = "1950";
    EXPECT_EQ(e.displayText(), "Praha (1950-1960)");
    e.to.clear();
    EXPECT_EQ(e.displayText(), "Praha (1950)");
    CasoveObdobi copy(e);
    EXPECT_FALSE(copy.differsFrom(e));
    EXPECT_EQ(copy.list(), nullptr);
    copy.to = "x";
    EXPECT_TRUE(copy.differsFrom(e));
}

TEST(Vyroci, KeepsOnlyTheDatePartsAndShowsTheYear)
{
    Datum d = date("5", "3", "1900");
    d.about = 1;
    d.tolerance = 5;
    Vyroci v(d, "narozeniny");
    EXPECT_EQ(v.date.about, 0);
    EXPECT_EQ(v.date.tolerance, 1);
    EXPECT_EQ(v.yearInParentheses(), "(1900)");
}
