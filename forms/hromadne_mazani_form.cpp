#include "forms/hromadne_mazani_form.h"

#include "forms/global_window.h"

ThromadneMazaniFORM* hromadneMazaniFORM = nullptr;

ThromadneMazaniFORM::ThromadneMazaniFORM() : TForm("hromadneMazaniFORM")
{
    claimGlobalWindow(hromadneMazaniFORM, this);
    Caption = "Hromadné mazání";
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 560, 440);

    osobyLIST.SetBounds(8, 8, 330, 424);
    // The selection commands down the right side: whole list, families, a group.
    struct Command {
        TButton& button;
        const char* caption;
        int top;
    };
    const Command commands[] = {
        {invertovatBT, "Invertovat seznam", 8},
        {vseBT, "Vybrat vše", 37},
        {zrusBT, "Zrušit výběr", 66},
        {predciBT, "Přidat rodiče, prarodiče,...", 108},
        {detiBT, "Přidat děti, vnuky,...", 137},
        {partneriBT, "Přidat partnery, manžely,...", 166},
        {sourozenciBT, "Přidat sourozence", 195},
        {skupinaBT, "Vybrat skupinu:", 237},
    };
    for (const Command& c : commands) {
        c.button.SetBounds(346, c.top, 206, 25);
        c.button.Caption = c.caption;
    }
    skupinyCB.SetBounds(346, 266, 206, 21);
    skupinyCB.Style = TComboBox::csDropDownList;
    OkBT.SetBounds(346, 407, 120, 25);
    OkBT.Caption = "Smazat vybrané";
    StornoBT.SetBounds(477, 407, 75, 25);
    StornoBT.Caption = "Storno";
    StornoBT.Cancel = true;
    StornoBT.ModalResult = mrCancel;
}

ThromadneMazaniFORM::~ThromadneMazaniFORM()
{
    releaseGlobalWindow(hromadneMazaniFORM, this);
}
