#include "forms/hromadne_mazani_form.h"

#include "forms/global_window.h"

ThromadneMazaniFORM* hromadneMazaniFORM = nullptr;

ThromadneMazaniFORM::ThromadneMazaniFORM() : TForm("hromadneMazaniFORM")
{
    claimGlobalWindow(hromadneMazaniFORM, this);
    showCzechTexts(texts());
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 560, 440);

    osobyLIST.SetBounds(8, 8, 330, 424);
    // The selection commands down the right side: whole list, families, a group.
    struct Command {
        TButton& button;
        int top;
    };
    const Command commands[] = {
        {invertovatBT, 8}, {vseBT, 37},       {zrusBT, 66},        {predciBT, 108},
        {detiBT, 137},     {partneriBT, 166}, {sourozenciBT, 195}, {skupinaBT, 237},
    };
    for (const Command& c : commands) {
        c.button.SetBounds(346, c.top, 206, 25);
    }
    skupinyCB.SetBounds(346, 266, 206, 21);
    skupinyCB.Style = TComboBox::csDropDownList;
    OkBT.SetBounds(346, 407, 120, 25);
    StornoBT.SetBounds(477, 407, 75, 25);
    StornoBT.Cancel = true;
    StornoBT.ModalResult = mrCancel;
}

ThromadneMazaniFORM::~ThromadneMazaniFORM()
{
    releaseGlobalWindow(hromadneMazaniFORM, this);
}

WindowTextList ThromadneMazaniFORM::texts()
{
    return {"hromadneMazani",
            {
                WindowText::caption(*this, "hromadne", "Hromadné mazání"),
                WindowText::caption(invertovatBT, "invertovat", "Invertovat seznam"),
                WindowText::caption(zrusBT, "zrusit", "Zrušit výběr"),
                WindowText::caption(vseBT, "vse", "Vybrat vše"),
                WindowText::caption(predciBT, "predci", "Přidat rodiče, prarodiče,..."),
                WindowText::caption(partneriBT, "partneri", "Přidat partnery, manžely,..."),
                WindowText::caption(detiBT, "deti", "Přidat děti, vnuky,..."),
                WindowText::caption(sourozenciBT, "sourozenci", "Přidat sourozence"),
                WindowText::caption(skupinaBT, "skupina", "Vybrat skupinu:"),
                WindowText::caption(OkBT, "smazat", "Smazat vybrané"),
                WindowText::cancel(StornoBT),
            }};
}
