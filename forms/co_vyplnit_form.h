#pragma once
// The text that bulk fill writes into one field; its caption is the field's name at each use.
// OK gives 1, Storno 2.
#include "toolkit/form.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class TcoVyplnitFORM : public TForm {
public:
    TcoVyplnitFORM();
    ~TcoVyplnitFORM() override;
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();

    TLabel zadejteLB{this, "zadejteLB"};
    TEdit zadejteED{this, "zadejteED"};
    TButton OKBtn{this, "OKBtn"};
    TButton stornoBT{this, "stornoBT"};
};

extern TcoVyplnitFORM* coVyplnitFORM;
