#include "forms/hledej_form.h"

#include <string>

ThledejFORMLayout::ThledejFORMLayout() : TForm("hledejFORM")
{
    Caption = "Lipoveta";
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 560, 400);

    pages.SetBounds(8, 8, 544, 214);
    retezecPage.Caption = "Vyhledávání ve slovech";
    retezecLB.SetBounds(8, 10, 180, 13);
    retezecLB.Caption = "Zadejte hledaný řetězec:";
    retezecED.SetBounds(190, 6, 240, 21);
    kdeHledatRetezecGROUP.SetBounds(8, 34, 520, 116);
    kdeHledatRetezecGROUP.Caption = "Co se má prohledávat?";
    struct Box {
        TCheckBox& box;
        const char* caption;
    };
    // Four columns, filled down.
    const Box fields[] = {{jmenoCH, "Jméno"},
                          {prijmeniCH, "Příjmení"},
                          {rodnePrijmeniCH, "Rodné příjmení"},
                          {titulyCH, "Tituly"},
                          {mistoNarozeniCH, "Místo narození"},
                          {mistoUmrtiCH, "Místo úmrtí"},
                          {mistoPohrbeniCH, "Místo pohřbení"},
                          {pricinaUmrtiCH, "Příčina úmrtí"},
                          {mistoSvatbyCH, "Místo svatby"},
                          {oddavajiciKnezCH, "Oddávající kněz"},
                          {svedkoveCH, "Svědkové"},
                          {bydlisteCH, "Bydliště"},
                          {vzdelaniCH, "Vzdělání"},
                          {povolaniCH, "Povolání"}};
    int i = 0;
    for (const Box& f : fields) {
        f.box.SetBounds(10 + (i / 4) * 128, 20 + (i % 4) * 22, 124, 17);
        f.box.Caption = f.caption;
        ++i;
    }
    hledejRetezecBT.SetBounds(440, 156, 88, 25);
    hledejRetezecBT.Caption = "Hledej";
    hledejRetezecBT.Default = true;

    datumPage.Caption = "Vyhledávání v datech";
    kdeHledatDatumGROUP.SetBounds(8, 6, 170, 112);
    kdeHledatDatumGROUP.Caption = "Co se má prohledávat?";
    TCheckBox* dates[] = {&datumNarozeniCH, &datumUmrtiCH, &datumSvatbyCH, &datumRozvoduCH};
    const char* dateCaptions[] = {"Datum narození", "Datum úmrtí", "Datum svatby", "Datum rozvodu"};
    for (int d = 0; d < 4; ++d) {
        dates[d]->SetBounds(10, 20 + d * 22, 150, 17);
        dates[d]->Caption = dateCaptions[d];
    }
    jakHledatGROUP.SetBounds(190, 6, 150, 112);
    jakHledatGROUP.Caption = "Jak hledat?";
    for (const char* item : {"Přesné datum", "Rozmezí", "Počínaje od...", "...až do"})
        jakHledatGROUP.Items.Add(item);
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
    hledejDatumBT.Caption = "Hledej";
    hledejDatumBT.Default = true;

    pages.setActivePage(&retezecPage);

    osobyLIST.SetBounds(8, 228, 544, 132);
    osobyLIST.setSorted(true);
    zpetBT.SetBounds(464, 366, 88, 25);
    zpetBT.Caption = "Zpět";
    zpetBT.Cancel = true;
    zpetBT.ModalResult = mrCancel;
}
