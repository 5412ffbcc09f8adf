#include "forms/vyber_souboru_form.h"

#include "forms/global_window.h"
#include "forms/media_pool_layout.h"

TvyberSouboruFORM* vyberSouboruFORM = nullptr;

TvyberSouboruFORM::TvyberSouboruFORM() : TForm("vyberSouboruFORM")
{
    claimGlobalWindow(vyberSouboruFORM, this);
    layOutMediaPool(*this, {souboryVLipovetauLB, souboryLIST, KOsobeBT, jmenoOsobyLB, nullptr, souboryOsobyLB,
                            souboryOsobyLIST, OdOsobyBT, osobySouboruLB, osobySouboruLIST, smazBT, zpetBT});
    souboryVLipovetauLB.Caption = "Soubory v lipovetau:";
    souboryOsobyLB.Caption = "Soubory aktuální osoby:";
    osobySouboruLB.Caption = "Osoby s vybraným souborem:";
}

TvyberSouboruFORM::~TvyberSouboruFORM()
{
    releaseGlobalWindow(vyberSouboruFORM, this);
}
