#include "forms/co_v_html_form.h"

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
    struct Part {
        TCheckBox& box;
        const char* caption;
        bool checked;
    };
    const Part parts[] = {
        {fotkaCH, "Fotografie", true},
        {identifikatorCH, "Identifikátor", false},
        {narozeniCH, "Informace o narození", true},
        {umrtiCH, "Informace o úmrtí", true},
        {snatkyCH, "Informace o sňatcích", true},
        {bydlisteCH, "Bydliště", true},
        {vzdelaniCH, "Vzdělání", true},
        {povolaniCH, "Povolání", true},
        {kontaktyCH, "Kontakty", false},
    };
    int top = 22;
    for (const Part& p : parts) {
        p.box.SetBounds(12, top, 224, 17);
        p.box.Caption = p.caption;
        p.box.setChecked(p.checked);
        top += 24;
    }
    OKBtn.SetBounds(48, 257, 75, 25);
    OKBtn.Caption = "OK";
    OKBtn.Default = true;
    OKBtn.ModalResult = mrOk;
    stornoBT.SetBounds(137, 257, 75, 25);
    stornoBT.Caption = "Storno";
    stornoBT.Cancel = true;
    stornoBT.ModalResult = mrCancel;
}

TcoVHtmlFORM::~TcoVHtmlFORM()
{
    releaseGlobalWindow(coVHtmlFORM, this);
}
