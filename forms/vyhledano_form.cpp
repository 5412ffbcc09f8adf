#include "forms/vyhledano_form.h"

#include "forms/global_window.h"

TvyhledanoFORM* vyhledanoFORM = nullptr;

TvyhledanoFORM::TvyhledanoFORM() : TForm("vyhledanoFORM")
{
    claimGlobalWindow(vyhledanoFORM, this);
    Caption = "Lipoveta";
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 330, 390);

    nalezenoLB.SetBounds(8, 10, 314, 13);
    nalezenoLB.Caption = "Byly nalezeny tyto osoby:";
    osobyLIST.SetBounds(8, 30, 314, 298);
    osobyLIST.setSorted(true);
    poklepanimLB.SetBounds(8, 334, 314, 13);
    poklepanimLB.Caption = "Poklepáním osobu zobrazíte";
    zpetBT.SetBounds(127, 356, 75, 25);
    zpetBT.Caption = "Zpět";
    zpetBT.ModalResult = mrCancel;
}

TvyhledanoFORM::~TvyhledanoFORM()
{
    releaseGlobalWindow(vyhledanoFORM, this);
}
