#include "forms/hledej_form.h"

#include <string>

ThledejFORMLayout::ThledejFORMLayout() : TForm("hledejFORM")
{
    showCzechTexts(texts());
    Caption = "Lipoveta";
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 560, 400);

    pages.SetBounds(8, 8, 544, 214);
    retezecLB.SetBounds(8, 10, 180, 13);
    retezecED.SetBounds(190, 6, 240, 21);
    kdeHledatRetezecGROUP.SetBounds(8, 34, 520, 116);
    // Four columns, filled down.
    TCheckBox* const fields[] = {&jmenoCH,         &prijmeniCH,       &rodnePrijmeniCH, &titulyCH,
                                 &mistoNarozeniCH, &mistoUmrtiCH,     &mistoPohrbeniCH, &pricinaUmrtiCH,
                                 &mistoSvatbyCH,   &oddavajiciKnezCH, &svedkoveCH,      &bydlisteCH,
                                 &vzdelaniCH,      &povolaniCH};
    int i = 0;
    for (TCheckBox* box : fields) {
        box->SetBounds(10 + (i / 4) * 128, 20 + (i % 4) * 22, 124, 17);
        ++i;
    }
    hledejRetezecBT.SetBounds(440, 156, 88, 25);
    hledejRetezecBT.Default = true;

    kdeHledatDatumGROUP.SetBounds(8, 6, 170, 112);
    TCheckBox* dates[] = {&datumNarozeniCH, &datumUmrtiCH, &datumSvatbyCH, &datumRozvoduCH};
    for (int d = 0; d < 4; ++d)
        dates[d]->SetBounds(10, 20 + d * 22, 150, 17);
    jakHledatGROUP.SetBounds(190, 6, 150, 112);
    jakHledatGROUP.setItemIndex(1);
    for (TComboBox* day : {&den1CB, &den2CB})
        for (int d = 1; d <= 31; ++d)
            day->Items.Add(std::to_string(d));
    for (TComboBox* month : {&mesic1CB, &mesic2CB})
        for (int m = 1; m <= 12; ++m)
            month->Items.Add(std::to_string(m));
    den1CB.SetBounds(8, 130, 44, 21);
    den1CB.setText("1");
    mesic1CB.SetBounds(56, 130, 44, 21);
    mesic1CB.setText("1");
    rok1CB.SetBounds(104, 130, 44, 21);
    rok1CB.MaxLength = 4;
    rok1CB.setText("2000");
    pomlckaLB.SetBounds(156, 134, 8, 13);
    pomlckaLB.Caption = "-";
    den2CB.SetBounds(170, 130, 44, 21);
    den2CB.setText("31");
    mesic2CB.SetBounds(218, 130, 44, 21);
    mesic2CB.setText("12");
    rok2CB.SetBounds(266, 130, 44, 21);
    rok2CB.MaxLength = 4;
    rok2CB.setText("2005");
    hledejDatumBT.SetBounds(440, 156, 88, 25);
    hledejDatumBT.Default = true;

    pages.setActivePage(&retezecPage);

    osobyLIST.SetBounds(8, 228, 544, 132);
    osobyLIST.setSorted(true);
    zpetBT.SetBounds(464, 366, 88, 25);
    zpetBT.Cancel = true;
    zpetBT.ModalResult = mrCancel;
}

WindowTextList ThledejFORMLayout::texts()
{
    return {"hledej",
            {
                WindowText::caption(retezecPage, "vyhledavaniVeSlovech", "Vyhledávání ve slovech"),
                WindowText::caption(kdeHledatRetezecGROUP, "coProhledavat", "Co se má prohledávat?"),
                WindowText::caption(jmenoCH, "jmeno", "Jméno"),
                WindowText::caption(prijmeniCH, "prijmeni", "Příjmení"),
                WindowText::caption(rodnePrijmeniCH, "rodnePrijmeni", "Rodné příjmení"),
                WindowText::caption(titulyCH, "tituly", "Tituly"),
                WindowText::caption(mistoNarozeniCH, "mistoNarozeni", "Místo narození"),
                WindowText::caption(mistoUmrtiCH, "mistoUmrti", "Místo úmrtí"),
                WindowText::caption(mistoPohrbeniCH, "mistoPohrbeni", "Místo pohřbení"),
                WindowText::caption(pricinaUmrtiCH, "pricinaUmrti", "Příčina úmrtí"),
                WindowText::caption(mistoSvatbyCH, "mistoSvatby", "Místo svatby"),
                WindowText::caption(oddavajiciKnezCH, "oddavajiciKnez", "Oddávající kněz"),
                WindowText::caption(svedkoveCH, "svedkove", "Svědkové"),
                WindowText::caption(bydlisteCH, "bydliste", "Bydliště"),
                WindowText::caption(vzdelaniCH, "vzdelani", "Vzdělání"),
                WindowText::caption(povolaniCH, "povolani", "Povolání"),
                WindowText::caption(retezecLB, "zadejteRetezec", "Zadejte hledaný řetězec"),
                WindowText::caption(hledejRetezecBT, "hledej", "Hledej"),
                WindowText::back(zpetBT),
                WindowText::caption(datumPage, "vyhledavaniVDatech", "Vyhledávání v datech"),
                WindowText::caption(kdeHledatDatumGROUP, "coProhledavat", "Co se má prohledávat?"),
                WindowText::caption(datumNarozeniCH, "datumNarozeni", "Datum narození"),
                WindowText::caption(datumUmrtiCH, "datumUmrti", "Datum úmrtí"),
                WindowText::caption(datumSvatbyCH, "datumSvatby", "Datum svatby"),
                WindowText::caption(datumRozvoduCH, "datumRozvodu", "datum rozvodu"),
                WindowText::caption(jakHledatGROUP, "jakHledat", "Jak hledat?"),
                WindowText::item(jakHledatGROUP.Items, 0, "presneDatum", "Přesné datum"),
                WindowText::item(jakHledatGROUP.Items, 1, "rozmezi", "Rozmezí"),
                WindowText::item(jakHledatGROUP.Items, 2, "pocinajeOd", "Počínaje od..."),
                WindowText::item(jakHledatGROUP.Items, 3, "azDo", "...až do"),
                WindowText::caption(hledejDatumBT, "hledej", "Hledej"),
            }};
}
