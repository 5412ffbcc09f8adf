#include "forms/sourozenci_create_form.h"

#include "forms/global_window.h"

TsourozenciCreate* sourozenciCreate = nullptr;

TsourozenciCreate::TsourozenciCreate() : TForm("sourozenciCreate")
{
    claimGlobalWindow(sourozenciCreate, this);
    Caption = "Lipoveta";
    BorderStyle = TFormBorderStyle::bsDialog;
    CloseBox = false;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 389, 82);

    coSpolecnehoLB.SetBounds(12, 10, 365, 13);
    coSpolecnehoLB.Caption = "S aktuální osobou má nový sourozenec...";
    otceBT.SetBounds(12, 40, 115, 25);
    otceBT.Caption = "společného otce";
    otceBT.ModalResult = mrYes;
    matkuBT.SetBounds(137, 40, 115, 25);
    matkuBT.Caption = "společnou matku";
    matkuBT.ModalResult = mrNo;
    obaRodiceBT.SetBounds(262, 40, 115, 25);
    obaRodiceBT.Caption = "společné oba rodiče";
    obaRodiceBT.ModalResult = mrCancel;
    obaRodiceBT.Default = true;
}

TsourozenciCreate::~TsourozenciCreate()
{
    releaseGlobalWindow(sourozenciCreate, this);
}
