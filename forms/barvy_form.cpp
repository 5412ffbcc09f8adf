#include "forms/barvy_form.h"

#include "forms/dialog_buttons.h"

TbarvyFORMLayout::TbarvyFORMLayout() : TForm("barvyFORM")
{
    showCzechTexts(texts());
    Caption = "Lipoveta";
    SetBounds(0, 0, 300, 270);
    BorderStyle = TFormBorderStyle::bsDialog;
    CloseBox = false;
    Position = TPosition::poScreenCenter;

    barvyLB.SetBounds(12, 8, 276, 40);
    barvyLB.AutoSize = false;
    barvyLB.WordWrap = true;

    struct Row {
        TButton& button;
        TLabel& sample;
    };
    const Row rows[] = {
        {aktivniBT, aktivniLB},   {rodiceBT, rodiceLB},         {detiBT, detiLB},
        {partneriBT, partneriLB}, {sourozenciBT, sourozenciLB},
    };
    int top = 56;
    for (const Row& r : rows) {
        r.button.SetBounds(12, top, 120, 25);
        r.sample.SetBounds(150, top + 6, 120, 13);
        top += 30;
    }
    // The active person's row is drawn on black, so its sample is too.
    aktivniLB.Color = clBlack;
    aktivniLB.Transparent = false;

    puvodniBT.SetBounds(12, top + 6, 120, 25);
    placeOkButton(okBT, 190, top + 6, 90);
}

WindowTextList TbarvyFORMLayout::texts()
{
    // One sample text for the five colour samples.
    const char* const sample = "Ukázka";
    return {"barvyVztahu",
            {
                WindowText::caption(barvyLB, "popis",
                                    "Zde můžete nastavit barvy, kterými jsou zvýrazňovány příbuzenské vztahy "
                                    "v seznamu osob."),
                WindowText::caption(aktivniBT, "aktivni", "Aktivní osoba"),
                WindowText::caption(rodiceBT, "rodice", "(pra)Rodiče"),
                WindowText::caption(detiBT, "deti", "Děti (vnuci)"),
                WindowText::caption(partneriBT, "partneri", "Partneři"),
                WindowText::caption(sourozenciBT, "sourozenci", "Sourozenci"),
                WindowText::caption(aktivniLB, "ukazka", sample),
                WindowText::caption(rodiceLB, "ukazka", sample),
                WindowText::caption(detiLB, "ukazka", sample),
                WindowText::caption(partneriLB, "ukazka", sample),
                WindowText::caption(sourozenciLB, "ukazka", sample),
                WindowText::caption(puvodniBT, "puvodni", "Původní"),
            }};
}
