#pragma once
// What to do with person forms. Codes: 1 show the shown person's form, 6 print it, 7 print the
// forms of all persons, 5 print by share of filled fields, 4 print empty forms; the close box
// gives 2.
#include "toolkit/form.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class TformularFORM : public TForm {
public:
    TformularFORM();
    ~TformularFORM() override;
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();

    TLabel jakouAkciLB{this, "jakouAkciLB"};
    TButton zobrazAktivniBT{this, "zobrazAktivniBT"};
    TButton tiskniAktivniBT{this, "tiskniAktivniBT"};
    TButton tiskniVseBT{this, "tiskniVseBT"};
    TButton tiskniDleProcentBT{this, "tiskniDleProcentBT"};
    TButton tiskniPrazdneBT{this, "tiskniPrazdneBT"};
};

extern TformularFORM* formularFORM;
