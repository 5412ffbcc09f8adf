#include "forms/prirad_deti_form.h"

#include "forms/global_window.h"

TpriradDetiFORM* priradDetiFORM = nullptr;

TpriradDetiFORM::TpriradDetiFORM() : TForm("priradDetiFORM")
{
    claimGlobalWindow(priradDetiFORM, this);
    showCzechTexts(texts());
    Caption = "Lipoveta";
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 289, 82);

    dotazLB.SetBounds(12, 10, 265, 13);
    dotazLB.AutoSize = false;
    dotazLB.Alignment = TLabel::taCenter;
    dlePartneraBT.SetBounds(12, 40, 125, 25);
    dlePartneraBT.ModalResult = mrYes;
    zeSeznamuBT.SetBounds(152, 40, 125, 25);
    zeSeznamuBT.ModalResult = mrNo;
}

TpriradDetiFORM::~TpriradDetiFORM()
{
    releaseGlobalWindow(priradDetiFORM, this);
}

WindowTextList TpriradDetiFORM::texts()
{
    return {"prirazeniDeti",
            {
                WindowText::caption(dotazLB, "jakymZpusobem", "Jakým způsobem přiřadit děti?"),
                WindowText::caption(dlePartneraBT, "dlePartnera", "Podle partnera"),
                WindowText::caption(zeSeznamuBT, "zeSeznamu", "Vybrat ze seznamu"),
            }};
}
