#include "forms/hlavni_doplnujici.h"

#include "forms/sheet_layout.h"

using namespace sheet_layout;

DoplnujiciSheet::DoplnujiciSheet(TTabSheet& s) : sheet(s)
{
    doplnujiciTextyLB.SetBounds(8, 8, 200, 13);
    doplnujiciTextyLB.Caption = "Doplňující texty:";
    doplnujiciTextyLB.FocusControl = &doplnujiciTextyMEMO;
    doplnujiciTextyMEMO.SetBounds(8, 24, 740, 200);
    doplnujiciTextyMEMO.ScrollBars = TMemo::ssVertical;
    button(ulozNaDiskTextyBT, 628, 228, 120, "Ulož na disk");

    dalsiSouboryLB.SetBounds(8, 256, 200, 13);
    dalsiSouboryLB.Caption = "Další soubory:";
    dalsiSouboryLB.Font.Bold = true;

    // Files: the list and its order on the left, the selected file in the middle, the buttons right.
    seznamSouborLB.SetBounds(8, 276, 250, 13);
    seznamSouborLB.Caption = "Přiřazené soubory:";
    seznamSouborLB.FocusControl = &seznamSouborLIST;
    seznamSouborLIST.SetBounds(8, 292, 250, 12 * seznamSouborLIST.ItemHeight + 4);
    seradSouborRADIO.SetBounds(8, 456, 250, 76);
    seradSouborRADIO.Caption = "Způsob řazení";
    items(seradSouborRADIO.Items, {"Abecedně", "Chronologicky", "Podle typu"});
    seradSouborRADIO.setItemIndex(2);

    label(nazevSouborLB, 268, 276, 60, "Název:", &nazevSouborED);
    field(nazevSouborED, 332, 276, 248);
    label(rokSouborLB, 268, 300, 60, "Rok:", &rokSouborED);
    field(rokSouborED, 332, 300, 80);
    label(typSouborLB, 424, 300, 40, "Typ:", &typSouborED);
    field(typSouborED, 468, 300, 112);
    typSouborED.ReadOnly = true;
    komentarSouborLB.SetBounds(268, 328, 200, 13);
    komentarSouborLB.Caption = "Komentář:";
    komentarSouborLB.FocusControl = &komentarSouborMEMO;
    komentarSouborMEMO.SetBounds(268, 344, 312, 188);
    komentarSouborMEMO.ScrollBars = TMemo::ssVertical;

    button(vlozNovySouborBT, 592, 276, 156, "Vlož nový soubor");
    button(priradVlozeneSouboryBT, 592, 304, 156, "Přiřaď vložené");
    button(vymazSouborBT, 592, 332, 156, "Vymaž");
    button(ulozNaDiskSouborBT, 592, 360, 156, "Ulož na disk");
    button(otevriSouborBT, 592, 388, 156, "Otevři");
    // Nothing is selected until a person's files are shown.
    for (TControl* detail :
         std::initializer_list<TControl*>{&nazevSouborED, &rokSouborED, &komentarSouborMEMO, &vymazSouborBT,
                                          &ulozNaDiskSouborBT, &otevriSouborBT})
        detail->Enabled = false;
}
