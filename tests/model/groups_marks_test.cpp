#include "group_builders.h"
#include "model/display_settings.h"
#include "model/group.h"
#include "model/rod.h"
#include "model/uk_clovek.h"
#include "model_helpers.h"

#include <gtest/gtest.h>

namespace {

Clovek* numbered(Rod& tree, const std::string& name, int number, int sex = 1)
{
    Clovek* p = makePerson(name, "Novák", sex);
    p->number = number;
    p->identifier = std::to_string(number);
    tree.appendPerson(std::unique_ptr<Clovek>(p));
    return p;
}

std::string marked(const Rod& tree)
{
    std::string s;
    tree.forEachPerson([&](Clovek* p) {
        if (p->mark)
            s += p->firstName;
    });
    return s;
}

} // namespace

TEST(Groups, NamesCompareExactly)
{
    Rod tree;
    Group* g = addGroup(tree, "Rodina");
    EXPECT_TRUE(tree.groupExists("Rodina"));
    EXPECT_FALSE(tree.groupExists("rodina"));
    EXPECT_EQ(tree.findGroup("Rodina"), g);
    EXPECT_EQ(tree.findGroup("rodina"), nullptr);
}

TEST(Groups, RelinkingMembersAfterALoad)
{
    Rod tree;
    Clovek* a = numbered(tree, "A", 0);
    Clovek* b = numbered(tree, "B", 3);
    Group* g = addGroup(tree, "Rodina");
    Group* h = addGroup(tree, "Přátelé");
    g->members.append(std::make_unique<UkGrClovek>(placeholder(3)));
    g->members.append(std::make_unique<UkGrClovek>(placeholder(99))); // nobody has 99
    g->members.append(std::make_unique<UkGrClovek>(placeholder(0)));
    g->members.append(std::make_unique<UkGrClovek>(placeholder(3))); // a damaged file lists B twice
    Clovek* shared = placeholder(0);
    h->members.append(std::make_unique<UkGrClovek>(shared));
    h->members.append(std::make_unique<UkGrClovek>(shared));

    tree.relinkGroupMembers();
    ASSERT_EQ(g->members.count(), 2);
    EXPECT_EQ(static_cast<UkGrClovek*>(g->members.at(0))->person(), b);
    EXPECT_EQ(static_cast<UkGrClovek*>(g->members.at(1))->person(), a);
    ASSERT_EQ(h->members.count(), 1);
    EXPECT_EQ(static_cast<UkGrClovek*>(h->members.at(0))->person(), a);
    EXPECT_TRUE(Rod::isGroupMember(g->members, a));
    EXPECT_EQ(Rod::findGroupMember(h->members, b), nullptr);

    // Running it again over linked members changes nothing.
    tree.relinkGroupMembers();
    EXPECT_EQ(g->members.count(), 2);
}

TEST(Groups, RemovingAPersonTakesItOutOfEveryGroupCompletely)
{
    Rod tree;
    Clovek* a = numbered(tree, "A", 0);
    Clovek* b = numbered(tree, "B", 1);
    Group* g = addGroup(tree, "G");
    Group* h = addGroup(tree, "H");
    g->members.append(std::make_unique<UkGrClovek>(a));
    g->members.append(std::make_unique<UkGrClovek>(b));
    g->members.append(std::make_unique<UkGrClovek>(a));
    h->members.append(std::make_unique<UkGrClovek>(a));

    tree.removeFromAllGroups(a);
    EXPECT_FALSE(g->contains(a));
    EXPECT_FALSE(h->contains(a));
    EXPECT_EQ(g->members.count(), 1);
    EXPECT_EQ(tree.groups.count(), 2);

    g->members.append(std::make_unique<UkGrClovek>(b));
    tree.removePerson(b);
    EXPECT_EQ(g->members.count(), 0);
    EXPECT_EQ(tree.groups.count(), 2);
}

