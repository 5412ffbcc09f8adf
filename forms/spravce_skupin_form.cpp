#include "forms/spravce_skupin_form.h"

#include "forms/dialog_buttons.h"
#include "forms/global_window.h"

TspravceSkupinFORM* spravceSkupinFORM = nullptr;

TspravceSkupinFORM::TspravceSkupinFORM() : TForm("spravceSkupinFORM")
{
    claimGlobalWindow(spravceSkupinFORM, this);
    showCzechTexts(texts());
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 700, 440);

    skupinyLB.SetBounds(8, 10, 200, 13);
    skupinyLIST.SetBounds(8, 28, 200, 370);
    skupinyLIST.setSorted(true);
    clenoveLB.SetBounds(216, 10, 280, 13);
    clenoveLIST.SetBounds(216, 28, 280, 370);
    clenoveLIST.setSorted(true);
    // Commands on the group, then (after a gap) the ones that add whole families of the ticked.
    TButton* const groupCommands[] = {
        &vytvoritBT,   &zkopirovatBT, &prejmenovatBT, &smazatBT,
        &vyprazdnitBT, &invertovatBT, &naplnitBT,     &hromadneBT,
    };
    int top = 28;
    for (TButton* button : groupCommands) {
        button->SetBounds(504, top, 188, 25);
        top += 29;
    }
    TButton* const familyCommands[] = {
        &predciBT,
        &detiBT,
        &partneriBT,
        &sourozenciBT,
    };
    top = 28 + 370 - 4 * 29 + 4;
    for (TButton* button : familyCommands) {
        button->SetBounds(504, top, 188, 25);
        top += 29;
    }
    placeOkButton(OkBT, 617, 407);
}

TspravceSkupinFORM::~TspravceSkupinFORM()
{
    releaseGlobalWindow(spravceSkupinFORM, this);
}

WindowTextList TspravceSkupinFORM::texts()
{
    return {"skupiny",
            {
                WindowText::caption(*this, "spravce", "Správce skupin"),
                WindowText::caption(skupinyLB, "skupiny", "Skupiny:"),
                WindowText::caption(clenoveLB, "clenove", "Členové:"),
                WindowText::caption(vytvoritBT, "vytvorit", "Vytvořit"),
                WindowText::caption(zkopirovatBT, "zkopirovat", "Zkopírovat"),
                WindowText::caption(prejmenovatBT, "prejmenovat", "Přejmenovat"),
                WindowText::caption(smazatBT, "smazat", "Smazat"),
                WindowText::caption(vyprazdnitBT, "vyprazdnit", "Vyprázdnit"),
                WindowText::caption(invertovatBT, "invertovat", "Invertovat výběr"),
                WindowText::caption(naplnitBT, "naplnit", "Naplnit osobami"),
                WindowText::caption(hromadneBT, "hromadneVyplnovani", "Hromadné vyplňování"),
                WindowText::caption(predciBT, "pridatRodice", "Přidat rodiče, prarodiče,..."),
                WindowText::caption(detiBT, "pridatDeti", "Přidat děti, vnuky,..."),
                WindowText::caption(partneriBT, "pridatPartnery", "Přidat partnery, manžely,..."),
                WindowText::caption(sourozenciBT, "pridatSourozence", "Přidat sourozence"),
            }};
}
