#include "forms/kalendar_form.h"

#include "forms/check_box_columns.h"
#include "forms/dialog_buttons.h"
#include "forms/global_window.h"

TkalendarFORM* kalendarFORM = nullptr;

TkalendarFORM::TkalendarFORM() : TForm("kalendarFORM")
{
    claimGlobalWindow(kalendarFORM, this);
    Caption = "Kinvelor";
    SetBounds(0, 0, 290, 210);
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;

    kteraVyrociGROUP.SetBounds(8, 8, 274, 140);
    kteraVyrociGROUP.Caption = "Která výročí zahrnout do kalendáře?";
    placeCheckBoxColumns(
        {
            {narozZijCH, "narozeniny žijících", true},
            {narozZesCH, "narozeniny zesnulých", false},
            {umrtiCH, "výročí úmrtí", false},
            {svatbaZijCH, "výročí svatby žijících", true},
            {svatbaZesCH, "výročí svatby zesnulých", false},
        },
        {.left = 12, .top = 20, .width = 250, .rowStep = 23});
    placeOkStornoButtons(OKBtn, stornoBT, 60, 155, 160);
    stornoBT.Caption = "Cancel";
}

TkalendarFORM::~TkalendarFORM()
{
    releaseGlobalWindow(kalendarFORM, this);
}
