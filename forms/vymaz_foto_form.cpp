#include "forms/vymaz_foto_form.h"

#include "forms/global_window.h"

TVymazFotoFORM* VymazFotoFORM = nullptr;

TVymazFotoFORM::TVymazFotoFORM() : TForm("VymazFotoFORM")
{
    claimGlobalWindow(VymazFotoFORM, this);
    showCzechTexts(texts());
    Caption = "Lipoveta";
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 323, 98);

    infoLB.SetBounds(9, 10, 305, 25);
    infoLB.AutoSize = false;
    infoLB.WordWrap = true;
    infoLB.Alignment = TLabel::taCenter;
    OdstranBT.SetBounds(9, 56, 170, 25);
    OdstranBT.ModalResult = mrYes;
    VymazBT.SetBounds(189, 56, 125, 25);
    VymazBT.ModalResult = mrNo;
}

TVymazFotoFORM::~TVymazFotoFORM()
{
    releaseGlobalWindow(VymazFotoFORM, this);
}

WindowTextList TVymazFotoFORM::texts()
{
    return {"vymazFoto",
            {
                WindowText::caption(OdstranBT, "odstran", "Odstraň od aktuální osoby"),
                WindowText::caption(VymazBT, "vymaz", "Vymaž všem"),
            }};
}
