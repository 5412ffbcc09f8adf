#include "forms/vyber_fotek_form.h"

#include "forms/global_window.h"
#include "forms/media_pool_layout.h"

TvyberFotekFORM* vyberFotekFORM = nullptr;

TvyberFotekFORM::TvyberFotekFORM() : TForm("vyberFotekFORM")
{
    claimGlobalWindow(vyberFotekFORM, this);
    layOutMediaPool(*this, {fotkyVLipovetauLB, fotkyLIST, KOsobeBT, jmenoOsobyLB, &fotkaIMG, fotkyOsobyLB,
                            fotkyOsobyLIST, OdOsobyBT, osobyFotkyLB, osobyFotkyLIST, smazBT, zpetBT});
}

TvyberFotekFORM::~TvyberFotekFORM()
{
    releaseGlobalWindow(vyberFotekFORM, this);
}
