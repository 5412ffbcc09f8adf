#include "forms/hlavni_doplnujici.h"

#include "forms/sheet_layout.h"

using namespace sheet_layout;

DoplnujiciSheet::DoplnujiciSheet(TTabSheet& s) : sheet(s)
{
    showCzechTexts(texts());
    doplnujiciTextyLB.SetBounds(8, 8, 200, 13);
    doplnujiciTextyLB.FocusControl = &doplnujiciTextyMEMO;
    doplnujiciTextyMEMO.SetBounds(8, 24, 740, 200);
    doplnujiciTextyMEMO.ScrollBars = TMemo::ssVertical;
    button(ulozNaDiskTextyBT, 628, 228, 120);

    dalsiSouboryLB.SetBounds(8, 256, 200, 13);
    dalsiSouboryLB.Font.Bold = true;

    // Files: the list and its order on the left, the selected file in the middle, the buttons right.
    seznamSouborLB.SetBounds(8, 276, 250, 13);
    seznamSouborLB.FocusControl = &seznamSouborLIST;
    seznamSouborLIST.SetBounds(8, 292, 250, 12 * seznamSouborLIST.ItemHeight + 4);
    seradSouborRADIO.SetBounds(8, 456, 250, 76);
    seradSouborRADIO.setItemIndex(2);

    label(nazevSouborLB, 268, 276, 60, &nazevSouborED);
    field(nazevSouborED, 332, 276, 248);
    label(rokSouborLB, 268, 300, 60, &rokSouborED);
    field(rokSouborED, 332, 300, 80);
    label(typSouborLB, 424, 300, 40, &typSouborED);
    field(typSouborED, 468, 300, 112);
    typSouborED.ReadOnly = true;
    komentarSouborLB.SetBounds(268, 328, 200, 13);
    komentarSouborLB.FocusControl = &komentarSouborMEMO;
    komentarSouborMEMO.SetBounds(268, 344, 312, 188);
    komentarSouborMEMO.ScrollBars = TMemo::ssVertical;

    button(vlozNovySouborBT, 592, 276, 156);
    button(priradVlozeneSouboryBT, 592, 304, 156);
    button(vymazSouborBT, 592, 332, 156);
    button(ulozNaDiskSouborBT, 592, 360, 156);
    button(otevriSouborBT, 592, 388, 156);
    // Nothing is selected until a person's files are shown.
    for (TControl* detail :
         std::initializer_list<TControl*>{&nazevSouborED, &rokSouborED, &komentarSouborMEMO, &vymazSouborBT,
                                          &ulozNaDiskSouborBT, &otevriSouborBT})
        detail->Enabled = false;
}

WindowTextList DoplnujiciSheet::texts()
{
    return {"kartaDoplnujiciTextyASoubory",
            {
                WindowText::caption(sheet, "doplnujiciTextyASoubory", "Doplňující texty a soubory"),
                WindowText::caption(doplnujiciTextyLB, "doplnujiciTexty", "Doplňující texty:"),
                WindowText::caption(ulozNaDiskTextyBT, "ulozNaDisk", "Ulož na disk"),
                WindowText::caption(dalsiSouboryLB, "dalsiSoubory", "Další soubory:"),
                WindowText::caption(nazevSouborLB, "nazev", "Název:"),
                WindowText::caption(rokSouborLB, "rok", "Rok:"),
                WindowText::caption(typSouborLB, "typ", "Typ:"),
                WindowText::caption(komentarSouborLB, "komentar", "Komentář:"),
                WindowText::caption(seznamSouborLB, "prirazeneSoubory", "Přiřazené soubory:"),
                WindowText::caption(seradSouborRADIO, "zpusobRazeni", "Způsob řazení"),
                WindowText::item(seradSouborRADIO.Items, 0, "abecedne", "Abecedně"),
                WindowText::item(seradSouborRADIO.Items, 1, "chronologicky", "Chronologicky"),
                WindowText::item(seradSouborRADIO.Items, 2, "podleTypu", "Podle typu"),
                WindowText::caption(vlozNovySouborBT, "vlozNovy", "Vlož nový soubor"),
                WindowText::caption(priradVlozeneSouboryBT, "priradVlozene", "Přiřaď vložené"),
                WindowText::caption(vymazSouborBT, "vymaz", "Vymaž"),
                WindowText::caption(ulozNaDiskSouborBT, "ulozNaDisk", "Ulož na disk"),
                WindowText::caption(otevriSouborBT, "otevri", "Otevři"),
            }};
}
