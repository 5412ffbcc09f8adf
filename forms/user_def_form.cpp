#include "forms/user_def_form.h"

TuserDefFORMLayout::TuserDefFORMLayout() : TForm("userDefFORM")
{
    Caption = "Lipoveta";
    BorderStyle = TFormBorderStyle::bsDialog;
    CloseBox = false;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 233, 97);

    pokynLB.SetBounds(8, 8, 217, 13);
    pokynLB.Caption = "Zadejte název kolonky:";
    kolonkaED.SetBounds(8, 26, 217, 21);
    kolonkaED.MaxLength = 23;
    okBT.SetBounds(32, 62, 75, 25);
    okBT.Caption = "OK";
    okBT.ModalResult = mrOk;
    okBT.Default = true;
    stornoBT.SetBounds(126, 62, 75, 25);
    stornoBT.Caption = "Storno";
    stornoBT.ModalResult = mrCancel;
    stornoBT.Cancel = true;
}
