#include "forms/mene_nez_form.h"

#include "forms/dialog_buttons.h"
#include "forms/global_window.h"

TmeneNezFORM* meneNezFORM = nullptr;

TmeneNezFORM::TmeneNezFORM() : TForm("meneNezFORM")
{
    claimGlobalWindow(meneNezFORM, this);
    showCzechTexts(texts());
    Caption = "Lipoveta";
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 273, 113);

    pokynLB.SetBounds(8, 8, 257, 39);
    pokynLB.AutoSize = false;
    pokynLB.WordWrap = true;
    procentaED.SetBounds(96, 50, 49, 21);
    procentaUD.SetBounds(145, 50, 15, 21);
    procentaUD.Min = 10;
    procentaUD.Max = 100;
    procentaUD.Wrap = false;
    procentaUD.Associate = &procentaED;
    procentaUD.setPosition(50);
    placeOkStornoButtons(okBT, stornoBT, 48, 150, 80);
}

TmeneNezFORM::~TmeneNezFORM()
{
    releaseGlobalWindow(meneNezFORM, this);
}

WindowTextList TmeneNezFORM::texts()
{
    return {"formular",
            {
                WindowText::caption(
                    pokynLB, "meneNezXProcent",
                    "Tisk formulářů lidí, kteří mají z důležitých údajů vyplněno méně než ... procent:"),
                WindowText::cancel(stornoBT),
            }};
}
