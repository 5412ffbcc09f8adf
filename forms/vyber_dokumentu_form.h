#pragma once
// The document pool, built like the photo pool (its labels keep the photo pool's names).
#include "toolkit/commonctrls.h"
#include "toolkit/form.h"
#include "toolkit/lists.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class TvyberDokumentuFORM : public TForm {
public:
    TvyberDokumentuFORM();
    ~TvyberDokumentuFORM() override;
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();

    TLabel fotkyVLipovetauLB{this, "fotkyVLipovetauLB"};
    TListBox fotkyLIST{this, "fotkyLIST"};
    TSpeedButton KOsobeBT{this, "KOsobeBT"};
    TLabel jmenoOsobyLB{this, "jmenoOsobyLB"};
    TImage dokumentIMG{this, "dokumentIMG"};
    TLabel fotkyOsobyLB{this, "fotkyOsobyLB"};
    TSpeedButton OdOsobyBT{this, "OdOsobyBT"};
    TListBox fotkyOsobyLIST{this, "fotkyOsobyLIST"};
    TLabel osobyDokumentuLB{this, "osobyDokumentuLB"};
    TListBox osobyDokumentuLIST{this, "osobyDokumentuLIST"};
    TButton smazBT{this, "smazBT"};
    TButton zpetBT{this, "zpetBT"};
};

extern TvyberDokumentuFORM* vyberDokumentuFORM;
