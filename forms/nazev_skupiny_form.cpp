#include "forms/nazev_skupiny_form.h"

#include "forms/dialog_buttons.h"
#include "forms/global_window.h"

TnazevSkupinyFORM* nazevSkupinyFORM = nullptr;

TnazevSkupinyFORM::TnazevSkupinyFORM() : TForm("nazevSkupinyFORM")
{
    claimGlobalWindow(nazevSkupinyFORM, this);
    showCzechTexts(texts());
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 300, 100);

    zadejteLB.SetBounds(8, 10, 284, 13);
    nazevED.SetBounds(8, 30, 284, 21);
    placeOkStornoButtons(OKBtn, StornoBT, 136, 217, 67);
}

TnazevSkupinyFORM::~TnazevSkupinyFORM()
{
    releaseGlobalWindow(nazevSkupinyFORM, this);
}

WindowTextList TnazevSkupinyFORM::texts()
{
    return {"skupiny",
            {
                WindowText::caption(*this, "nazevSkupiny", "Název skupiny"),
                WindowText::caption(zadejteLB, "zadejteNazevSkupiny", "Zadejte název skupiny"),
                WindowText::cancel(StornoBT),
            }};
}
