#include "forms/ano_ne_storno_form.h"

#include "forms/global_window.h"

TanoNeStorno* anoNeStorno = nullptr;

TanoNeStorno::TanoNeStorno() : TForm("anoNeStorno")
{
    claimGlobalWindow(anoNeStorno, this);
    Caption = "Kinvelor";
    BorderStyle = TFormBorderStyle::bsDialog;
    CloseBox = false;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 377, 89);

    Label1.SetBounds(8, 12, 361, 13);
    Label1.AutoSize = false;
    Label1.Alignment = TLabel::taCenter;
    anoBT.SetBounds(58, 48, 75, 25);
    anoBT.Caption = "Ano";
    anoBT.ModalResult = mrYes;
    anoBT.Default = true;
    neBT.SetBounds(151, 48, 75, 25);
    neBT.Caption = "Ne";
    neBT.ModalResult = mrNo;
    stornoBT.SetBounds(244, 48, 75, 25);
    stornoBT.Caption = "Storno";
    stornoBT.ModalResult = mrCancel;
    stornoBT.Cancel = true;
}

TanoNeStorno::~TanoNeStorno()
{
    releaseGlobalWindow(anoNeStorno, this);
}
