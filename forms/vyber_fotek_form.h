#pragma once
// The photo pool: every photo of the tree, the current person's photos and the persons using the
// selected one; link to and unlink from the current person, delete from the tree. Zpět gives 1.
#include "toolkit/commonctrls.h"
#include "toolkit/form.h"
#include "toolkit/lists.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class TvyberFotekFORM : public TForm {
public:
    TvyberFotekFORM();
    ~TvyberFotekFORM() override;
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();

    TLabel fotkyVLipovetauLB{this, "fotkyVLipovetauLB"};
    TListBox fotkyLIST{this, "fotkyLIST"};
    TSpeedButton KOsobeBT{this, "KOsobeBT"};
    TLabel jmenoOsobyLB{this, "jmenoOsobyLB"};
    TImage fotkaIMG{this, "fotkaIMG"};
    TLabel fotkyOsobyLB{this, "fotkyOsobyLB"};
    TSpeedButton OdOsobyBT{this, "OdOsobyBT"};
    TListBox fotkyOsobyLIST{this, "fotkyOsobyLIST"};
    TLabel osobyFotkyLB{this, "osobyFotkyLB"};
    TListBox osobyFotkyLIST{this, "osobyFotkyLIST"};
    TButton smazBT{this, "smazBT"};
    TButton zpetBT{this, "zpetBT"};
};

extern TvyberFotekFORM* vyberFotekFORM;
