#pragma once
// The yes/no/cancel question: centred lines and three buttons. The caller puts the question
// into Label1 through setQuestion and reads the modal result: 6 yes, 7 no, 2 cancel (also Esc).
#include "toolkit/form.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class TanoNeStorno : public TForm {
public:
    TanoNeStorno();
    ~TanoNeStorno() override;
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();
    // The question in Label1, in as many lines as it takes, the window sized to them.
    void setQuestion(const std::string& question);

    TLabel Label1{this, "Label1"};
    TButton anoBT{this, "anoBT"};
    TButton neBT{this, "neBT"};
    TButton stornoBT{this, "stornoBT"};
};

extern TanoNeStorno* anoNeStorno;
