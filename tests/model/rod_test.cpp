#include "model/clovek.h"
#include "model/display_settings.h"
#include "model/group.h"
#include "model/rod.h"
#include "model/sibling_order.h"
#include "model/svatba.h"
#include "model/uk_clovek.h"
#include "model_helpers.h"
#include "system/exceptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

namespace {

Clovek* add(Rod& tree, const std::string& name, int sex = 1, const Datum& birth = Datum())
{
    return addPersonTo(tree, name, "X", sex, birth);
}

void setParent(Clovek* child, Clovek* parent)
{
    (parent->sex == 1 ? child->father : child->mother) = parent;
}

std::vector<const Clovek*> personsOf(const Prvky& list)
{
    std::vector<const Clovek*> out;
    for (UkClovek* e : list.items<UkClovek>())
        out.push_back(e->person());
    return out;
}

// ---- The operations as they were first written, kept as the reference for the fast ones. ----

int literalGenerations(const Clovek* p)
{
    int g = 0;
    if (p->father)
        g = std::max(g, literalGenerations(p->father) + 1);
    if (p->mother)
        g = std::max(g, literalGenerations(p->mother) + 1);
    return g;
}

int literalMaxGenerations(const Rod& tree)
{
    if (!tree.firstPerson)
        return 0;
    int most = 0;
    for (const Clovek* p = tree.firstPerson; p; p = p->chainNext)
        most = std::max(most, literalGenerations(p));
    return most + 1;
}

bool literalIsAncestor(Clovek* p, const Clovek* sought)
{
    if (sought == p->father || sought == p->mother)
        return true;
    if (p->mark)
        return false;
    p->mark = 1;
    if (p->father && literalIsAncestor(p->father, sought))
        return true;
    if (p->mother)
        return literalIsAncestor(p->mother, sought);
    return false;
}

bool literalHasAncestorCycle(Rod& tree)
{
    for (Clovek* p = tree.firstPerson; p; p = p->chainNext) {
        tree.clearMarks();
        if (literalIsAncestor(p, p))
            return true;
    }
    return false;
}

int literalFirstFree(const Rod& tree)
{
    int n = 0;
    const Clovek* p = tree.firstPerson;
    while (p) {
        if (p->number == n) {
            ++n;
            p = tree.firstPerson;
        } else {
            p = p->chainNext;
        }
    }
    return n;
}

void referenceBubble(Prvky& list)
{
    list.bubbleSort();
}

// Child and sibling lists as the plain walks build them, as person lists per person.
std::vector<std::vector<const Clovek*>> literalLists(const Rod& tree, bool siblings)
{
    std::vector<Clovek*> persons;
    for (Clovek* p = tree.firstPerson; p; p = p->chainNext)
        persons.push_back(p);
    std::vector<Prvky> lists(persons.size());
    auto indexOf = [&](const Clovek* p) {
        return int(std::find(persons.begin(), persons.end(), p) - persons.begin());
    };
    for (Clovek* p : persons) {
        if (p->father)
            lists[indexOf(p->father)].append(std::make_unique<UkClovek>(p));
        if (p->mother)
            lists[indexOf(p->mother)].append(std::make_unique<UkClovek>(p));
    }
    for (auto& l : lists)
        referenceBubble(l);
    std::vector<std::vector<const Clovek*>> out;
    if (!siblings) {
        for (auto& l : lists)
            out.push_back(personsOf(l));
        return out;
    }
    for (Clovek* p : persons) {
        Prvky sib;
        for (Clovek* parent : {p->father, p->mother}) {
            if (!parent)
                continue;
            for (UkClovek* e : lists[indexOf(parent)].items<UkClovek>()) {
                bool listed = false;
                for (UkClovek* s : sib.items<UkClovek>())
                    listed = listed || s->person() == e->person();
                if (e->person() != p && !listed)
                    sib.append(std::make_unique<UkClovek>(e->person()));
            }
        }
        referenceBubble(sib);
        out.push_back(personsOf(sib));
    }
    return out;
}

// A random small tree: numbers with gaps, parents drawn from older persons (so no cycle), a few
// partnerships, birth dates with unknown parts.
void buildRandomTree(Rod& tree, std::mt19937& rng, int n)
{
    std::vector<Clovek*> made;
    for (int i = 0; i < n; ++i) {
        Clovek* p = makePerson("P" + std::to_string(i), "S", int(rng() % 2), randomBirth(rng));
        p->number = int(rng() % size_t(2 * n));
        p->identifier = std::to_string(p->number);
        if (!made.empty() && rng() % 3) {
            Clovek* parent = made[rng() % made.size()];
            setParent(p, parent);
        }
        if (!made.empty() && rng() % 3) {
            Clovek* parent = made[rng() % made.size()];
            setParent(p, parent);
        }
        if (!made.empty() && rng() % 4 == 0)
            partnership(p, made[rng() % made.size()]);
        tree.appendPerson(std::unique_ptr<Clovek>(p));
        made.push_back(p);
    }
}

std::vector<std::vector<const Clovek*>> currentLists(const Rod& tree, bool siblings)
{
    std::vector<std::vector<const Clovek*>> out;
    for (const Clovek* p = tree.firstPerson; p; p = p->chainNext)
        out.push_back(personsOf(siblings ? p->siblings() : p->children));
    return out;
}

} // namespace

