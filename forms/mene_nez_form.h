#pragma once
// The share of filled fields (10 to 100 %, 50 at first) below which person forms are printed.
#include "toolkit/commonctrls.h"
#include "toolkit/form.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class TmeneNezFORM : public TForm {
public:
    TmeneNezFORM();
    ~TmeneNezFORM() override;
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();

    TLabel pokynLB{this, "pokynLB"};
    TEdit procentaED{this, "procentaED"};
    TUpDown procentaUD{this, "procentaUD"};
    TButton okBT{this, "okBT"};
    TButton stornoBT{this, "stornoBT"};
};

extern TmeneNezFORM* meneNezFORM;
