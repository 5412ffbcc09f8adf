#include "forms/lang_form.h"

#include "forms/dialog_buttons.h"

TlangFORMLayout::TlangFORMLayout() : TForm("langFORM")
{
    showCzechTexts(texts());
    Caption = "Lipoveta";
    SetBounds(0, 0, 260, 240);
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;

    zvolteLB.SetBounds(12, 8, 236, 13);
    jazykyLIST.SetBounds(12, 26, 236, 160);
    placeOkStornoButtons(Button1, stornoBT, 40, 140, 198, 80);
}

WindowTextList TlangFORMLayout::texts()
{
    return {"jazyk",
            {
                WindowText::caption(zvolteLB, "zvolteJazyk", "Zvolte jazyk:"),
                WindowText::cancel(stornoBT),
            }};
}
