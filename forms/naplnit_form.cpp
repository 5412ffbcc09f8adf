#include "forms/naplnit_form.h"

#include "forms/global_window.h"

TnaplnitFORM* naplnitFORM = nullptr;

TnaplnitFORM::TnaplnitFORM() : TForm("naplnitFORM")
{
    claimGlobalWindow(naplnitFORM, this);
    Caption = "Jak naplnit?";
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 420, 140);

    muziBT.SetBounds(8, 8, 270, 25);
    muziBT.Caption = "Všichni muži";
    zenyBT.SetBounds(8, 41, 270, 25);
    zenyBT.Caption = "Všechny ženy";
    zacatekBT.SetBounds(8, 74, 270, 25);
    zacatekBT.Caption = "Příjmení (nebo rodné příjmení) začíná na...";
    zacatekED.SetBounds(286, 76, 126, 21);
    zpetBT.SetBounds(337, 107, 75, 25);
    zpetBT.Caption = "Zpět";
    zpetBT.Default = true;
    zpetBT.ModalResult = mrOk;
}

TnaplnitFORM::~TnaplnitFORM()
{
    releaseGlobalWindow(naplnitFORM, this);
}
