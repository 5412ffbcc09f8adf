#include "forms/tip_form.h"

#include "forms/dialog_buttons.h"

TtipFORMLayout::TtipFORMLayout() : TForm("tipFORM")
{
    showCzechTexts(texts());
    showCzechTexts(startNumberTexts());
    Caption = "Tip";
    BorderStyle = TFormBorderStyle::bsDialog;
    CloseBox = false;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 361, 193);

    tipLB.SetBounds(8, 8, 345, 113);
    tipLB.AutoSize = false;
    tipLB.WordWrap = true;
    tipLB.Alignment = TLabel::taCenter;
    tipLB.Transparent = false;
    tipLB.Color = clYellow;
    tipLB.Caption = "Tip programu...";
    zobrazovatCH.SetBounds(8, 130, 200, 17);
    cisloSpusteniLB.SetBounds(8, 158, 200, 13);
    placeOkButton(OKBtn, 278, 154);
}

WindowTextList TtipFORMLayout::texts()
{
    return {"tip",
            {
                WindowText::caption(zobrazovatCH, "zobrazovat", "Zobrazovat tip při spuštění"),
            }};
}

WindowTextList TtipFORMLayout::startNumberTexts()
{
    return {"tip", {WindowText::caption(cisloSpusteniLB, "cisloSpusteni", "Číslo spuštění:")}};
}
