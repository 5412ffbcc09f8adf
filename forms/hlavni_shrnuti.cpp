#include "forms/hlavni_shrnuti.h"

ShrnutiSheet::ShrnutiSheet(TTabSheet& s) : sheet(s)
{
    ulozitStatistikuOsobyBT.SetBounds(582, 8, 82, 25);
    ulozitStatistikuOsobyBT.Caption = "Uložit";
    tiskStatistikyOsobyBT.SetBounds(670, 8, 82, 25);
    tiskStatistikyOsobyBT.Caption = "Tisk";
    shrnutiOsobyRICH.SetBounds(8, 40, 744, 468);
    shrnutiOsobyRICH.ReadOnly = true;
    shrnutiOsobyRICH.PlainText = true;
    shrnutiOsobyRICH.ScrollBars = TMemo::ssVertical;
    shrnutiOsobyRICH.Font.Name = "Courier New";
    shrnutiOsobyRICH.Font.Charset = 238;
}
