#include "forms/nazvy_svateb_form.h"

#include "forms/global_window.h"

TnazvySvatebFORM* nazvySvatebFORM = nullptr;

TnazvySvatebFORM::TnazvySvatebFORM() : TForm("nazvySvatebFORM")
{
    claimGlobalWindow(nazvySvatebFORM, this);
    Caption = "Názvy svateb";
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 264, 400);

    // Tall enough for the 26 names without scrolling on the usual font.
    svatbyMEMO.SetBounds(8, 8, 248, 352);
    svatbyMEMO.ReadOnly = true;
    svatbyMEMO.WordWrap = false;
    svatbyMEMO.ScrollBars = TMemo::ssVertical;
    OKBtn.SetBounds(94, 368, 75, 25);
    OKBtn.Caption = "OK";
    OKBtn.Default = true;
    OKBtn.ModalResult = mrOk;
}

TnazvySvatebFORM::~TnazvySvatebFORM()
{
    releaseGlobalWindow(nazvySvatebFORM, this);
}
