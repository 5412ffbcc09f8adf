#pragma once
// Choice of a partner from a list the caller fills, or a new person. Results: 1 the selected
// entry (OK or a double-click), 6 a new person. No default or cancel button: Enter and Esc do
// nothing unless OK has the focus.
#include "toolkit/form.h"
#include "toolkit/lists.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class TvyberPartnera : public TForm {
public:
    TvyberPartnera();
    ~TvyberPartnera() override;
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();

    TLabel pokynLB{this, "pokynLB"};
    TListBox nabidkaLIST{this, "nabidkaLIST"};
    TButton Button1{this, "Button1"};
    TButton vytvorNovehoBT{this, "vytvorNovehoBT"};

    // Handlers, defined and bound by the shell (shell/pick_lists.cpp).
    void nabidkaLISTClick();
    void nabidkaLISTDblClick();
};

extern TvyberPartnera* vyberPartnera;
