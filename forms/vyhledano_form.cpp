#include "forms/vyhledano_form.h"

#include "forms/global_window.h"

TvyhledanoFORM* vyhledanoFORM = nullptr;

TvyhledanoFORM::TvyhledanoFORM() : TForm("vyhledanoFORM")
{
    claimGlobalWindow(vyhledanoFORM, this);
    showCzechTexts(texts());
    Caption = "Lipoveta";
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 330, 390);

    nalezenoLB.SetBounds(8, 10, 314, 13);
    osobyLIST.SetBounds(8, 30, 314, 298);
    osobyLIST.setSorted(true);
    poklepanimLB.SetBounds(8, 334, 314, 13);
    zpetBT.SetBounds(127, 356, 75, 25);
    zpetBT.ModalResult = mrCancel;
}

TvyhledanoFORM::~TvyhledanoFORM()
{
    releaseGlobalWindow(vyhledanoFORM, this);
}

WindowTextList TvyhledanoFORM::texts()
{
    return {"vyhledano",
            {
                WindowText::caption(nalezenoLB, "nalezeno", "Byly nalezeny tyto osoby:"),
                WindowText::caption(poklepanimLB, "poklepanim", "Poklepáním osobu zobrazíte."),
                WindowText::back(zpetBT),
            }};
}
