#pragma once
// The yes/no question: centred lines and two buttons. The caller puts the question into
// Label1 through setQuestion and reads the modal result: 6 yes, 7 no (also Esc).
#include "toolkit/form.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class TanoNe : public TForm {
public:
    TanoNe();
    ~TanoNe() override;
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();
    // The question in Label1, in as many lines as it takes, the window sized to them.
    void setQuestion(const std::string& question);

    TLabel Label1{this, "Label1"};
    TButton anoBT{this, "anoBT"};
    TButton neBT{this, "neBT"};
};

extern TanoNe* anoNe;
