#pragma once
// The summary of a partnership, which the person editor writes into the memo; it can be changed
// and saved as a text file. Zpět gives 1.
#include "toolkit/dialogs.h"
#include "toolkit/form.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class TShrnutiSvatbyFORM : public TForm {
public:
    TShrnutiSvatbyFORM();
    ~TShrnutiSvatbyFORM() override;
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();

    TMemo shrnutiMEMO{this, "shrnutiMEMO"};
    TButton ulozitShrnutiBT{this, "ulozitShrnutiBT"};
    TButton zpetBT{this, "zpetBT"};
    TSaveDialog SaveDialogTXT{"SaveDialogTXT"};

    // Handlers, defined and bound by the shell (shell/text_windows.cpp).
    void ulozitShrnutiBTClick();
};

extern TShrnutiSvatbyFORM* ShrnutiSvatbyFORM;
