#pragma once
// Layout of the language choice: one line per language file. Behaviour lives in TlangFORM
// (shell/lang_form.h).
#include "toolkit/form.h"
#include "toolkit/lists.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class TlangFORMLayout : public TForm {
public:
    TlangFORMLayout();
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();

    TLabel zvolteLB{this, "zvolteLB"};
    TListBox jazykyLIST{this, "jazykyLIST"};
    TButton Button1{this, "Button1"};
    TButton stornoBT{this, "stornoBT"};
};
