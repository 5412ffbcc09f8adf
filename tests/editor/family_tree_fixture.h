#pragma once
// A started program with a tree built person by person, as the editor tests need it: parents,
// partnerships of every state, the list filled and a person shown.
#include "../shell/program_fixture.h"
#include "model/svatba.h"
#include "model/uk_clovek.h"
#include "platform/lists.h"
#include "shell/scroll.h"

#include <algorithm>

#include <string>
#include <vector>

struct FamilyTest : ProgramTest {
    void SetUp() override
    {
        ProgramTest::SetUp();
        startQuietly();
        hl().createEmptyTree();
    }
    Clovek* add(const std::string& first, const std::string& surname, int sex = 1)
    {
        auto* p = new Clovek;
        p->firstName = first;
        p->surname = surname;
        p->sex = uint8_t(sex);
        hl().tree->addNewPerson(p);
        return p;
    }
    static void parents(Clovek* child, Clovek* father, Clovek* mother)
    {
        child->father = father;
        child->mother = mother;
    }
    // type 0 partnership, 1 married, 2 divorced.
    static Svatba* couple(Clovek* a, Clovek* b, int type)
    {
        auto* s = new Svatba;
        s->partner1 = a;
        s->partner2 = b;
        s->type = uint8_t(type);
        a->partnerships.append(new UkSvatba(s));
        b->partnerships.append(new UkSvatba(s));
        return s;
    }
    // Child and sibling lists linked, the list filled and sorted, the person shown.
    void ready(Clovek* shown)
    {
        hl().tree->rebuildChildLists();
        hl().tree->rebuildAllSiblingLists();
        hl().enableControls(true, true);
        hl().fillGroupsCombo("");
        hl().currentRow = hl().personList->locate(shown);
        hl().showPerson(shown);
    }
    // The first names of the person list's rows, in its order.
    std::vector<std::string> listed()
    {
        std::vector<std::string> names;
        for (Polozka* r = hl().personList->first; r; r = r->next)
            names.push_back(r->person->firstName);
        return names;
    }
    // The first names of the ticked lines of a check list of persons, sorted.
    std::vector<std::string> ticked(const TCheckListBox& list)
    {
        std::vector<std::string> names;
        for (int i = 0; i < list.Items.Count(); ++i)
            if (list.Checked(i))
                names.push_back(hl().tree->findPersonByDisplayName(list.Items[i], hl().settings.showBirthSurname, true,
                                                                   true)->firstName);
        std::sort(names.begin(), names.end());
        return names;
    }
    // As the dialogs list persons: birth surname and birth year as the settings say, identifier.
    std::string name(const Clovek* p)
    {
        return p->displayName(hl().settings.showBirthSurname, hl().settings.showBirth, true);
    }
};
