#include "forms/tolerance_form.h"

#include "forms/dialog_buttons.h"
#include "forms/global_window.h"

TtoleranceFORM* toleranceFORM = nullptr;

TtoleranceFORM::TtoleranceFORM() : TForm("toleranceFORM")
{
    claimGlobalWindow(toleranceFORM, this);
    showCzechTexts(texts());
    BorderStyle = TFormBorderStyle::bsDialog;
    CloseBox = false;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 233, 81);

    pocetRokuLB.SetBounds(8, 12, 137, 13);
    pocetRokuLB.AutoSize = false;
    pocetRokuLB.Alignment = TLabel::taRightJustify;
    toleranceCB.SetBounds(152, 8, 73, 21);
    toleranceCB.Style = TComboBox::csDropDownList;
    for (const char* years : {"1", "2", "5", "10"})
        toleranceCB.Items.Add(years);
    placeOkButton(OKBtn, 79, 46);
}

TtoleranceFORM::~TtoleranceFORM()
{
    releaseGlobalWindow(toleranceFORM, this);
}

WindowTextList TtoleranceFORM::texts()
{
    return {"tolerance",
            {
                WindowText::caption(*this, "tolerance", "Tolerance"),
                WindowText::caption(pocetRokuLB, "pocetRoku", "Počet roků v toleranci:"),
            }};
}
