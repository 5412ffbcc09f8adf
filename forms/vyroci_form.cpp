#include "forms/vyroci_form.h"

#include "forms/global_window.h"

TvyrociFORM* vyrociFORM = nullptr;

TvyrociFORM::TvyrociFORM() : TForm("vyrociFORM")
{
    claimGlobalWindow(vyrociFORM, this);
    Caption = "Kinvelor";
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 640, 296);

    kalendar.SetBounds(8, 8, 250, 190);
    vybranyRADIO.SetBounds(8, 206, 250, 44);
    vybranyRADIO.Caption = "Zobrazovat výročí ve";
    vybranyRADIO.Columns = 2;
    vybranyRADIO.Items.Add("vybraný den");
    vybranyRADIO.Items.Add("vybraný měsíc");
    vybranyRADIO.setItemIndex(0);
    vyrociLIST.SetBounds(266, 8, 366, 242);
    vyrociLIST.setSorted(true);
    nazvySvatebBT.SetBounds(8, 262, 130, 25);
    nazvySvatebBT.Caption = "Názvy svateb";
    zpetBT.SetBounds(557, 262, 75, 25);
    zpetBT.Caption = "Zpět";
    zpetBT.Cancel = true;
    zpetBT.ModalResult = mrCancel;
}

TvyrociFORM::~TvyrociFORM()
{
    releaseGlobalWindow(vyrociFORM, this);
}
