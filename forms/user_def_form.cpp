#include "forms/user_def_form.h"

#include "forms/dialog_buttons.h"

TuserDefFORMLayout::TuserDefFORMLayout() : TForm("userDefFORM")
{
    showCzechTexts(texts());
    Caption = "Lipoveta";
    BorderStyle = TFormBorderStyle::bsDialog;
    CloseBox = false;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 233, 97);

    pokynLB.SetBounds(8, 8, 217, 13);
    kolonkaED.SetBounds(8, 26, 217, 21);
    kolonkaED.MaxLength = 23;
    placeOkStornoButtons(okBT, stornoBT, 32, 126, 62);
}

WindowTextList TuserDefFORMLayout::texts()
{
    return {"dalsiUdaje",
            {
                WindowText::caption(pokynLB, "zadejKolonku", "Zadejte název kolonky:"),
                WindowText::cancel(stornoBT),
            }};
}