TEST(Rod, NewTree)
{
    Rod tree("/data/save/a.rod");
    EXPECT_EQ(tree.fileName, "/data/save/a.rod");
    EXPECT_EQ(tree.userCaption3, "Uživ.def.:");
    EXPECT_EQ(tree.personCount(), 0);
    EXPECT_EQ(tree.maxGenerations(), 0);
    EXPECT_FALSE(tree.hasAncestorCycle());
    EXPECT_NE(tree.undoHistory, nullptr);
}

TEST(Rod, NumbersAreTheLowestFree)
{
    Rod tree;
    Clovek* a = add(tree, "A");
    Clovek* b = add(tree, "B");
    Clovek* c = add(tree, "C");
    EXPECT_EQ(a->number, 0);
    EXPECT_EQ(c->identifier, "2");
    EXPECT_EQ(tree.firstPerson, c);
    tree.removePerson(b);
    Clovek* d = add(tree, "D");
    EXPECT_EQ(d->number, 1);
    EXPECT_EQ(d->identifier, "1");
    EXPECT_EQ(tree.personCount(), 3);

    Rod loaded;
    for (int n : {0, 2, 5}) {
        Clovek* p = new Clovek;
        p->number = n;
        loaded.appendPerson(std::unique_ptr<Clovek>(p));
    }
    EXPECT_EQ(loaded.firstFreePersonNumber(), 1);
    EXPECT_EQ(loaded.findPersonByNumber(5)->number, 5);
    EXPECT_EQ(loaded.findPersonByNumber(1), nullptr);
    loaded.fillEmptyIdentifiers();
    EXPECT_TRUE(loaded.isIdentifierUsed("2"));
    EXPECT_EQ(loaded.findPersonByIdentifier("5")->number, 5);
}

