#include "forms/moje_skupiny_form.h"

#include "forms/dialog_buttons.h"
#include "forms/global_window.h"

TmojeSkupinyFORM* mojeSkupinyFORM = nullptr;

TmojeSkupinyFORM::TmojeSkupinyFORM() : TForm("mojeSkupinyFORM")
{
    claimGlobalWindow(mojeSkupinyFORM, this);
    showCzechTexts(texts());
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 260, 320);

    skupinyLIST.SetBounds(8, 8, 244, 271);
    placeOkButton(OkBT, 92, 287);
}

TmojeSkupinyFORM::~TmojeSkupinyFORM()
{
    releaseGlobalWindow(mojeSkupinyFORM, this);
}

WindowTextList TmojeSkupinyFORM::texts()
{
    return {"skupiny",
            {
                WindowText::caption(*this, "prirazeniDoSkupin", "Přiřazení do skupin"),
            }};
}
