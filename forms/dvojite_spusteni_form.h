#pragma once
// The warning shown at start when the marker of a running copy is found. Its buttons are codes:
// 3 quit (a copy already runs), 5 go on (the last run ended without closing). It has no close
// box and no cancel button, so only the two buttons end it.
#include "toolkit/form.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class TdvojiteSpusteniFORM : public TForm {
public:
    TdvojiteSpusteniFORM();
    ~TdvojiteSpusteniFORM() override;
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();

    TLabel varovaniLB{this, "varovaniLB"};
    TButton ukoncitBT{this, "ukoncitBT"};
    TButton pokracovatBT{this, "pokracovatBT"};
};

extern TdvojiteSpusteniFORM* dvojiteSpusteniFORM;
