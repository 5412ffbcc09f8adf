#pragma once
// The name of a group to create, copy to or rename to. OK gives 1, Storno 2.
#include "toolkit/form.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class TnazevSkupinyFORM : public TForm {
public:
    TnazevSkupinyFORM();
    ~TnazevSkupinyFORM() override;
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();

    TLabel zadejteLB{this, "zadejteLB"};
    TEdit nazevED{this, "nazevED"};
    TButton OKBtn{this, "OKBtn"};
    TButton StornoBT{this, "StornoBT"};
};

extern TnazevSkupinyFORM* nazevSkupinyFORM;
