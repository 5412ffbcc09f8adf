#pragma once
// The program started quietly with a new tree that holds nobody yet, as after the new-tree
// command; the helpers every test of a tree built by hand reads it with.
#include "model/action_list.h"
#include "program_fixture.h"
#include "toolkit/lists.h"

#include <string>
#include <vector>

struct EmptyTreeTest : ProgramTest {
    void SetUp() override
    {
        ProgramTest::SetUp();
        startQuietly();
        hl().createEmptyTree();
        hl().enableControls(true, false);
    }
    ZakladniSheet& z() { return hl().editor.zakladniSheet; }
    Clovek* current() { return hl().editor.currentPerson; }
    int steps() { return hl().session.tree()->undoHistory->count(); }
    static std::vector<std::string> lines(const TListBox& list) { return list.Items.lines(); }
    // A person types `text` over what the box holds, then goes on to `next` when there is one.
    static void typeOver(TWinControl& box, const std::string& text)
    {
        user::focus(box);
        user::replaceText(box, text);
    }
    static void typeOver(TWinControl& box, const std::string& text, TWinControl& next)
    {
        typeOver(box, text);
        user::focus(next);
    }
};
