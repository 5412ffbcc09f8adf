#pragma once
// The hidden quiz behind the about box: a butterfly (later a bumblebee, finally a flower) puts a
// question, the answer goes into the edit. Konec gives 3.
#include "toolkit/commonctrls.h"
#include "toolkit/form.h"
#include "toolkit/stdctrls.h"

class TeasterEggFORM : public TForm {
public:
    TeasterEggFORM();
    ~TeasterEggFORM() override;

    TImage motylIMG{this, "motylIMG"};
    TImage cmelakIMG{this, "cmelakIMG"};
    TImage kytkaIMG{this, "kytkaIMG"};
    TLabel otazkaLB{this, "otazkaLB"};
    TEdit odpovedED{this, "odpovedED"};
    TButton okBT{this, "okBT"};
    TButton konecBT{this, "konecBT"};

    // Handlers, defined and bound by the shell (shell/quiz.cpp).
    void FormActivate();
    void okBTClick();
    // The current question into the label, the answer emptied.
    void showQuestion();
};

extern TeasterEggFORM* easterEggFORM;
