#include "forms/ftext_form.h"

TFTextFORMLayout::TFTextFORMLayout() : TForm("FTextFORM")
{
    Caption = "Vkládaný text";
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 297, 97);

    vkladanyTextLB.SetBounds(8, 8, 281, 13);
    vkladanyTextLB.Caption = "Zadejte vkládaný text:";
    vkladanyTextED.SetBounds(8, 26, 281, 21);
    okBT.SetBounds(56, 62, 75, 25);
    okBT.Caption = "OK";
    okBT.ModalResult = mrOk;
    okBT.Default = true;
    okBT.TabStop = false;
    stornoBT.SetBounds(166, 62, 75, 25);
    stornoBT.Caption = "Storno";
    stornoBT.ModalResult = mrCancel;
    stornoBT.Cancel = true;
    stornoBT.TabStop = false;
}
