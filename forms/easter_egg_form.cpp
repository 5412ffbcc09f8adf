#include "forms/easter_egg_form.h"

#include "forms/drawn_pictures.h"
#include "forms/global_window.h"

TeasterEggFORM* easterEggFORM = nullptr;

TeasterEggFORM::TeasterEggFORM() : TForm("easterEggFORM")
{
    claimGlobalWindow(easterEggFORM, this);
    Caption = "Lipoveta";
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 480, 200);

    // The three pictures take turns in one place.
    for (TImage* picture : {&motylIMG, &cmelakIMG, &kytkaIMG}) {
        picture->SetBounds(8, 8, 120, 120);
        picture->Center = true;
        picture->Transparent = true;
    }
    motylIMG.Picture.Bitmap = drawnPicture(DrawnPicture::butterfly, motylIMG.Width, motylIMG.Height);
    cmelakIMG.Picture.Bitmap = drawnPicture(DrawnPicture::bumblebee, cmelakIMG.Width, cmelakIMG.Height);
    kytkaIMG.Picture.Bitmap = drawnPicture(DrawnPicture::flower, kytkaIMG.Width, kytkaIMG.Height);
    cmelakIMG.Visible = false;
    kytkaIMG.Visible = false;
    otazkaLB.SetBounds(140, 8, 332, 84);
    otazkaLB.AutoSize = false;
    otazkaLB.WordWrap = true;
    odpovedED.SetBounds(140, 100, 332, 21);
    okBT.SetBounds(316, 167, 75, 25);
    okBT.Caption = "OK";
    okBT.Default = true;
    konecBT.SetBounds(397, 167, 75, 25);
    konecBT.Caption = "Konec";
    konecBT.ModalResult = mrAbort;
}

TeasterEggFORM::~TeasterEggFORM()
{
    releaseGlobalWindow(easterEggFORM, this);
}
