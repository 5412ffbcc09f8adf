#include "forms/ano_ne_form.h"

#include "forms/global_window.h"

TanoNe* anoNe = nullptr;

TanoNe::TanoNe() : TForm("anoNe")
{
    claimGlobalWindow(anoNe, this);
    Caption = "Kinvelor";
    BorderStyle = TFormBorderStyle::bsDialog;
    CloseBox = false;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 377, 89);

    // Fixed width and one line: a long question is cut by the window, not wrapped.
    Label1.SetBounds(8, 12, 361, 13);
    Label1.AutoSize = false;
    Label1.Alignment = TLabel::taCenter;
    anoBT.SetBounds(104, 48, 75, 25);
    anoBT.Caption = "Ano";
    anoBT.ModalResult = mrYes;
    anoBT.Default = true;
    neBT.SetBounds(198, 48, 75, 25);
    neBT.Caption = "Ne";
    neBT.ModalResult = mrNo;
    neBT.Cancel = true;
}

TanoNe::~TanoNe()
{
    releaseGlobalWindow(anoNe, this);
}
