#include "forms/hlavni_statistika.h"

#include "forms/hlavni_shrnuti.h"
#include "forms/sheet_layout.h"

using namespace sheet_layout;

StatistikaSheet::StatistikaSheet(TTabSheet& s) : sheet(s)
{
    showCzechTexts(texts());
    layOutReport(statistikaLipovetauRICH);
    button(zakladniPrehledBT, 8, 510, 200);
    button(tabulkyBT, 212, 510, 80);
    button(ulozitStatistikyLipovetauBT, 584, 510, 80);
    button(tiskStatistikyLipovetauBT, 668, 510, 80);
}

WindowTextList StatistikaSheet::texts()
{
    return {"kartaStatistikaLipovetau",
            {
                WindowText::caption(sheet, "statistikaLipovetau", "Statistika lipovetau"),
                WindowText::caption(ulozitStatistikyLipovetauBT, "ulozit", "Uložit"),
                WindowText::caption(tiskStatistikyLipovetauBT, "tisk", "Tisk"),
                WindowText::caption(zakladniPrehledBT, "zakladniPrehled", "Základní přehled"),
                WindowText::caption(tabulkyBT, "tabulky", "Tabulky"),
            }};
}
