#pragma once
// The yes/no question: one centred line and two buttons. The caller puts the question into
// Label1 and reads the modal result: 6 yes, 7 no (also Esc).
#include "toolkit/form.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class TanoNe : public TForm {
public:
    TanoNe();
    ~TanoNe() override;
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();

    TLabel Label1{this, "Label1"};
    TButton anoBT{this, "anoBT"};
    TButton neBT{this, "neBT"};
};

extern TanoNe* anoNe;
