#include "forms/vyber_dokumentu_form.h"

#include "forms/global_window.h"
#include "forms/media_pool_layout.h"

TvyberDokumentuFORM* vyberDokumentuFORM = nullptr;

TvyberDokumentuFORM::TvyberDokumentuFORM() : TForm("vyberDokumentuFORM")
{
    claimGlobalWindow(vyberDokumentuFORM, this);
    layOutMediaPool(*this, {fotkyVLipovetauLB, fotkyLIST, KOsobeBT, jmenoOsobyLB, &dokumentIMG, fotkyOsobyLB,
                            fotkyOsobyLIST, OdOsobyBT, osobyDokumentuLB, osobyDokumentuLIST, smazBT, zpetBT});
    fotkyVLipovetauLB.Caption = "Dokumenty v lipovetau:";
    fotkyOsobyLB.Caption = "Dokumenty aktuální osoby:";
    osobyDokumentuLB.Caption = "Osoby s vybraným dokumentem:";
}

TvyberDokumentuFORM::~TvyberDokumentuFORM()
{
    releaseGlobalWindow(vyberDokumentuFORM, this);
}
