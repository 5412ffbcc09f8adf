#include "forms/barvy_form.h"

#include "forms/dialog_buttons.h"

TbarvyFORMLayout::TbarvyFORMLayout() : TForm("barvyFORM")
{
    Caption = "Lipoveta";
    SetBounds(0, 0, 300, 270);
    BorderStyle = TFormBorderStyle::bsDialog;
    CloseBox = false;
    Position = TPosition::poScreenCenter;

    barvyLB.SetBounds(12, 8, 276, 40);
    barvyLB.AutoSize = false;
    barvyLB.WordWrap = true;
    barvyLB.Caption =
        "Zde můžete nastavit barvy, kterými jsou zvýrazňovány příbuzenské vztahy v seznamu osob.";

    struct Row {
        TButton& button;
        const char* caption;
        TLabel& sample;
    };
    const Row rows[] = {
        {aktivniBT, "Aktivní osoba", aktivniLB},    {rodiceBT, "(pra)Rodiče", rodiceLB},
        {detiBT, "Děti (vnuci)", detiLB},           {partneriBT, "Partneři", partneriLB},
        {sourozenciBT, "Sourozenci", sourozenciLB},
    };
    int top = 56;
    for (const Row& r : rows) {
        r.button.SetBounds(12, top, 120, 25);
        r.button.Caption = r.caption;
        r.sample.SetBounds(150, top + 6, 120, 13);
        r.sample.Caption = "Ukázka";
        top += 30;
    }
    // The active person's row is drawn on black, so its sample is too.
    aktivniLB.Color = clBlack;
    aktivniLB.Transparent = false;

    puvodniBT.SetBounds(12, top + 6, 120, 25);
    puvodniBT.Caption = "Původní";
    placeOkButton(okBT, 190, top + 6, 90);
}
