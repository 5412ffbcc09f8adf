#pragma once
// Layout of the quick-text prompt (the text a key F9 to F12 inserts). Behaviour lives in
// TFTextFORM (shell/value_dialogs.h).
#include "toolkit/form.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class TFTextFORMLayout : public TForm {
public:
    TFTextFORMLayout();
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();

    TLabel vkladanyTextLB{this, "vkladanyTextLB"};
    TEdit vkladanyTextED{this, "vkladanyTextED"};
    TButton okBT{this, "okBT"};
    TButton stornoBT{this, "stornoBT"};
};
