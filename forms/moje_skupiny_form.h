#pragma once
// The groups of the shown person: one line per group of the tree, ticked for its members; each
// tick acts at once. OK gives 1.
#include "toolkit/form.h"
#include "toolkit/lists.h"
#include "toolkit/stdctrls.h"

class TmojeSkupinyFORM : public TForm {
public:
    TmojeSkupinyFORM();
    ~TmojeSkupinyFORM() override;

    TCheckListBox skupinyLIST{this, "skupinyLIST"};
    TButton OkBT{this, "OkBT"};
};

extern TmojeSkupinyFORM* mojeSkupinyFORM;
