#include "forms/lang_form.h"

TlangFORMLayout::TlangFORMLayout() : TForm("langFORM")
{
    Caption = "Lipoveta";
    SetBounds(0, 0, 260, 240);
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;

    zvolteLB.SetBounds(12, 8, 236, 13);
    zvolteLB.Caption = "Zvolte jazyk:";
    jazykyLIST.SetBounds(12, 26, 236, 160);
    Button1.SetBounds(40, 198, 80, 25);
    Button1.Caption = "OK";
    Button1.Default = true;
    Button1.ModalResult = mrOk;
    stornoBT.SetBounds(140, 198, 80, 25);
    stornoBT.Caption = "Storno";
    stornoBT.Cancel = true;
    stornoBT.ModalResult = mrCancel;
}