TEST(Marks, PartnersAndSiblingsGoOneStepOnly)
{
    Rod tree;
    Clovek* p = numbered(tree, "P", 0);
    Clovek* q = numbered(tree, "Q", 1, 0);
    Clovek* r = numbered(tree, "R", 2);
    partnership(p, q);
    partnership(q, r);
    tree.clearMarks();
    p->mark = 1;
    tree.markPartners();
    EXPECT_EQ(marked(tree), "QP");
    tree.freePartnerships();

    // Siblings: S and T are siblings, T and U half-siblings; only S marked.
    Rod other;
    Clovek* s = numbered(other, "S", 0);
    Clovek* t = numbered(other, "T", 1);
    Clovek* u = numbered(other, "U", 2);
    s->siblings().append(std::make_unique<UkClovek>(t));
    t->siblings().append(std::make_unique<UkClovek>(s));
    t->siblings().append(std::make_unique<UkClovek>(u));
    u->siblings().append(std::make_unique<UkClovek>(t));
    other.clearMarks();
    s->mark = 1;
    other.markSiblings();
    EXPECT_EQ(marked(other), "TS");
}

TEST(Marks, AncestorsAndDescendantsGiveTheFullClosureInAnyChainOrder)
{
    Rod tree;
    // The chain runs newest first: the child is at the tail, its ancestors before it.
    Clovek* child = numbered(tree, "c", 0);
    Clovek* dad = numbered(tree, "d", 1);
    Clovek* mum = numbered(tree, "m", 2, 0);
    Clovek* grandpa = numbered(tree, "g", 3);
    numbered(tree, "s", 4);
    setParents(child, dad, mum);
    setParents(dad, grandpa, nullptr);
    tree.rebuildChildLists();

    tree.clearMarks();
    child->mark = 1;
    tree.markAncestors();
    EXPECT_EQ(marked(tree), "gmdc");

    tree.clearMarks();
    grandpa->mark = 1;
    tree.markDescendants();
    EXPECT_EQ(marked(tree), "gdc");

    tree.invertMarks();
    EXPECT_EQ(marked(tree), "sm");
    tree.invertMarks();
    EXPECT_EQ(marked(tree), "gdc");
    tree.setAllMarks(1);
    EXPECT_EQ(marked(tree), "sgmdc");
}

TEST(Marks, ACycleInADamagedTreeStillEnds)
{
    Rod tree;
    Clovek* a = numbered(tree, "a", 0);
    Clovek* b = numbered(tree, "b", 1);
    Clovek* c = numbered(tree, "c", 2);
    numbered(tree, "x", 3);
    setParents(a, b, nullptr);
    setParents(b, c, nullptr);
    setParents(c, a, nullptr); // a is its own great-grandfather
    tree.rebuildChildLists();

    tree.clearMarks();
    a->mark = 1;
    tree.markAncestors();
    EXPECT_EQ(marked(tree), "cba");
    tree.clearMarks();
    b->mark = 1;
    tree.markDescendants();
    EXPECT_EQ(marked(tree), "cba");
}

TEST(Marks, ADeepLineDoesNotExhaustTheStack)
{
    Rod tree;
    Clovek* older = nullptr;
    Clovek* youngest = nullptr;
    for (int i = 0; i < 100000; ++i) {
        Clovek* p = numbered(tree, "", i);
        p->father = older;
        older = p;
        youngest = p;
    }
    tree.clearMarks();
    youngest->mark = 1;
    tree.markAncestors();
    int count = 0;
    tree.forEachPerson([&](Clovek* p) { count += p->mark; });
    EXPECT_EQ(count, 100000);
}

TEST(Marks, CheckListRowsShowEveryPersonWithItsMark)
{
    Rod tree;
    Clovek* a = numbered(tree, "Jana", 0, 0);
    a->birthSurname = "Malá";
    a->birth = date("1", "2", "1950");
    Clovek* b = numbered(tree, "Petr", 1);
    tree.clearMarks();
    b->mark = 1;
    auto rows = tree.markRows(FixedDisplaySettings(true, false));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].first, "Novák Petr, ? (1)");
    EXPECT_TRUE(rows[0].second);
    EXPECT_EQ(rows[1].first, "Malá Jana, 1950 (0)");
    EXPECT_FALSE(rows[1].second);
}
