#include "forms/vyber_fotek_form.h"

#include "forms/global_window.h"
#include "forms/media_pool_layout.h"

TvyberFotekFORM* vyberFotekFORM = nullptr;

TvyberFotekFORM::TvyberFotekFORM() : TForm("vyberFotekFORM")
{
    claimGlobalWindow(vyberFotekFORM, this);
    layOutMediaPool(*this, {fotkyVLipovetauLB, fotkyLIST, KOsobeBT, jmenoOsobyLB, &fotkaIMG, fotkyOsobyLB,
                            fotkyOsobyLIST, OdOsobyBT, osobyFotkyLB, osobyFotkyLIST, smazBT, zpetBT});
    showCzechTexts(texts());
}

TvyberFotekFORM::~TvyberFotekFORM()
{
    releaseGlobalWindow(vyberFotekFORM, this);
}

WindowTextList TvyberFotekFORM::texts()
{
    return {"vyberFotek",
            {
                WindowText::caption(fotkyVLipovetauLB, "fotkyVLipovetau", "Fotky v lipovetau:"),
                WindowText::caption(fotkyOsobyLB, "fotkyAktualniOsoby", "Fotky aktuální osoby:"),
                WindowText::caption(osobyFotkyLB, "osobyAktualniFotky", "Osoby s vybranou fotografií:"),
                WindowText::caption(smazBT, "smaz", "Smaž"),
                WindowText::back(zpetBT),
            }};
}
