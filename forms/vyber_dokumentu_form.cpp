#include "forms/vyber_dokumentu_form.h"

#include "forms/global_window.h"
#include "forms/media_pool_layout.h"

TvyberDokumentuFORM* vyberDokumentuFORM = nullptr;

TvyberDokumentuFORM::TvyberDokumentuFORM() : TForm("vyberDokumentuFORM")
{
    claimGlobalWindow(vyberDokumentuFORM, this);
    layOutMediaPool(*this, {fotkyVLipovetauLB, fotkyLIST, KOsobeBT, jmenoOsobyLB, &dokumentIMG, fotkyOsobyLB,
                            fotkyOsobyLIST, OdOsobyBT, osobyDokumentuLB, osobyDokumentuLIST, smazBT, zpetBT});
    showCzechTexts(texts());
}

TvyberDokumentuFORM::~TvyberDokumentuFORM()
{
    releaseGlobalWindow(vyberDokumentuFORM, this);
}

WindowTextList TvyberDokumentuFORM::texts()
{
    return {
        "vyberDokumentu",
        {
            WindowText::caption(fotkyVLipovetauLB, "dokumentyVLipovetau", "Dokumenty v lipovetau:"),
            WindowText::caption(fotkyOsobyLB, "dokumentyAktualniOsoby", "Dokumenty aktuální osoby:"),
            WindowText::caption(osobyDokumentuLB, "osobyAktualnihoDokumentu", "Osoby s vybraným dokumentem:"),
            WindowText::caption(smazBT, "smaz", "Smaž"),
            WindowText::back(zpetBT),
        }};
}
