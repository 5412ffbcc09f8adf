#pragma once
// What a new sibling shares with the shown person. Codes: 6 the father, 7 the mother, 2 both
// parents (the default button; the same number as a cancel elsewhere). No close box.
#include "toolkit/form.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class TsourozenciCreate : public TForm {
public:
    TsourozenciCreate();
    ~TsourozenciCreate() override;
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();

    TLabel coSpolecnehoLB{this, "coSpolecnehoLB"};
    TButton otceBT{this, "otceBT"};
    TButton matkuBT{this, "matkuBT"};
    TButton obaRodiceBT{this, "obaRodiceBT"};
};

extern TsourozenciCreate* sourozenciCreate;
