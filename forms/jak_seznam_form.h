#pragma once
// How the person list is written out (hierarchical, alphabetical, chronological) and which data
// go with each name. OK writes the list before it closes with 1; Storno gives 2.
#include "toolkit/form.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class TJakSeznamFORM : public TForm {
public:
    TJakSeznamFORM();
    ~TJakSeznamFORM() override;
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();

    TLabel jakVypsatLB{this, "jakVypsatLB"};
    TRadioGroup zpusobVypisuRADIO{this, "zpusobVypisuRADIO"};
    TGroupBox coVypsatGROUP{this, "coVypsatGROUP"};
    TCheckBox rodnePrijmeniCH{&coVypsatGROUP, "rodnePrijmeniCH"};
    TCheckBox narozeniCH{&coVypsatGROUP, "narozeniCH"};
    TCheckBox cisloCH{&coVypsatGROUP, "cisloCH"};
    TCheckBox umrtiCH{&coVypsatGROUP, "umrtiCH"};
    TCheckBox mistoNarozeniCH{&coVypsatGROUP, "mistoNarozeniCH"};
    TCheckBox mistoUmrtiCH{&coVypsatGROUP, "mistoUmrtiCH"};
    TCheckBox bydlisteCH{&coVypsatGROUP, "bydlisteCH"};
    TCheckBox vzdelaniCH{&coVypsatGROUP, "vzdelaniCH"};
    TCheckBox povolaniCH{&coVypsatGROUP, "povolaniCH"};
    TButton OkBT{this, "OkBT"};
    TButton StornoBT{this, "StornoBT"};

    // Handlers, defined and bound by the shell (shell/text_windows.cpp).
    void OkBTClick();
};

extern TJakSeznamFORM* JakSeznamFORM;