TEST(Rod, RemovingAFatherUndoesEveryLink)
{
    Rod tree;
    Clovek* grandpa = add(tree, "Děda");
    Clovek* dad = add(tree, "Otec");
    Clovek* uncle = add(tree, "Strýc");
    Clovek* mum = add(tree, "Matka", 0);
    Clovek* k1 = add(tree, "K1", 1, date("1", "1", "1990"));
    Clovek* k2 = add(tree, "K2", 0, date("1", "1", "1992"));
    setParent(dad, grandpa);
    setParent(uncle, grandpa);
    for (Clovek* k : {k1, k2}) {
        setParent(k, dad);
        setParent(k, mum);
    }
    partnership(dad, mum, PartnershipType::married);
    auto* group = new Group("Rodina");
    group->members.append(std::make_unique<UkGrClovek>(dad));
    group->members.append(std::make_unique<UkGrClovek>(k1));
    tree.groups.append(std::unique_ptr<Prvek>(group));
    tree.rebuildChildLists();
    tree.rebuildAllSiblingLists();
    EXPECT_FALSE(tree.canChangeSex(dad));
    EXPECT_FALSE(tree.canChangeSex(mum));
    EXPECT_TRUE(tree.canChangeSex(uncle));

    tree.removePerson(dad);
    EXPECT_EQ(tree.personCount(), 5);
    EXPECT_EQ(k1->father, nullptr);
    EXPECT_EQ(k2->father, nullptr);
    EXPECT_EQ(personsOf(grandpa->children), (std::vector<const Clovek*>{uncle}));
    EXPECT_EQ(uncle->siblings().count(), 0);
    EXPECT_EQ(mum->partnerships.count(), 0);
    EXPECT_EQ(personsOf(k1->siblings()), (std::vector<const Clovek*>{k2}));
    EXPECT_EQ(group->members.count(), 1);
    EXPECT_TRUE(tree.canChangeSex(mum) == false); // still the children's mother
    EXPECT_EQ(tree.findPersonByNumber(1), nullptr);

    // A person of no chain is left alone.
    Clovek stranger;
    tree.removePerson(&stranger);
    EXPECT_EQ(tree.personCount(), 5);
}

TEST(Rod, RemovingAPersonClearsEveryEntryNamingIt)
{
    Rod tree;
    Clovek* a = add(tree, "A");
    Clovek* b = add(tree, "B");
    b->siblings().append(std::make_unique<UkClovek>(a)); // one-sided: A does not list B
    tree.removePerson(a);
    EXPECT_EQ(b->siblings().count(), 0);
}

TEST(Rod, LookupsFollowChangesToTheTree)
{
    Rod tree;
    Clovek* a = add(tree, "A");
    Clovek* b = add(tree, "B");
    EXPECT_EQ(tree.findPersonByIdentifier("0"), a);
    EXPECT_EQ(tree.findPersonByNumber(1), b);
    a->identifier = "Jan";
    EXPECT_EQ(tree.findPersonByIdentifier("0"), nullptr);
    EXPECT_EQ(tree.findPersonByIdentifier("Jan"), a);
    b->identifier = "Jan"; // the newer person stands first in the chain
    EXPECT_EQ(tree.findPersonByIdentifier("Jan"), b);
    tree.removePerson(b);
    EXPECT_EQ(tree.findPersonByNumber(1), nullptr);
    EXPECT_EQ(tree.findPersonByIdentifier("Jan"), a);
    Clovek* twin = new Clovek;
    twin->number = 0; // a damaged file: two persons numbered 0
    tree.appendPerson(std::unique_ptr<Clovek>(twin));
    EXPECT_EQ(tree.findPersonByNumber(0), twin);
}

TEST(Rod, CountsAndLookups)
{
    Rod tree;
    Clovek* a = add(tree, "A", 1);
    Clovek* b = add(tree, "B", 0);
    add(tree, "C", 0);
    b->alive = 0;
    a->importId = "@I1@";
    EXPECT_EQ(tree.countPersons(true, true), 3);
    EXPECT_EQ(tree.countPersons(false, false), 0);
    EXPECT_EQ(tree.countPersons(true, false), 2);
    EXPECT_EQ(tree.countWomen(false, true), 1);
    EXPECT_EQ(tree.countWomen(true, true), 2);
    EXPECT_EQ(tree.countMen(true, false), 1);
    EXPECT_EQ(tree.findPersonByImportId("@I1@"), a);
    EXPECT_EQ(tree.findPersonByDisplayName("X B, ? (1)", false, true, true), b);
    EXPECT_EQ(tree.findPersonByDisplayName("X B (1)", FixedDisplaySettings()), b);
    b->identifier = "";
    tree.fillEmptyIdentifiers();
    EXPECT_EQ(b->identifier, "1");
}

