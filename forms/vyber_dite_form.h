#pragma once
// Choice of a child to assign: a double-click on an entry gives 1, back gives 2; no close box.
#include "toolkit/form.h"
#include "toolkit/lists.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class TvyberDiteFORM : public TForm {
public:
    TvyberDiteFORM();
    ~TvyberDiteFORM() override;
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();

    TLabel pokynLB{this, "pokynLB"};
    TListBox ListBox1{this, "ListBox1"};
    TButton zpetBT{this, "zpetBT"};

    // Handlers, defined and bound by the shell (shell/pick_lists.cpp).
    void ListBox1DblClick();
};

extern TvyberDiteFORM* vyberDiteFORM;
