#include "forms/spravce_skupin_form.h"

#include "forms/dialog_buttons.h"
#include "forms/global_window.h"

TspravceSkupinFORM* spravceSkupinFORM = nullptr;

TspravceSkupinFORM::TspravceSkupinFORM() : TForm("spravceSkupinFORM")
{
    claimGlobalWindow(spravceSkupinFORM, this);
    Caption = "Správce skupin";
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 700, 440);

    skupinyLB.SetBounds(8, 10, 200, 13);
    skupinyLB.Caption = "Skupiny:";
    skupinyLIST.SetBounds(8, 28, 200, 370);
    skupinyLIST.setSorted(true);
    clenoveLB.SetBounds(216, 10, 280, 13);
    clenoveLB.Caption = "Členové:";
    clenoveLIST.SetBounds(216, 28, 280, 370);
    clenoveLIST.setSorted(true);
    // Commands on the group, then (after a gap) the ones that add whole families of the ticked.
    struct Command {
        TButton& button;
        const char* caption;
    };
    const Command groupCommands[] = {
        {vytvoritBT, "Vytvořit"},       {zkopirovatBT, "Zkopírovat"},
        {prejmenovatBT, "Přejmenovat"}, {smazatBT, "Smazat"},
        {vyprazdnitBT, "Vyprázdnit"},   {invertovatBT, "Invertovat výběr"},
        {naplnitBT, "Naplnit osobami"}, {hromadneBT, "Hromadné vyplňování"},
    };
    int top = 28;
    for (const Command& c : groupCommands) {
        c.button.SetBounds(504, top, 188, 25);
        c.button.Caption = c.caption;
        top += 29;
    }
    const Command familyCommands[] = {
        {predciBT, "Přidat rodiče, prarodiče,..."},
        {detiBT, "Přidat děti, vnuky,..."},
        {partneriBT, "Přidat partnery, manžely,..."},
        {sourozenciBT, "Přidat sourozence"},
    };
    top = 28 + 370 - 4 * 29 + 4;
    for (const Command& c : familyCommands) {
        c.button.SetBounds(504, top, 188, 25);
        c.button.Caption = c.caption;
        top += 29;
    }
    placeOkButton(OkBT, 617, 407);
}

TspravceSkupinFORM::~TspravceSkupinFORM()
{
    releaseGlobalWindow(spravceSkupinFORM, this);
}
