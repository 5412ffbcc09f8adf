#include "forms/import_form.h"

#include "forms/dialog_buttons.h"
#include "forms/global_window.h"

TimportFORM* importFORM = nullptr;

TimportFORM::TimportFORM() : TForm("importFORM")
{
    claimGlobalWindow(importFORM, this);
    Caption = "Import GEDCOMu";
    BorderStyle = TFormBorderStyle::bsDialog;
    CloseBox = false;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 440, 124);

    placeOkButton(okBT, 182, 92);
    importLB.SetBounds(12, 12, 416, 13);
    importLB.Caption = "Soubor ve formátu GEDCOM bude importován.";
    // Hidden: it stands where the check boxes are and never shows.
    bornGROUP.SetBounds(12, 36, 416, 48);
    bornGROUP.Visible = false;
    bornGROUP.Caption = "Příjmení / Rodné příjmení";
    bornGROUP.Items.Add("importovat NAME jako rodné příjmení a případné SURN jako příjmení");
    bornGROUP.Items.Add("importovat NAME jako příjmení");
    bornGROUP.setItemIndex(0);
    manCH.SetBounds(12, 38, 416, 17);
    manCH.Caption = "u mužů dokopírovat chybějící část příjmení z druhého příjmení";
    manCH.setChecked(true);
    womanCH.SetBounds(12, 62, 416, 17);
    womanCH.Caption = "u žen dokopírovat chybějící část příjmení z druhého příjmení";
}

TimportFORM::~TimportFORM()
{
    releaseGlobalWindow(importFORM, this);
}
