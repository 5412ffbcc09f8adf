#pragma once
// The options of a GEDCOM import: where the surname of a NAME line goes (a hidden choice that
// passes the setting through) and whether a missing surname of men or of women is completed
// from the other one. Only OK, no close box.
#include "toolkit/form.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class TimportFORM : public TForm {
public:
    TimportFORM();
    ~TimportFORM() override;
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();

    TButton okBT{this, "okBT"};
    TLabel importLB{this, "importLB"};
    TRadioGroup bornGROUP{this, "bornGROUP"};
    TCheckBox manCH{this, "manCH"};
    TCheckBox womanCH{this, "womanCH"};
};

extern TimportFORM* importFORM;
