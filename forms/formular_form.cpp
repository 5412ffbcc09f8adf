#include "forms/formular_form.h"

#include "forms/global_window.h"

TformularFORM* formularFORM = nullptr;

TformularFORM::TformularFORM() : TForm("formularFORM")
{
    claimGlobalWindow(formularFORM, this);
    showCzechTexts(texts());
    Caption = "Lipoveta";
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 265, 200);

    jakouAkciLB.SetBounds(12, 10, 241, 13);
    struct Choice {
        TButton& button;
        int result;
    };
    const Choice choices[] = {
        {zobrazAktivniBT, mrOk},        {tiskniAktivniBT, mrYes},   {tiskniVseBT, mrNo},
        {tiskniDleProcentBT, mrIgnore}, {tiskniPrazdneBT, mrRetry},
    };
    int top = 32;
    for (const Choice& c : choices) {
        c.button.SetBounds(12, top, 241, 25);
        c.button.ModalResult = c.result;
        top += 32;
    }
}

TformularFORM::~TformularFORM()
{
    releaseGlobalWindow(formularFORM, this);
}

WindowTextList TformularFORM::texts()
{
    return {"formular",
            {
                WindowText::caption(jakouAkciLB, "jakouAkci", "Jakou akci chcete provést?"),
                WindowText::caption(zobrazAktivniBT, "zobrazAktivni", "Zobrazit formulář aktivní osoby"),
                WindowText::caption(tiskniAktivniBT, "tiskniAktivni", "Tisknout formulář aktivní osoby"),
                WindowText::caption(tiskniVseBT, "tiskniVse", "Tisknout formuláře všech osob"),
                WindowText::caption(tiskniDleProcentBT, "tiskniDleProcent", "Tisknout formuláře dle procent"),
                WindowText::caption(tiskniPrazdneBT, "tiskniPrazdne", "Tisknout prázdné formuláře"),
            }};
}
