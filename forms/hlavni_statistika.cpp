#include "forms/hlavni_statistika.h"

#include "forms/hlavni_shrnuti.h"
#include "forms/sheet_layout.h"

using namespace sheet_layout;

StatistikaSheet::StatistikaSheet(TTabSheet& s) : sheet(s)
{
    layOutReport(statistikaLipovetauRICH);
    button(zakladniPrehledBT, 8, 510, 200, "Základní přehled a statistiky");
    button(tabulkyBT, 212, 510, 80, "Tabulky");
    button(ulozitStatistikyLipovetauBT, 584, 510, 80, "Uložit");
    button(tiskStatistikyLipovetauBT, 668, 510, 80, "Tisk");
}
