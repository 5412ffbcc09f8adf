#include "model/prev_next.h"
#include "model/uk_clovek.h"

#include "model_helpers.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct History : ::testing::Test {
    std::vector<std::unique_ptr<Clovek>> people;
    PrevNext history;

    Clovek* person(const std::string& name)
    {
        people.emplace_back(makePerson(name, "X"));
        return people.back().get();
    }
    // The first names of the entries, oldest first, the current one in brackets.
    std::string entries() const
    {
        std::string s;
        for (UkClovek* e : history.entries().items<UkClovek>()) {
            std::string name = e->person() ? e->person()->firstName : "-";
            s += e == history.currentEntry() ? "[" + name + "]" : name;
        }
        return s;
    }
};

} // namespace

TEST_F(History, EmptyAndPushingTheSamePersonTwice)
{
    EXPECT_EQ(history.current(), nullptr);
    EXPECT_EQ(history.previous(), nullptr);
    EXPECT_EQ(history.next(), nullptr);
    EXPECT_FALSE(history.hasPrevious());
    EXPECT_FALSE(history.hasNext());
    Clovek* p = person("P");
    history.push(p);
    history.push(p);
    EXPECT_EQ(history.count(), 1);
    EXPECT_EQ(history.current(), p);
    EXPECT_EQ(history.previous(), p); // at the first entry it stays there
    EXPECT_EQ(history.next(), p);
}

TEST_F(History, KeepsTheLastTwentyEntries)
{
    std::vector<Clovek*> shown;
    for (int i = 0; i < 21; ++i) {
        shown.push_back(person("P" + std::to_string(i)));
        history.push(shown.back());
    }
    EXPECT_EQ(history.count(), PrevNext::maxEntries);
    EXPECT_EQ(static_cast<UkClovek*>(history.entries().first())->person(), shown[1]);
    EXPECT_EQ(history.current(), shown[20]);
    for (int i = 0; i < 30; ++i)
        history.previous();
    EXPECT_EQ(history.current(), shown[1]);
    EXPECT_FALSE(history.hasPrevious());
    EXPECT_TRUE(history.hasNext());
}

TEST_F(History, ShowingAfterStepsBackDropsTheForwardPart)
{
    Clovek *p = person("P"), *q = person("Q"), *r = person("R"), *s = person("S");
    history.push(p);
    history.push(q);
    history.push(r);
    EXPECT_EQ(history.previous(), q);
    history.push(s);
    EXPECT_EQ(entries(), "PQ[S]");
    EXPECT_FALSE(history.hasNext());
    EXPECT_EQ(history.previous(), q);
    EXPECT_EQ(history.previous(), p);
}

TEST_F(History, DroppingTheForwardPartTakesEveryEntryOfItsPersons)
{
    Clovek *p = person("P"), *q = person("Q"), *r = person("R");
    history.push(p);
    history.push(q);
    history.push(p);
    history.previous();
    history.previous();
    EXPECT_EQ(entries(), "[P]QP");
    history.push(r);
    EXPECT_EQ(entries(), "[R]");
    EXPECT_EQ(history.count(), 1);
}

TEST_F(History, RemovingTheCurrentPersonHandsOverToTheLastEntry)
{
    Clovek *p = person("P"), *q = person("Q"), *r = person("R");
    history.push(p);
    history.push(r);
    history.push(q);
    history.push(r);
    history.removePerson(r);
    EXPECT_EQ(entries(), "P[Q]");
    history.previous();
    history.removePerson(p);
    EXPECT_EQ(entries(), "[Q]");
    history.removePerson(q);
    EXPECT_EQ(history.count(), 0);
    EXPECT_EQ(history.current(), nullptr);
    history.push(p);
    EXPECT_EQ(entries(), "[P]");
}

TEST_F(History, ADeletedPersonLeavesNoDanglingEntry)
{
    Clovek* p = person("P");
    Clovek* q = person("Q");
    history.push(p);
    history.push(q);
    people.pop_back(); // q deleted without being removed from the history
    EXPECT_EQ(history.current(), nullptr);
    history.previous();
    EXPECT_EQ(history.current(), p);
    history.push(p);
    history.push(person("R"));
    EXPECT_EQ(entries(), "P[R]");
}