TEST(Rod, GenerationsAndCycles)
{
    Rod tree;
    Clovek* me = add(tree, "Já");
    EXPECT_EQ(tree.maxGenerations(), 1);
    Clovek* dad = add(tree, "Otec");
    Clovek* grandpa = add(tree, "Děda");
    setParent(me, dad);
    setParent(dad, grandpa);
    EXPECT_EQ(tree.maxGenerations(), 3);
    EXPECT_FALSE(tree.hasAncestorCycle());
    EXPECT_FALSE(tree.hasAncestorCycle(dad));

    setParent(grandpa, me); // made the father of his own grandfather
    EXPECT_TRUE(tree.hasAncestorCycle(me));
    EXPECT_TRUE(tree.hasAncestorCycle());
    EXPECT_GE(tree.maxGenerations(), 1);
    grandpa->father = grandpa;
    EXPECT_TRUE(tree.hasAncestorCycle(grandpa));
}

TEST(Rod, RelinkingTheOlderFormat)
{
    Rod tree;
    Clovek* a = new Clovek;
    a->number = 4;
    Clovek* b = new Clovek;
    b->number = 7;
    b->sex = 0;
    tree.appendPerson(std::unique_ptr<Clovek>(a));
    tree.appendPerson(std::unique_ptr<Clovek>(b));
    Clovek* child = new Clovek;
    child->number = 1;
    child->father = placeholder(4);
    child->mother = placeholder(99); // no such person
    tree.appendPerson(std::unique_ptr<Clovek>(child));
    Svatba* s = new Svatba;
    s->partner1 = a;
    s->partner2 = placeholder(7);
    a->partnerships.append(std::make_unique<UkSvatba>(s));
    Svatba* t = new Svatba;
    t->partner1 = b;
    t->partner2 = placeholder(4);
    b->partnerships.append(std::make_unique<UkSvatba>(t));
    tree.relinkParentsAndPartners();
    EXPECT_EQ(child->father, a);
    EXPECT_EQ(child->mother, nullptr);
    EXPECT_EQ(s->partner2, b);
    EXPECT_EQ(t->partner2, a);
    tree.sharePartnerships();
    EXPECT_EQ(a->partnerships.count(), 1);
    EXPECT_EQ(b->partnerships.count(), 1);
}

TEST(Rod, FastVersionsAgreeWithThePlainWalksOnRandomTrees)
{
    std::mt19937 rng(2024);
    for (int round = 0; round < 400; ++round) {
        Rod tree;
        buildRandomTree(tree, rng, 1 + int(rng() % 14));
        ASSERT_EQ(tree.firstFreePersonNumber(), literalFirstFree(tree));
        ASSERT_EQ(tree.maxGenerations(), literalMaxGenerations(tree));
        for (Clovek* p = tree.firstPerson; p; p = p->chainNext)
            ASSERT_EQ(p->generations(), literalGenerations(p));

        tree.rebuildChildLists();
        ASSERT_EQ(currentLists(tree, false), literalLists(tree, false)) << "round " << round;
        tree.rebuildAllSiblingLists();
        ASSERT_EQ(currentLists(tree, true), literalLists(tree, true)) << "round " << round;

        // Link one more parent, sometimes closing a cycle; the quick test after the link and
        // the test of the whole tree agree with the test of every person in turn, marks included.
        std::vector<Clovek*> all;
        for (Clovek* p = tree.firstPerson; p; p = p->chainNext)
            all.push_back(p);
        Clovek* child = all[rng() % all.size()];
        Clovek* parent = all[rng() % all.size()];
        Clovek*& link = parent->sex == 1 ? child->father : child->mother;
        Clovek* before = link;
        link = parent;
        bool expected = literalHasAncestorCycle(tree);
        std::vector<uint8_t> expectedMarks;
        for (Clovek* p : all)
            expectedMarks.push_back(p->mark);
        ASSERT_EQ(tree.hasAncestorCycle(parent), expected) << "round " << round;
        for (Clovek* p : all)
            p->mark = uint8_t(rng() % 2);
        ASSERT_EQ(tree.hasAncestorCycle(), expected) << "round " << round;
        for (size_t i = 0; i < all.size(); ++i)
            ASSERT_EQ(all[i]->mark, expectedMarks[i]) << "round " << round;
        link = before;

        // Removing persons leaves the lists as rebuilding them from the remaining links would,
        // apart from the siblings the removed persons made: those stay, as they always have.
        for (int r = 0; r < 3 && tree.personCount() > 0; ++r) {
            std::vector<Clovek*> now;
            for (Clovek* p = tree.firstPerson; p; p = p->chainNext)
                now.push_back(p);
            Clovek* gone = now[rng() % now.size()];
            tree.removePerson(gone);
            for (Clovek* p = tree.firstPerson; p; p = p->chainNext) {
                ASSERT_NE(p->father, gone);
                ASSERT_NE(p->mother, gone);
                for (UkClovek* e : p->siblings().items<UkClovek>())
                    ASSERT_NE(e->person(), gone);
                for (UkSvatba* e : p->partnerships.items<UkSvatba>())
                    ASSERT_NE(e->partnership->otherPartner(p), gone);
            }
            // Same children; their order is the one they had, which a rebuild need not repeat.
            auto now2 = currentLists(tree, false), rebuilt = literalLists(tree, false);
            for (auto* lists : {&now2, &rebuilt})
                for (auto& l : *lists)
                    std::sort(l.begin(), l.end());
            ASSERT_EQ(now2, rebuilt) << "round " << round;
        }
    }
}

