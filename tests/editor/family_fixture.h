#pragma once
// A family built person by person in a new tree, as the editor tests need it: parents,
// partnerships of every state, the list filled and a person shown.
#include "../shell/empty_tree_fixture.h"
#include "model/svatba.h"
#include "model/uk_clovek.h"
#include "shell/scroll.h"
#include "toolkit/lists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

// The links made first, then the child and sibling lists rebuilt and the person shown by ready().
struct FamilyTest : EmptyTreeTest {
    Clovek* add(const std::string& first, const std::string& surname, int sex = 1)
    {
        return addPersonTo(*hl().session.tree(), first, surname, sex);
    }
    static void parents(Clovek* child, Clovek* father, Clovek* mother) { setParents(child, father, mother); }
    static Svatba* couple(Clovek* a, Clovek* b, PartnershipType type = PartnershipType::plain)
    {
        return partnership(a, b, type);
    }
    // Child and sibling lists linked, the list filled and sorted, the person shown.
    void ready(Clovek* shown)
    {
        hl().session.tree()->rebuildChildLists();
        hl().session.tree()->rebuildAllSiblingLists();
        hl().enableControls(true, true);
        hl().editor.fillGroupsCombo("");
        hl().personList.setCurrentRow(hl().personList.locate(shown));
        hl().editor.showPerson(shown);
    }
    // The first names of the ticked lines of a check list of persons, sorted.
    std::vector<std::string> ticked(const TCheckListBox& list)
    {
        std::vector<std::string> names;
        for (int i = 0; i < list.Items.Count(); ++i)
            if (list.Checked(i))
                names.push_back(
                    hl().session.tree()
                        ->findPersonByDisplayName(list.Items[i], hl().settings.showBirthSurname, true, true)
                        ->firstName);
        std::sort(names.begin(), names.end());
        return names;
    }
    // As the dialogs list persons: birth surname and birth year as the settings say, identifier.
    std::string name(const Clovek* p)
    {
        return p->displayName(hl().settings.showBirthSurname, hl().settings.showBirth, true);
    }
};

// The family on the basic-data page from the start: each person added shows in the list at once
// and parents hold their children as a loaded tree has them.
struct FamilyPage : FamilyTest {
    void SetUp() override
    {
        FamilyTest::SetUp();
        hl().enableControls(true, true);
        // Display texts without the birth year: surname, first name and identifier.
        hl().settings.showBirth = false;
    }
    Clovek* add(const std::string& first, const std::string& surname, int sex, const std::string& year = "?")
    {
        Clovek* p = FamilyTest::add(first, surname, sex);
        p->birth.year = year;
        hl().personList.fill();
        return p;
    }
    void show(Clovek* p) { hl().editor.showPersonOfStep(p); }
    static void parent(Clovek* child, Clovek* father, Clovek* mother) { linkParents(child, father, mother); }
    static std::vector<std::string> names(const Prvky& persons)
    {
        std::vector<std::string> out;
        for (UkClovek* e : persons.items<UkClovek>())
            out.push_back(e->person()->firstName);
        return out;
    }
    // The person picks the entry of `text` in a parent box, entering it first as a click does.
    void choose(TComboBox& box, const std::string& text)
    {
        user::focus(box);
        ASSERT_TRUE(user::pick(box, text)) << text;
    }
};
