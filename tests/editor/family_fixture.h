#pragma once
// A small family on the basic-data page: persons made by name, sex and birth year, the list
// filled and one person shown.
#include "../shell/program_fixture.h"
#include "model/action_list.h"
#include "model/svatba.h"
#include "model/uk_clovek.h"
#include "shell/scroll.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

struct FamilyPage : ProgramTest {
    ZakladniSheet& z() { return hl().zakladniSheet; }

    void SetUp() override
    {
        ProgramTest::SetUp();
        startQuietly();
        hl().createEmptyTree();
        hl().enableControls(true, true);
        // Display texts without the birth year: surname, first name and identifier.
        hl().settings.showBirth = false;
    }
    Clovek* add(const std::string& first, const std::string& surname, int sex, const std::string& year = "?")
    {
        auto* p = new Clovek;
        p->firstName = first;
        p->surname = surname;
        p->sex = uint8_t(sex);
        p->birth.year = year;
        hl().tree->addNewPerson(p);
        hl().personList->fill();
        return p;
    }
    void show(Clovek* p) { hl().showPersonOfStep(p); }
    // Links as a loaded tree has them.
    static void parent(Clovek* child, Clovek* father, Clovek* mother)
    {
        child->father = father;
        child->mother = mother;
        for (Clovek* p : {father, mother})
            if (p)
                p->children.append(new UkClovek(child));
    }
    static Svatba* couple(Clovek* a, Clovek* b, int type = 0)
    {
        auto* s = new Svatba;
        s->partner1 = a;
        s->partner2 = b;
        s->type = uint8_t(type);
        a->partnerships.append(new UkSvatba(s));
        b->partnerships.append(new UkSvatba(s));
        return s;
    }
    static std::vector<std::string> rows(const TListBox& list) { return list.Items.lines(); }
    static std::vector<std::string> names(const Prvky& persons)
    {
        std::vector<std::string> out;
        for (UkClovek* e : persons.items<UkClovek>())
            out.push_back(e->person()->firstName);
        return out;
    }
    int steps() { return hl().tree->undoHistory->count(); }
    // The person picks the entry of `text` in a parent box, entering it first as a click does.
    void choose(TComboBox& box, const std::string& text)
    {
        user::focus(box);
        ASSERT_TRUE(user::pick(box, text)) << text;
    }
    Clovek* current() { return hl().currentPerson; }
};
