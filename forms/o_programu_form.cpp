#include "forms/o_programu_form.h"

#include "forms/dialog_buttons.h"
#include "forms/drawn_pictures.h"
#include "forms/global_window.h"

ToProgramu* oProgramu = nullptr;

ToProgramu::ToProgramu() : TForm("oProgramu")
{
    claimGlobalWindow(oProgramu, this);
    showCzechTexts(texts());
    BorderStyle = TFormBorderStyle::bsDialog;
    CloseBox = false;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 400, 300);

    Image1.SetBounds(8, 8, 96, 96);
    Image1.Transparent = true;
    Image1.Center = true;
    Image1.Picture.Bitmap = drawnPicture(DrawnPicture::familyTree, Image1.Width, Image1.Height);
    nazevLB.SetBounds(116, 12, 276, 24);
    nazevLB.Caption = "Kinvelor";
    nazevLB.Font.Size = 16;
    nazevLB.Font.Bold = true;
    verzeLB.SetBounds(116, 42, 276, 13);
    verzeLB.Caption = "1.0.18b";
    naprogramovalLB.SetBounds(116, 60, 276, 13);
    naprogramovalLB.Caption = "Naprogramoval tým Kinvelor";
    // Links look like links; the handlers open them.
    emailLB.SetBounds(116, 78, 276, 13);
    emailLB.Caption = "kinvelor@example.org";
    emailLB.Font.Color = clBlue;
    emailLB.Font.Underline = true;
    wwwLB.SetBounds(116, 96, 276, 13);
    wwwLB.Caption = "http://www.example.org/kinvelor";
    wwwLB.Font.Color = clBlue;
    wwwLB.Font.Underline = true;
    creditsIMG.SetBounds(8, 116, 384, 141);
    placeOkButton(Button1, 162, 267);
    Button1.Cancel = true; // the only button: Esc closes the window as well
    Timer1.setEnabled(false);
    Timer1.setInterval(100);
}

WindowTextList ToProgramu::texts()
{
    // Keys match without regard to case: this is the menu item's entry, one text for both.
    return {"menu", {WindowText::caption(*this, "oprogramu", "O programu...")}};
}

ToProgramu::~ToProgramu()
{
    releaseGlobalWindow(oProgramu, this);
}
