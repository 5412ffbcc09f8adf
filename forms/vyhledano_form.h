#pragma once
// The persons a search found, in a sizeable window: a double-click gives 1, back gives 2.
#include "toolkit/form.h"
#include "toolkit/lists.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class TvyhledanoFORM : public TForm {
public:
    TvyhledanoFORM();
    ~TvyhledanoFORM() override;
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();

    TLabel nalezenoLB{this, "nalezenoLB"};
    TListBox osobyLIST{this, "osobyLIST"};
    TLabel poklepanimLB{this, "poklepanimLB"};
    TButton zpetBT{this, "zpetBT"};

    // Handlers, defined and bound by the shell (shell/pick_lists.cpp).
    void osobyLISTDblClick();
};

extern TvyhledanoFORM* vyhledanoFORM;
