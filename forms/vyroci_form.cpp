#include "forms/vyroci_form.h"

TvyrociFORMLayout::TvyrociFORMLayout() : TForm("vyrociFORM")
{
    Caption = "Kinvelor";
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 520, 380);

    kalendar.SetBounds(8, 8, 220, 160);
    vybranyRADIO.SetBounds(240, 8, 270, 44);
    vybranyRADIO.Caption = "Zobrazovat výročí ve";
    vybranyRADIO.Columns = 2;
    vybranyRADIO.Items.Add("vybraný den");
    vybranyRADIO.Items.Add("vybraný měsíc");
    vybranyRADIO.setItemIndex(0);
    nazvySvatebBT.SetBounds(240, 60, 120, 25);
    nazvySvatebBT.Caption = "Názvy svateb";
    vyrociLIST.SetBounds(8, 176, 502, 160);
    vyrociLIST.setSorted(true);
    zpetBT.SetBounds(422, 344, 88, 25);
    zpetBT.Caption = "Zpět";
    zpetBT.Cancel = true;
    zpetBT.ModalResult = mrCancel;
}
