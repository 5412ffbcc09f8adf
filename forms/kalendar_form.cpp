#include "forms/kalendar_form.h"

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
    struct Box {
        TCheckBox& box;
        const char* caption;
        bool checked;
    };
    const Box boxes[] = {
        {narozZijCH, "narozeniny žijících", true},
        {narozZesCH, "narozeniny zesnulých", false},
        {umrtiCH, "výročí úmrtí", false},
        {svatbaZijCH, "výročí svatby žijících", true},
        {svatbaZesCH, "výročí svatby zesnulých", false},
    };
    int top = 20;
    for (const Box& b : boxes) {
        b.box.SetBounds(12, top, 250, 17);
        b.box.Caption = b.caption;
        b.box.setChecked(b.checked);
        top += 23;
    }
    OKBtn.SetBounds(60, 160, 75, 25);
    OKBtn.Caption = "OK";
    OKBtn.Default = true;
    OKBtn.ModalResult = mrOk;
    stornoBT.SetBounds(155, 160, 75, 25);
    stornoBT.Caption = "Cancel";
    stornoBT.Cancel = true;
    stornoBT.ModalResult = mrCancel;
}

TkalendarFORM::~TkalendarFORM()
{
    releaseGlobalWindow(kalendarFORM, this);
}
