#include "forms/kalendar_form.h"

#include "forms/check_box_columns.h"
#include "forms/dialog_buttons.h"
#include "forms/global_window.h"

TkalendarFORM* kalendarFORM = nullptr;

TkalendarFORM::TkalendarFORM() : TForm("kalendarFORM")
{
    claimGlobalWindow(kalendarFORM, this);
    showCzechTexts(texts());
    Caption = "Kinvelor";
    SetBounds(0, 0, 290, 210);
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;

    kteraVyrociGROUP.SetBounds(8, 8, 274, 140);
    placeCheckBoxColumns(
        {
            {narozZijCH, true},
            {narozZesCH, false},
            {umrtiCH, false},
            {svatbaZijCH, true},
            {svatbaZesCH, false},
        },
        {.left = 12, .top = 20, .width = 250, .rowStep = 23});
    placeOkStornoButtons(OKBtn, stornoBT, 60, 155, 160);
}

TkalendarFORM::~TkalendarFORM()
{
    releaseGlobalWindow(kalendarFORM, this);
}

WindowTextList TkalendarFORM::texts()
{
    return {"kalendar",
            {
                WindowText::cancel(stornoBT),
                WindowText::caption(kteraVyrociGROUP, "kteraVyroci", "Která výročí zahrnout do kalendáře?"),
                WindowText::caption(narozZijCH, "narozZij", "narozeniny žijících"),
                WindowText::caption(narozZesCH, "narozZes", "výročí narození zesnulých"),
                WindowText::caption(umrtiCH, "umrti", "výročí úmrtí"),
                WindowText::caption(svatbaZijCH, "svatbaZij", "výročí svatby žijících"),
                WindowText::caption(svatbaZesCH, "svatbaZes", "výročí svatby zesnulých"),
            }};
}
