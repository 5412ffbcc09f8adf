#include "forms/co_vyplnit_form.h"

#include "forms/global_window.h"

TcoVyplnitFORM* coVyplnitFORM = nullptr;

TcoVyplnitFORM::TcoVyplnitFORM() : TForm("coVyplnitFORM")
{
    claimGlobalWindow(coVyplnitFORM, this);
    Caption = "Hromadné vyplňování";
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 340, 100);

    zadejteLB.SetBounds(8, 10, 324, 13);
    zadejteLB.Caption = "Zadejte text, který se vyplní celé skupině:";
    zadejteED.SetBounds(8, 30, 324, 21);
    OKBtn.SetBounds(176, 67, 75, 25);
    OKBtn.Caption = "OK";
    OKBtn.Default = true;
    OKBtn.ModalResult = mrOk;
    stornoBT.SetBounds(257, 67, 75, 25);
    stornoBT.Caption = "Storno";
    stornoBT.Cancel = true;
    stornoBT.ModalResult = mrCancel;
}

TcoVyplnitFORM::~TcoVyplnitFORM()
{
    releaseGlobalWindow(coVyplnitFORM, this);
}
