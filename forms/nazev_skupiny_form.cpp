#include "forms/nazev_skupiny_form.h"

#include "forms/global_window.h"

TnazevSkupinyFORM* nazevSkupinyFORM = nullptr;

TnazevSkupinyFORM::TnazevSkupinyFORM() : TForm("nazevSkupinyFORM")
{
    claimGlobalWindow(nazevSkupinyFORM, this);
    Caption = "Název skupiny";
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 300, 100);

    zadejteLB.SetBounds(8, 10, 284, 13);
    zadejteLB.Caption = "Zadejte název skupiny";
    nazevED.SetBounds(8, 30, 284, 21);
    OKBtn.SetBounds(136, 67, 75, 25);
    OKBtn.Caption = "OK";
    OKBtn.Default = true;
    OKBtn.ModalResult = mrOk;
    StornoBT.SetBounds(217, 67, 75, 25);
    StornoBT.Caption = "Storno";
    StornoBT.Cancel = true;
    StornoBT.ModalResult = mrCancel;
}

TnazevSkupinyFORM::~TnazevSkupinyFORM()
{
    releaseGlobalWindow(nazevSkupinyFORM, this);
}
