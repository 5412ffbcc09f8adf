#include "forms/vyber_souboru_form.h"

#include "forms/global_window.h"
#include "forms/media_pool_layout.h"

TvyberSouboruFORM* vyberSouboruFORM = nullptr;

TvyberSouboruFORM::TvyberSouboruFORM() : TForm("vyberSouboruFORM")
{
    claimGlobalWindow(vyberSouboruFORM, this);
    layOutMediaPool(*this, {souboryVLipovetauLB, souboryLIST, KOsobeBT, jmenoOsobyLB, nullptr, souboryOsobyLB,
                            souboryOsobyLIST, OdOsobyBT, osobySouboruLB, osobySouboruLIST, smazBT, zpetBT});
    showCzechTexts(texts());
}

TvyberSouboruFORM::~TvyberSouboruFORM()
{
    releaseGlobalWindow(vyberSouboruFORM, this);
}

WindowTextList TvyberSouboruFORM::texts()
{
    return {"vyberSouboru",
            {
                WindowText::caption(souboryVLipovetauLB, "souboryVLipovetau", "Soubory v lipovetau:"),
                WindowText::caption(souboryOsobyLB, "souboryAktualniOsoby", "Soubory aktuální osoby:"),
                WindowText::caption(osobySouboruLB, "osobyAktualnihoSouboru", "Osoby s vybraným souborem:"),
                WindowText::caption(smazBT, "smaz", "Smaž"),
                WindowText::back(zpetBT),
            }};
}
