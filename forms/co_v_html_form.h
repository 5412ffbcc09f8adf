#pragma once
// Which parts of a person the web export writes into its pages. The window lives for the whole
// run, so the ticks carry over. OK gives 1, Storno 2; no close box.
#include "toolkit/form.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class TcoVHtmlFORM : public TForm {
public:
    TcoVHtmlFORM();
    ~TcoVHtmlFORM() override;
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();

    TGroupBox coZobrazitGROUP{this, "coZobrazitGROUP"};
    TCheckBox fotkaCH{&coZobrazitGROUP, "fotkaCH"};
    TCheckBox identifikatorCH{&coZobrazitGROUP, "identifikatorCH"};
    TCheckBox narozeniCH{&coZobrazitGROUP, "narozeniCH"};
    TCheckBox umrtiCH{&coZobrazitGROUP, "umrtiCH"};
    TCheckBox snatkyCH{&coZobrazitGROUP, "snatkyCH"};
    TCheckBox bydlisteCH{&coZobrazitGROUP, "bydlisteCH"};
    TCheckBox vzdelaniCH{&coZobrazitGROUP, "vzdelaniCH"};
    TCheckBox povolaniCH{&coZobrazitGROUP, "povolaniCH"};
    TCheckBox kontaktyCH{&coZobrazitGROUP, "kontaktyCH"};
    TButton OKBtn{this, "OKBtn"};
    TButton stornoBT{this, "stornoBT"};
};

extern TcoVHtmlFORM* coVHtmlFORM;
