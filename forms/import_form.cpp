#include "forms/import_form.h"

#include "forms/dialog_buttons.h"
#include "forms/global_window.h"

TimportFORM* importFORM = nullptr;

TimportFORM::TimportFORM() : TForm("importFORM")
{
    claimGlobalWindow(importFORM, this);
    showCzechTexts(texts());
    BorderStyle = TFormBorderStyle::bsDialog;
    CloseBox = false;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 440, 124);

    placeOkButton(okBT, 182, 92);
    importLB.SetBounds(12, 12, 416, 13);
    // Hidden: it stands where the check boxes are and never shows.
    bornGROUP.SetBounds(12, 36, 416, 48);
    bornGROUP.Visible = false;
    bornGROUP.setItemIndex(0);
    manCH.SetBounds(12, 38, 416, 17);
    manCH.setChecked(true);
    womanCH.SetBounds(12, 62, 416, 17);
}

TimportFORM::~TimportFORM()
{
    releaseGlobalWindow(importFORM, this);
}

WindowTextList TimportFORM::texts()
{
    return {"gedcom",
            {
                WindowText::caption(*this, "import", "Import GEDCOMu"),
                WindowText::caption(importLB, "budeImport", "Soubor ve formátu GEDCOM bude importován."),
                WindowText::caption(bornGROUP, "prijmeniRodnePrijmeni", "Příjmení / Rodné příjmení"),
                WindowText::item(bornGROUP.Items, 0, "jakoRodne",
                                 "importovat NAME jako příjmení a případné SURN jako rodné příjmení"),
                WindowText::item(bornGROUP.Items, 1, "jakoPrijmeni", "importovat NAME jako rodné příjmení"),
                WindowText::caption(manCH, "muziDokopirovat",
                                    "u mužů dokopírovat chybějící část příjmení z druhého příjmení"),
                WindowText::caption(womanCH, "zenyDokopirovat",
                                    "u žen dokopírovat chybějící část příjmení z druhého příjmení"),
            }};
}
