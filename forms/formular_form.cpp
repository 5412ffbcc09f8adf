#include "forms/formular_form.h"

#include "forms/global_window.h"

TformularFORM* formularFORM = nullptr;

TformularFORM::TformularFORM() : TForm("formularFORM")
{
    claimGlobalWindow(formularFORM, this);
    Caption = "Lipoveta";
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 265, 200);

    jakouAkciLB.SetBounds(12, 10, 241, 13);
    jakouAkciLB.Caption = "Jakou akci chcete provést?";
    struct Choice {
        TButton& button;
        const char* caption;
        int result;
    };
    const Choice choices[] = {
        {zobrazAktivniBT, "Zobrazit formulář aktivní osoby", mrOk},
        {tiskniAktivniBT, "Tisknout formulář aktivní osoby", mrYes},
        {tiskniVseBT, "Tisknout formuláře všech osob", mrNo},
        {tiskniDleProcentBT, "Tisknout formuláře dle procent", mrIgnore},
        {tiskniPrazdneBT, "Tisknout prázdné formuláře", mrRetry},
    };
    int top = 32;
    for (const Choice& c : choices) {
        c.button.SetBounds(12, top, 241, 25);
        c.button.Caption = c.caption;
        c.button.ModalResult = c.result;
        top += 32;
    }
}

TformularFORM::~TformularFORM()
{
    releaseGlobalWindow(formularFORM, this);
}
