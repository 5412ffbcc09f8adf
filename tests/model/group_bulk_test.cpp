// Removing many persons at once: what stays in the groups and the relatives; display names
// turned back into persons.
#include "group_builders.h"
#include "model/display_settings.h"
#include "model/group.h"
#include "model/rod.h"
#include "model/uk_clovek.h"
#include "model_helpers.h"

#include <gtest/gtest.h>

namespace {

struct GroupBulk : ::testing::Test {
    Rod tree;
    Clovek* a = add("Adam");
    Clovek* b = add("Bedřich");
    Clovek* c = add("Cyril");
    Clovek* d = add("Dan");
    Group* g = addGroup(tree, "G", {a, b, c, d});
    Group* h = addGroup(tree, "H", {d, b});

    Clovek* add(const std::string& name) { return addPersonTo(tree, name, "Novák"); }
};

TEST_F(GroupBulk, RemovingManyPersonsEmptiesTheirGroupEntriesAndKeepsTheOthersInOrder)
{
    g->addMember(b); // a damaged file may list a person twice
    c->father = b;
    tree.rebuildChildLists();
    Clovek stranger;
    tree.removePersons({b, &stranger, d, b});
    EXPECT_EQ(tree.personCount(), 2);
    EXPECT_EQ(memberNames(g), (std::vector<std::string>{"Adam", "Cyril"}));
    EXPECT_EQ(h->members.count(), 0);
    EXPECT_EQ(c->father, nullptr);
    EXPECT_EQ(tree.findPersonByNumber(1), nullptr);
}

TEST_F(GroupBulk, ADisplayNameLeadsToTheFirstPersonOfTheChainThatHasIt)
{
    const FixedDisplaySettings plain;
    Clovek* twin = makePerson("Dan", "Novák");
    twin->number = 99;
    twin->identifier = d->identifier; // same display text as Dan
    tree.appendPerson(std::unique_ptr<Clovek>(twin));
    const auto byName = tree.personsByDisplayName(plain);
    const std::string text = d->displayName(false, true, true);
    ASSERT_EQ(byName.count(text), 1u);
    EXPECT_EQ(byName.at(text), tree.findPersonByDisplayName(text, false, true, true));
    const auto rows = tree.memberRows(h, plain);
    ASSERT_EQ(rows.size(), 5u);
    int ticked = 0;
    for (const auto& r : rows)
        ticked += r.second;
    EXPECT_EQ(ticked, 2);
}

} // namespace
