#include "forms/co_v_html_form.h"

#include "forms/check_box_columns.h"
#include "forms/dialog_buttons.h"
#include "forms/global_window.h"

TcoVHtmlFORM* coVHtmlFORM = nullptr;

TcoVHtmlFORM::TcoVHtmlFORM() : TForm("coVHtmlFORM")
{
    claimGlobalWindow(coVHtmlFORM, this);
    showCzechTexts(texts());
    Caption = "HTML";
    BorderStyle = TFormBorderStyle::bsDialog;
    CloseBox = false;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 260, 290);

    coZobrazitGROUP.SetBounds(8, 8, 244, 240);
    placeCheckBoxColumns(
        {
            {fotkaCH, true},
            {identifikatorCH, false},
            {narozeniCH, true},
            {umrtiCH, true},
            {snatkyCH, true},
            {bydlisteCH, true},
            {vzdelaniCH, true},
            {povolaniCH, true},
            {kontaktyCH, false},
        },
        {.left = 12, .top = 22, .width = 224, .rowStep = 24});
    placeOkStornoButtons(OKBtn, stornoBT, 48, 137, 257);
}

TcoVHtmlFORM::~TcoVHtmlFORM()
{
    releaseGlobalWindow(coVHtmlFORM, this);
}

WindowTextList TcoVHtmlFORM::texts()
{
    return {"coVHTML",
            {
                WindowText::caption(coZobrazitGROUP, "coVyplnovat", "Co se má vyplňovat?"),
                WindowText::caption(fotkaCH, "fotka", "Fotografie"),
                WindowText::caption(identifikatorCH, "identifikator", "Identifikátor"),
                WindowText::caption(narozeniCH, "narozeni", "Informace o narození"),
                WindowText::caption(umrtiCH, "umrti", "Informace o úmrtí"),
                WindowText::caption(snatkyCH, "snatky", "Informace o sňatcích"),
                WindowText::caption(bydlisteCH, "bydliste", "Bydliště"),
                WindowText::caption(vzdelaniCH, "vzdelani", "Vzdělání"),
                WindowText::caption(povolaniCH, "povolani", "Povolání"),
                WindowText::caption(kontaktyCH, "kontakty", "Kontakty"),
                WindowText::cancel(stornoBT),
            }};
}
