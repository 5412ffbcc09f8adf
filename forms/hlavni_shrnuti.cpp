#include "forms/hlavni_shrnuti.h"

ShrnutiSheet::ShrnutiSheet(TTabSheet& s) : sheet(s)
{
    shrnutiOsobyRICH.SetBounds(8, 8, 744, 500);
    shrnutiOsobyRICH.ReadOnly = true;
    shrnutiOsobyRICH.PlainText = true;
    shrnutiOsobyRICH.ScrollBars = TMemo::ssVertical;
}
