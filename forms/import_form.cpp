#include "forms/import_form.h"

#include "forms/global_window.h"

TimportFORM* importFORM = nullptr;

TimportFORM::TimportFORM() : TForm("importFORM")
{
    claimGlobalWindow(importFORM, this);
    Caption = "Import GEDCOMu";
    BorderStyle = TFormBorderStyle::bsDialog;
    CloseBox = false;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 441, 161);

    okBT.SetBounds(183, 100, 75, 25);
    okBT.Caption = "OK";
    okBT.ModalResult = mrOk;
    okBT.Default = true;
    importLB.SetBounds(16, 12, 250, 13);
    importLB.Caption = "Soubor ve formátu GEDCOM bude importován.";
    bornGROUP.SetBounds(16, 100, 409, 57);
    bornGROUP.Caption = "Příjmení / Rodné příjmení";
    bornGROUP.Items.Add("importovat NAME jako rodné příjmení a případné SURN jako příjmení");
    bornGROUP.Items.Add("importovat NAME jako příjmení");
    bornGROUP.setItemIndex(0);
    bornGROUP.Visible = false;
    manCH.SetBounds(16, 40, 409, 17);
    manCH.Caption = "u mužů dokopírovat chybějící část příjmení z druhého příjmení";
    manCH.setChecked(true);
    womanCH.SetBounds(16, 64, 409, 17);
    womanCH.Caption = "u žen dokopírovat chybějící část příjmení z druhého příjmení";
}

TimportFORM::~TimportFORM()
{
    releaseGlobalWindow(importFORM, this);
}
