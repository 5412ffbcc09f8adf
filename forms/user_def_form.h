#pragma once
// Layout of the caption prompt of a user-defined person field (at most 23 characters).
// Behaviour lives in TuserDefFORM (shell/value_dialogs.h).
#include "toolkit/form.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class TuserDefFORMLayout : public TForm {
public:
    TuserDefFORMLayout();
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();

    TLabel pokynLB{this, "pokynLB"};
    TEdit kolonkaED{this, "kolonkaED"};
    TButton okBT{this, "okBT"};
    TButton stornoBT{this, "stornoBT"};
};
