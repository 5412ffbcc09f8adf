#include "forms/casove_obdobi_form.h"

#include "forms/dialog_buttons.h"

TcasoveObdobiFORMLayout::TcasoveObdobiFORMLayout() : TForm("casoveObdobiFORM")
{
    showCzechTexts(texts());
    Caption = "Lipoveta";
    BorderStyle = TFormBorderStyle::bsDialog;
    CloseBox = false;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 313, 113);

    textLB.SetBounds(8, 12, 26, 13);
    textCB.SetBounds(40, 8, 265, 21);
    textCB.setSorted(true);
    odLB.SetBounds(8, 44, 18, 13);
    odED.SetBounds(40, 40, 105, 21);
    doLB.SetBounds(160, 44, 18, 13);
    doED.SetBounds(200, 40, 105, 21);
    placeOkStornoButtons(okBT, stornoBT, 72, 166, 78);
    okBT.TabStop = false;
}

WindowTextList TcasoveObdobiFORMLayout::texts()
{
    return {"casoveObdobi",
            {
                WindowText::caption(textLB, "text", "Text:"),
                WindowText::caption(odLB, "od", "Od:"),
                WindowText::caption(doLB, "do", "Do:"),
                WindowText::cancel(stornoBT),
            }};
}
