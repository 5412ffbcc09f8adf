#include "forms/co_v_html_form.h"

#include "forms/check_box_columns.h"
#include "forms/dialog_buttons.h"
#include "forms/global_window.h"

TcoVHtmlFORM* coVHtmlFORM = nullptr;

TcoVHtmlFORM::TcoVHtmlFORM() : TForm("coVHtmlFORM")
{
    claimGlobalWindow(coVHtmlFORM, this);
    Caption = "HTML";
    BorderStyle = TFormBorderStyle::bsDialog;
    CloseBox = false;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 260, 290);

    coZobrazitGROUP.SetBounds(8, 8, 244, 240);
    coZobrazitGROUP.Caption = "Co se má vyplňovat?";
    placeCheckBoxColumns(
        {
            {fotkaCH, "Fotografie", true},
            {identifikatorCH, "Identifikátor", false},
            {narozeniCH, "Informace o narození", true},
            {umrtiCH, "Informace o úmrtí", true},
            {snatkyCH, "Informace o sňatcích", true},
            {bydlisteCH, "Bydliště", true},
            {vzdelaniCH, "Vzdělání", true},
            {povolaniCH, "Povolání", true},
            {kontaktyCH, "Kontakty", false},
        },
        {.left = 12, .top = 22, .width = 224, .rowStep = 24});
    placeOkStornoButtons(OKBtn, stornoBT, 48, 137, 257);
}

TcoVHtmlFORM::~TcoVHtmlFORM()
{
    releaseGlobalWindow(coVHtmlFORM, this);
}
