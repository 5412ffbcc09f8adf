#pragma once
// A produced text (the person list, a person form) to read, save as a text file or print;
// also the print surface of the person forms. Zavřít gives 2.
#include "toolkit/dialogs.h"
#include "toolkit/form.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class TtextFORM : public TForm {
public:
    TtextFORM();
    ~TtextFORM() override;
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();

    TRichEdit textRICH{this, "textRICH"};
    TButton ulozitBT{this, "ulozitBT"};
    TButton tiskBT{this, "tiskBT"};
    TButton zavritBT{this, "zavritBT"};
    TSaveDialog SaveDialogTXT{"SaveDialogTXT"};
    TPrintDialog PrintDialog1{"PrintDialog1"};

    // Handlers, defined and bound by the shell (shell/text_windows.cpp).
    void ulozitBTClick();
    void tiskBTClick();
};

extern TtextFORM* textFORM;
