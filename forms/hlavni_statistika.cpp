#include "forms/hlavni_statistika.h"

StatistikaSheet::StatistikaSheet(TTabSheet& s) : sheet(s)
{
    zakladniPrehledBT.SetBounds(8, 8, 180, 25);
    zakladniPrehledBT.Caption = "Základní přehled a statistiky";
    tabulkyBT.SetBounds(196, 8, 90, 25);
    tabulkyBT.Caption = "Tabulky";
    ulozitStatistikyLipovetauBT.SetBounds(582, 8, 82, 25);
    ulozitStatistikyLipovetauBT.Caption = "Uložit";
    tiskStatistikyLipovetauBT.SetBounds(670, 8, 82, 25);
    tiskStatistikyLipovetauBT.Caption = "Tisk";
    statistikaLipovetauRICH.SetBounds(8, 40, 744, 468);
    statistikaLipovetauRICH.ReadOnly = true;
    statistikaLipovetauRICH.PlainText = true;
    statistikaLipovetauRICH.ScrollBars = TMemo::ssBoth;
    statistikaLipovetauRICH.Font.Name = "Courier New";
    statistikaLipovetauRICH.Font.Charset = 238;
}
