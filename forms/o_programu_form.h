#pragma once
// The about box: the program's name, version and picture, its web and mail links, the author
// credit (which opens the quiz) and a black panel on which the credits scroll upwards, moved by
// the timer. OK gives 1; no close box.
#include "toolkit/application.h"
#include "toolkit/commonctrls.h"
#include "toolkit/form.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class ToProgramu : public TForm {
public:
    ToProgramu();
    ~ToProgramu() override;
    // The texts a language replaces.
    WindowTextList texts();

    TImage Image1{this, "Image1"};
    TLabel nazevLB{this, "nazevLB"};
    TLabel verzeLB{this, "verzeLB"};
    TLabel naprogramovalLB{this, "naprogramovalLB"};
    TLabel emailLB{this, "emailLB"};
    TLabel wwwLB{this, "wwwLB"};
    TImage creditsIMG{this, "creditsIMG"};
    TButton Button1{this, "Button1"};
    TTimer Timer1{"Timer1"};

    // Handlers, defined and bound by the shell (shell/about_box.cpp).
    // The credits start scrolling from the top before the box is shown and stop after it.
    void startCredits();
    void stopCredits();
    void Timer1Timer();
    void Image1Click();
    void naprogramovalLBClick();
    void FormActivate();
    void FormClose();
    void FormCreate();
    void wwwLBClick();
    void emailLBClick();
};

extern ToProgramu* oProgramu;
