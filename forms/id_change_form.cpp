#include "forms/id_change_form.h"

#include "forms/dialog_buttons.h"
#include "forms/global_window.h"

TidChangeFORM* idChangeFORM = nullptr;

TidChangeFORM::TidChangeFORM() : TForm("idChangeFORM")
{
    claimGlobalWindow(idChangeFORM, this);
    showCzechTexts(texts());
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 257, 81);

    idLB.SetBounds(8, 12, 105, 13);
    idLB.AutoSize = false;
    idLB.Alignment = TLabel::taRightJustify;
    idED.SetBounds(120, 8, 129, 21);
    placeOkStornoButtons(okBT, stornoBT, 40, 138, 46);
    okBT.TabStop = false;
    stornoBT.TabStop = false;
}

TidChangeFORM::~TidChangeFORM()
{
    releaseGlobalWindow(idChangeFORM, this);
}

WindowTextList TidChangeFORM::texts()
{
    return {"zmenaID",
            {
                WindowText::cancel(stornoBT),
                WindowText::caption(idLB, "identifikator", "Identifikátor:"),
                WindowText::caption(*this, "zmenaIdentifikatoru", "Změna identifikátoru"),
            }};
}
