#pragma once
// Layout of the life-period entry: a text from a sorted list the caller fills, and the dates
// from and to. Behaviour lives in TcasoveObdobiFORM (shell/value_dialogs.h).
#include "toolkit/form.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class TcasoveObdobiFORMLayout : public TForm {
public:
    TcasoveObdobiFORMLayout();
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();

    TLabel textLB{this, "textLB"};
    TComboBox textCB{this, "textCB"};
    TLabel odLB{this, "odLB"};
    TEdit odED{this, "odED"};
    TLabel doLB{this, "doLB"};
    TEdit doED{this, "doED"};
    TButton okBT{this, "okBT"};
    TButton stornoBT{this, "stornoBT"};
};
