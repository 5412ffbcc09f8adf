#include "forms/pribuzni_form.h"

#include "forms/global_window.h"

TpribuzniFORM* pribuzniFORM = nullptr;

TpribuzniFORM::TpribuzniFORM() : TForm("pribuzniFORM")
{
    claimGlobalWindow(pribuzniFORM, this);
    showCzechTexts(texts());
    showCzechTexts(headingTexts());
    Caption = "Lipoveta";
    BorderStyle = TFormBorderStyle::bsDialog;
    CloseBox = false;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 360, 420);

    struct Line {
        TLabel& label;
        const char* caption; // until the caller fills the line; nullptr: one of the window's texts
        int top;
    };
    const Line lines[] = {
        {nadpisLB, nullptr, 10},
        {vztahLB, "vztahLB", 28},
        {pocetLB, "pocetLB", 46},
        {poklepanimLB, nullptr, 362},
    };
    for (const Line& l : lines) {
        l.label.SetBounds(8, l.top, 344, 13);
        l.label.AutoSize = false;
        l.label.Alignment = TLabel::taCenter;
        if (l.caption)
            l.label.Caption = l.caption;
    }
    nadpisLB.Font.Bold = true;
    osobyLIST.SetBounds(8, 66, 344, 288);
    osobyLIST.setSorted(true);
    zpetBT.SetBounds(142, 386, 75, 25);
    zpetBT.Cancel = true;
    zpetBT.ModalResult = mrCancel;
}

TpribuzniFORM::~TpribuzniFORM()
{
    releaseGlobalWindow(pribuzniFORM, this);
}

WindowTextList TpribuzniFORM::texts()
{
    return {"vyhledaniPribuznych",
            {
                WindowText::caption(poklepanimLB, "poklepanim", "Poklepáním na jméno osobu zobrazíte."),
                WindowText::back(zpetBT),
            }};
}

WindowTextList TpribuzniFORM::headingTexts()
{
    return {"hledej",
            {WindowText::caption(nadpisLB, "vyhledavaniPribuznych", "Vyhledávání příbuzných k osobě")}};
}