// Siblings read for every person in turn while their lists still wait to be made (a few made
// already) are the lists made afterwards: with unknown birth parts, half-siblings and children
// lists out of birth order.
TEST(Rod, SiblingsReadWithoutMakingTheListsAreTheListsMadeLater)
{
    std::mt19937 rng(41);
    for (int round = 0; round < 300; ++round) {
        Rod tree;
        buildRandomTree(tree, rng, 2 + int(rng() % 30));
        tree.rebuildChildLists();
        for (Clovek* p = tree.firstPerson; p; p = p->chainNext) {
            if (p->children.count() < 2 || rng() % 3)
                continue;
            std::vector<Prvek*> order;
            for (Prvek* e = p->children.first(); e; e = e->next)
                order.push_back(e);
            std::shuffle(order.begin(), order.end(), rng);
            p->children.setOrder(order);
        }
        tree.buildSiblingListsOnFirstUse();
        for (Clovek* p = tree.firstPerson; p; p = p->chainNext)
            if (rng() % 8 == 0)
                p->siblings();
        SiblingOrder order;
        std::vector<std::vector<const Clovek*>> read;
        for (const Clovek* p = tree.firstPerson; p; p = p->chainNext) {
            const std::vector<Clovek*>& siblings = order.of(*p);
            read.emplace_back(siblings.begin(), siblings.end());
        }
        ASSERT_EQ(read, currentLists(tree, true)) << "round " << round;
    }
}

