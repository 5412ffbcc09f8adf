#include "forms/vyroci_form.h"

TvyrociFORMLayout::TvyrociFORMLayout() : TForm("vyrociFORM")
{
    showCzechTexts(texts());
    Caption = "Kinvelor";
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 520, 380);

    kalendar.SetBounds(8, 8, 220, 160);
    vybranyRADIO.SetBounds(240, 8, 270, 44);
    vybranyRADIO.Columns = 2;
    vybranyRADIO.setItemIndex(0);
    nazvySvatebBT.SetBounds(240, 60, 120, 25);
    vyrociLIST.SetBounds(8, 176, 502, 160);
    vyrociLIST.setSorted(true);
    zpetBT.SetBounds(422, 344, 88, 25);
    zpetBT.Cancel = true;
    zpetBT.ModalResult = mrCancel;
}

WindowTextList TvyrociFORMLayout::texts()
{
    return {"vyroci",
            {
                WindowText::back(zpetBT),
                WindowText::caption(vybranyRADIO, "zobrazovatVyroci", "Zobrazovat výročí ve"),
                WindowText::item(vybranyRADIO.Items, 0, "vybranyDen", "vybraný den"),
                WindowText::item(vybranyRADIO.Items, 1, "vybranyMesic", "vybraný měsíc"),
                WindowText::caption(nazvySvatebBT, "nazvySvateb", "Názvy svateb"),
            }};
}
