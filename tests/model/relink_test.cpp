#include "model/chain_index.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "model_helpers.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

Clovek* numbered(Rod& tree, int number)
{
    Clovek* p = makePerson("", "");
    p->number = number;
    tree.appendPerson(std::unique_ptr<Clovek>(p));
    return p;
}

} // namespace

TEST(Relink, ParentPlaceholdersBecomePersonsOfTheChain)
{
    Rod tree;
    Clovek* child = numbered(tree, 0);
    Clovek* dad = numbered(tree, 5);
    Clovek* mum = numbered(tree, 7);
    Clovek* orphan = numbered(tree, 9);
    Clovek* lost = numbered(tree, 11);
    child->father = placeholder(5);
    child->mother = placeholder(7);
    lost->father = placeholder(42); // nobody has 42
    // One placeholder standing for two links is destroyed once.
    Clovek* shared = placeholder(5);
    orphan->father = nullptr;
    mum->father = shared;
    lost->mother = shared;

    tree.relinkParents();
    EXPECT_EQ(child->father, dad);
    EXPECT_EQ(child->mother, mum);
    EXPECT_EQ(orphan->father, nullptr);
    EXPECT_EQ(orphan->mother, nullptr);
    EXPECT_EQ(lost->father, nullptr);
    EXPECT_EQ(lost->mother, dad);
    EXPECT_EQ(mum->father, dad);

    // Already linked: nothing changes, nothing is freed.
    tree.relinkParents();
    EXPECT_EQ(child->father, dad);
}

TEST(Relink, PartnershipsComeBackInTheirSavedOrder)
{
    Rod tree;
    Clovek* p = numbered(tree, 0);
    Clovek* q = numbered(tree, 1);
    Clovek* r = numbered(tree, 2);
    Svatba* second = partnership(p, q);
    Svatba* first = partnership(p, r);
    static_cast<UkSvatba*>(p->partnerships.at(0))->orderKey = 1;
    static_cast<UkSvatba*>(p->partnerships.at(1))->orderKey = 0;
    tree.sortPartnershipLists();
    EXPECT_EQ(static_cast<UkSvatba*>(p->partnerships.at(0))->partnership, first);
    EXPECT_EQ(static_cast<UkSvatba*>(p->partnerships.at(1))->partnership, second);
}

TEST(Relink, ActivePersonByNumber)
{
    Rod empty;
    EXPECT_EQ(empty.activePerson(), nullptr);
    Rod tree;
    Clovek* zero = numbered(tree, 0);
    numbered(tree, 1);
    EXPECT_EQ(tree.activePerson(), zero);
    tree.activePersonNumber = 1;
    EXPECT_EQ(tree.activePerson()->number, 1);
    tree.activePersonNumber = 8;
    EXPECT_EQ(tree.activePerson(), nullptr);
}

// Numbers close together and numbers spread far apart are looked up in different ways; both
// answer the first person of the chain with the number, and nobody for a number no one has.
TEST(Relink, ChainIndexFindsByNumberDenseOrSpread)
{
    for (const int far : {3, 50'000'000}) {
        Rod tree;
        Clovek* a = numbered(tree, -2);
        numbered(tree, far);
        numbered(tree, far); // the same number twice: the first of the chain wins
        const ChainIndex chain(tree.firstPerson);
        Clovek* firstWithFar = nullptr;
        for (Clovek* p = tree.firstPerson; p && !firstWithFar; p = p->chainNext)
            if (p->number == far)
                firstWithFar = p;
        EXPECT_EQ(chain.find(-2), a);
        EXPECT_EQ(chain.find(far), firstWithFar);
        for (const int nobody : {-3, -1, 0, far - 1, far + 1, 2'000'000'000, -2'000'000'000})
            EXPECT_EQ(chain.find(nobody), nullptr) << nobody;
    }
}
