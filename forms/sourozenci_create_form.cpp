#include "forms/sourozenci_create_form.h"

#include "forms/global_window.h"

TsourozenciCreate* sourozenciCreate = nullptr;

TsourozenciCreate::TsourozenciCreate() : TForm("sourozenciCreate")
{
    claimGlobalWindow(sourozenciCreate, this);
    showCzechTexts(texts());
    Caption = "Lipoveta";
    BorderStyle = TFormBorderStyle::bsDialog;
    CloseBox = false;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 389, 82);

    coSpolecnehoLB.SetBounds(12, 10, 365, 13);
    otceBT.SetBounds(12, 40, 115, 25);
    otceBT.ModalResult = mrYes;
    matkuBT.SetBounds(137, 40, 115, 25);
    matkuBT.ModalResult = mrNo;
    obaRodiceBT.SetBounds(262, 40, 115, 25);
    obaRodiceBT.ModalResult = mrCancel;
    obaRodiceBT.Default = true;
}

TsourozenciCreate::~TsourozenciCreate()
{
    releaseGlobalWindow(sourozenciCreate, this);
}

WindowTextList TsourozenciCreate::texts()
{
    return {
        "sourozenci",
        {
            WindowText::caption(coSpolecnehoLB, "coSpolecneho", "S aktuální osobou má nový sourozenec..."),
            WindowText::caption(otceBT, "otce", "Společného otce"),
            WindowText::caption(matkuBT, "matku", "Společnou matku"),
            WindowText::caption(obaRodiceBT, "obaRodice", "Společné oba rodiče"),
        }};
}
