#pragma once
// Layout of the tip window: the tip on a yellow ground, whether tips show at start, and the
// number of this start. Behaviour lives in TtipFORM (shell/tip_form.h).
#include "toolkit/form.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class TtipFORMLayout : public TForm {
public:
    TtipFORMLayout();
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();
    // The start number's label, looked up each time the tip shows; the number follows it.
    WindowTextList startNumberTexts();

    TLabel tipLB{this, "tipLB"};
    TCheckBox zobrazovatCH{this, "zobrazovatCH"};
    TLabel cisloSpusteniLB{this, "cisloSpusteniLB"};
    TButton OKBtn{this, "OKBtn"};
};
