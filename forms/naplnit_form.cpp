#include "forms/naplnit_form.h"

#include "forms/global_window.h"

TnaplnitFORM* naplnitFORM = nullptr;

TnaplnitFORM::TnaplnitFORM() : TForm("naplnitFORM")
{
    claimGlobalWindow(naplnitFORM, this);
    showCzechTexts(texts());
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 420, 140);

    muziBT.SetBounds(8, 8, 270, 25);
    zenyBT.SetBounds(8, 41, 270, 25);
    zacatekBT.SetBounds(8, 74, 270, 25);
    zacatekED.SetBounds(286, 76, 126, 21);
    zpetBT.SetBounds(337, 107, 75, 25);
    zpetBT.Default = true;
    zpetBT.ModalResult = mrOk;
}

TnaplnitFORM::~TnaplnitFORM()
{
    releaseGlobalWindow(naplnitFORM, this);
}

WindowTextList TnaplnitFORM::texts()
{
    return {"skupiny",
            {
                WindowText::caption(*this, "jakNaplnit", "Jak naplnit?"),
                WindowText::caption(muziBT, "muzi", "Všichni muži"),
                WindowText::caption(zenyBT, "zeny", "Všechny ženy"),
                WindowText::caption(zacatekBT, "zacatek", "Příjmení (nebo rodné příjmení) začíná na..."),
                WindowText::back(zpetBT),
            }};
}
