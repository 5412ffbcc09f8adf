#pragma once
// The anniversary calendar dialog: which anniversaries go into the calendar file. The window
// keeps its ticks for the whole run; the calendar command reads them.
#include "toolkit/form.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class TkalendarFORM : public TForm {
public:
    TkalendarFORM();
    ~TkalendarFORM() override;
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();

    TGroupBox kteraVyrociGROUP{this, "kteraVyrociGROUP"};
    TCheckBox narozZijCH{&kteraVyrociGROUP, "narozZijCH"};
    TCheckBox narozZesCH{&kteraVyrociGROUP, "narozZesCH"};
    TCheckBox umrtiCH{&kteraVyrociGROUP, "umrtiCH"};
    TCheckBox svatbaZijCH{&kteraVyrociGROUP, "svatbaZijCH"};
    TCheckBox svatbaZesCH{&kteraVyrociGROUP, "svatbaZesCH"};
    TButton OKBtn{this, "OKBtn"};
    TButton stornoBT{this, "stornoBT"};
};

// The one calendar dialog of the program (the first one made).
extern TkalendarFORM* kalendarFORM;
