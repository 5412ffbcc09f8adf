#pragma once
// Bulk delete: every person with a tick for the marked ones, the commands that widen or change
// the marks (by family, by group, inverted, all, none) and the button that deletes the marked.
// Storno gives 2.
#include "toolkit/form.h"
#include "toolkit/lists.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class ThromadneMazaniFORM : public TForm {
public:
    ThromadneMazaniFORM();
    ~ThromadneMazaniFORM() override;
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();

    TCheckListBox osobyLIST{this, "osobyLIST"};
    TButton invertovatBT{this, "invertovatBT"};
    TButton vseBT{this, "vseBT"};
    TButton zrusBT{this, "zrusBT"};
    TButton predciBT{this, "predciBT"};
    TButton detiBT{this, "detiBT"};
    TButton partneriBT{this, "partneriBT"};
    TButton sourozenciBT{this, "sourozenciBT"};
    TButton skupinaBT{this, "skupinaBT"};
    TComboBox skupinyCB{this, "skupinyCB"};
    TButton OkBT{this, "OkBT"};
    TButton StornoBT{this, "StornoBT"};
};

extern ThromadneMazaniFORM* hromadneMazaniFORM;
