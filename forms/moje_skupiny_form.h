#pragma once
// The groups of the shown person: one line per group of the tree, ticked for its members; each
// tick acts at once. OK gives 1.
#include "toolkit/form.h"
#include "toolkit/lists.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class TmojeSkupinyFORM : public TForm {
public:
    TmojeSkupinyFORM();
    ~TmojeSkupinyFORM() override;
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();

    TCheckListBox skupinyLIST{this, "skupinyLIST"};
    TButton OkBT{this, "OkBT"};
};

extern TmojeSkupinyFORM* mojeSkupinyFORM;
