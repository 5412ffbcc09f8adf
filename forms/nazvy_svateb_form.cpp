#include "forms/nazvy_svateb_form.h"

#include "forms/dialog_buttons.h"
#include "forms/global_window.h"

TnazvySvatebFORM* nazvySvatebFORM = nullptr;

TnazvySvatebFORM::TnazvySvatebFORM() : TForm("nazvySvatebFORM")
{
    claimGlobalWindow(nazvySvatebFORM, this);
    Caption = "Názvy svateb";
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 300, 360);
    svatbyMEMO.SetBounds(8, 8, 284, 310);
    svatbyMEMO.ReadOnly = true;
    svatbyMEMO.ScrollBars = TMemo::ssVertical;
    placeOkButton(OKBtn, 110, 326, 80);
}

TnazvySvatebFORM::~TnazvySvatebFORM()
{
    releaseGlobalWindow(nazvySvatebFORM, this);
}
