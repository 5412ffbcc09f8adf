#include "forms/hlavni_doplnujici.h"

DoplnujiciSheet::DoplnujiciSheet(TTabSheet& s) : sheet(s)
{
    doplnujiciTextyLB.SetBounds(8, 8, 200, 13);
    doplnujiciTextyLB.Caption = "Doplňující texty:";
    doplnujiciTextyLB.FocusControl = &doplnujiciTextyMEMO;
    doplnujiciTextyMEMO.SetBounds(8, 24, 744, 240);
    doplnujiciTextyMEMO.ScrollBars = TMemo::ssVertical;
}
