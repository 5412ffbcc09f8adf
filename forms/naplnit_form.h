#pragma once
// How to fill the selected group: all men, all women, or the persons whose surname or birth
// surname begins with the text beside the last button. The window stays open for a further
// choice; Zpět gives 1.
#include "toolkit/form.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class TnaplnitFORM : public TForm {
public:
    TnaplnitFORM();
    ~TnaplnitFORM() override;
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();

    TButton muziBT{this, "muziBT"};
    TButton zenyBT{this, "zenyBT"};
    TButton zacatekBT{this, "zacatekBT"};
    TEdit zacatekED{this, "zacatekED"};
    TButton zpetBT{this, "zpetBT"};
};

extern TnaplnitFORM* naplnitFORM;
