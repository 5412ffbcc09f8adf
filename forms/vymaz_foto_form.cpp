#include "forms/vymaz_foto_form.h"

#include "forms/global_window.h"

TVymazFotoFORM* VymazFotoFORM = nullptr;

TVymazFotoFORM::TVymazFotoFORM() : TForm("VymazFotoFORM")
{
    claimGlobalWindow(VymazFotoFORM, this);
    Caption = "Lipoveta";
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 323, 98);

    infoLB.SetBounds(9, 10, 305, 25);
    infoLB.AutoSize = false;
    infoLB.WordWrap = true;
    infoLB.Alignment = TLabel::taCenter;
    OdstranBT.SetBounds(9, 56, 170, 25);
    OdstranBT.Caption = "Nezobrazuj aktuální osobě";
    OdstranBT.ModalResult = mrYes;
    VymazBT.SetBounds(189, 56, 125, 25);
    VymazBT.Caption = "Vymaž všem";
    VymazBT.ModalResult = mrNo;
}

TVymazFotoFORM::~TVymazFotoFORM()
{
    releaseGlobalWindow(VymazFotoFORM, this);
}
