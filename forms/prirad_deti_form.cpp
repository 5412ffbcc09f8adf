#include "forms/prirad_deti_form.h"

#include "forms/global_window.h"

TpriradDetiFORM* priradDetiFORM = nullptr;

TpriradDetiFORM::TpriradDetiFORM() : TForm("priradDetiFORM")
{
    claimGlobalWindow(priradDetiFORM, this);
    Caption = "Lipoveta";
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 289, 82);

    dotazLB.SetBounds(12, 10, 265, 13);
    dotazLB.AutoSize = false;
    dotazLB.Alignment = TLabel::taCenter;
    dotazLB.Caption = "Jakým způsobem přiřadit děti?";
    dlePartneraBT.SetBounds(12, 40, 125, 25);
    dlePartneraBT.Caption = "Podle partnera";
    dlePartneraBT.ModalResult = mrYes;
    zeSeznamuBT.SetBounds(152, 40, 125, 25);
    zeSeznamuBT.Caption = "Vybrat ze seznamu";
    zeSeznamuBT.ModalResult = mrNo;
}

TpriradDetiFORM::~TpriradDetiFORM()
{
    releaseGlobalWindow(priradDetiFORM, this);
}
