#pragma once
// The pool of other files, built like the photo pool without a preview.
#include "toolkit/form.h"
#include "toolkit/lists.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class TvyberSouboruFORM : public TForm {
public:
    TvyberSouboruFORM();
    ~TvyberSouboruFORM() override;
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();

    TLabel souboryVLipovetauLB{this, "souboryVLipovetauLB"};
    TListBox souboryLIST{this, "souboryLIST"};
    TSpeedButton KOsobeBT{this, "KOsobeBT"};
    TLabel jmenoOsobyLB{this, "jmenoOsobyLB"};
    TLabel souboryOsobyLB{this, "souboryOsobyLB"};
    TSpeedButton OdOsobyBT{this, "OdOsobyBT"};
    TListBox souboryOsobyLIST{this, "souboryOsobyLIST"};
    TLabel osobySouboruLB{this, "osobySouboruLB"};
    TListBox osobySouboruLIST{this, "osobySouboruLIST"};
    TButton smazBT{this, "smazBT"};
    TButton zpetBT{this, "zpetBT"};
};

extern TvyberSouboruFORM* vyberSouboruFORM;