// Births the quick orders cannot take as numbers, or whose numbers are far out of the usual
// range, among the usual ones; many children of few parents; lists that already hold entries;
// a parent outside the chain. The lists are still what the literal passes make of them, a part
// that is no number compared as unknown.
TEST(Rod, ChildListsOfOddTreesAreWhatTheLiteralPassesMake)
{
    std::mt19937 rng(4711);
    const std::vector<std::string> odd{"x", "", "40000", "-32768", "-2147483648", "2147483647", "007"};
    auto birth = [&] {
        Datum d = randomBirth(rng);
        for (SparseText* part : {&d.day, &d.month, &d.year})
            if (rng() % 40 == 0)
                *part = odd[rng() % odd.size()];
        return d;
    };
    int raised = 0;
    for (int round = 0; round < 600; ++round) {
        Clovek outsider;
        Rod tree;
        const int n = 2 + int(rng() % 40);
        std::vector<Clovek*> made;
        for (int i = 0; i < n; ++i)
            made.push_back(add(tree, "P" + std::to_string(i), int(rng() % 2), birth()));
        const size_t parents = std::min(made.size(), size_t(1 + rng() % 4));
        for (Clovek* p : made) {
            if (rng() % 5)
                setParent(p, made[rng() % parents]);
            if (rng() % 3)
                setParent(p, made[rng() % parents]);
            if (rng() % 30 == 0)
                p->father = &outsider;
        }
        // The order the chain gives, each list with what it already held.
        std::vector<Clovek*> chain;
        for (Clovek* p = tree.firstPerson; p; p = p->chainNext)
            chain.push_back(p);
        std::vector<Prvky> expected(chain.size() + 1);
        auto expectedOf = [&](const Clovek* p) -> Prvky& {
            return expected[size_t(std::find(chain.begin(), chain.end(), p) - chain.begin())];
        };
        if (round % 4 == 0)
            for (int k = 0; k < 3; ++k) {
                Clovek* holder = made[rng() % made.size()];
                Clovek* held = made[rng() % made.size()];
                holder->children.append(std::make_unique<UkClovek>(held));
                expectedOf(holder).append(std::make_unique<UkClovek>(held));
            }
        for (Clovek* p : chain)
            for (Clovek* parent : {p->father, p->mother})
                if (parent)
                    expectedOf(parent).append(std::make_unique<UkClovek>(p));
        bool expectRaise = false;
        try {
            for (size_t i = 0; i < chain.size(); ++i)
                referenceBubble(expected[i]);
        } catch (const EConvertError&) {
            expectRaise = true;
        }

        bool raisedNow = false;
        try {
            tree.rebuildChildLists();
        } catch (const EConvertError&) {
            raisedNow = true;
        }
        ASSERT_EQ(raisedNow, expectRaise) << "round " << round;
        raised += raisedNow;
        for (size_t i = 0; i < chain.size(); ++i)
            ASSERT_EQ(personsOf(chain[i]->children), personsOf(expected[i])) << "round " << round;
        ASSERT_EQ(personsOf(outsider.children), personsOf(expected.back())) << "round " << round;
    }
    // A part that is no number compares as unknown: nothing raises.
    EXPECT_EQ(raised, 0);
}

// New persons are numbered from what the tree kept of earlier adds and removals; whatever
// happened in between, the number is still the lowest that nobody holds.
TEST(Rod, NewPersonNumbersStayTheLowestFreeThroughAddsAndRemovals)
{
    std::mt19937 rng(77);
    for (int round = 0; round < 200; ++round) {
        Rod tree;
        // Numbers up to twice the count, some held twice, as damaged files have them.
        const int n = 1 + int(rng() % 10);
        for (int i = 0; i < n; ++i) {
            Clovek* p = tree.appendPerson(std::make_unique<Clovek>());
            p->number = int(rng() % size_t(2 * n));
        }
        // As an open leaves the tree, or as a tree made by hand or imported is.
        if (rng() % 2)
            tree.fillEmptyIdentifiers();
        for (int step = 0; step < 40; ++step) {
            std::vector<Clovek*> all;
            for (Clovek* p = tree.firstPerson; p; p = p->chainNext)
                all.push_back(p);
            const unsigned what = rng() % 5;
            if (what < 2 || all.empty()) {
                const int expected = literalFirstFree(tree);
                Clovek* p = tree.addNewPerson(std::make_unique<Clovek>());
                ASSERT_EQ(p->number, expected) << "round " << round << " step " << step;
            } else if (what == 2) {
                tree.removePerson(all[rng() % all.size()]);
            } else if (what == 3) {
                tree.removePerson(*std::max_element(all.begin(), all.end(),
                                                    [](auto* a, auto* b) { return a->number < b->number; }));
            } else {
                // A person read in from outside takes a number the next new person would get.
                Clovek* p = tree.appendPerson(std::make_unique<Clovek>());
                p->number = literalFirstFree(tree);
            }
            ASSERT_EQ(tree.firstFreePersonNumber(), literalFirstFree(tree)) << "round " << round;
        }
    }
}
