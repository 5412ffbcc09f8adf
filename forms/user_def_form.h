#pragma once
// Layout of the caption prompt of a user-defined person field (at most 23 characters).
// Behaviour lives in TuserDefFORM (shell/value_dialogs.h).
#include "toolkit/form.h"
#include "toolkit/stdctrls.h"

class TuserDefFORMLayout : public TForm {
public:
    TuserDefFORMLayout();

    TLabel pokynLB{this, "pokynLB"};
    TEdit kolonkaED{this, "kolonkaED"};
    TButton okBT{this, "okBT"};
    TButton stornoBT{this, "stornoBT"};
};
