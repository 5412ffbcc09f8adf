#include "forms/co_vyplnit_form.h"

#include "forms/dialog_buttons.h"
#include "forms/global_window.h"

TcoVyplnitFORM* coVyplnitFORM = nullptr;

TcoVyplnitFORM::TcoVyplnitFORM() : TForm("coVyplnitFORM")
{
    claimGlobalWindow(coVyplnitFORM, this);
    showCzechTexts(texts());
    Caption = "Hromadné vyplňování";
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 340, 100);

    zadejteLB.SetBounds(8, 10, 324, 13);
    zadejteLB.Caption = "Zadejte text, který se vyplní celé skupině:";
    zadejteED.SetBounds(8, 30, 324, 21);
    placeOkStornoButtons(OKBtn, stornoBT, 176, 257, 67);
}

TcoVyplnitFORM::~TcoVyplnitFORM()
{
    releaseGlobalWindow(coVyplnitFORM, this);
}

WindowTextList TcoVyplnitFORM::texts()
{
    return {"skupiny",
            {
                WindowText::cancel(stornoBT),
            }};
}
