// The two menu commands that edit settings in their own dialogs. Nothing is saved here: the
// settings reach their file when the main window closes.
#include "shell/barvy_form.h"
#include "shell/hlavni.h"
#include "shell/nastaveni_form.h"

void MainFrame::Kontroly1Click()
{
    TnastaveniForm& f = *nastaveniForm;
    f.minRokUD.setPosition(settings.minYear);
    f.maxRokUD.setPosition(settings.maxYear);
    f.maxVekUD.setPosition(settings.maxAge);
    f.minRodicDiteUD.setPosition(settings.minParentChildAge);
    f.smrtOtecNarozDiteCheck.setChecked(settings.checkFatherDeathBeforeBirth);
    f.languageFile = this;
    f.ShowModal();
    f.languageFile = nullptr;
    // OK is the only way out; the positions count even when an edit was never left.
    settings.minYear = f.minRokUD.Position();
    settings.maxYear = f.maxRokUD.Position();
    settings.maxAge = f.maxVekUD.Position();
    settings.minParentChildAge = f.minRodicDiteUD.Position();
    settings.checkFatherDeathBeforeBirth = f.smrtOtecNarozDiteCheck.Checked();
}

void MainFrame::BarvyVztahu1Click()
{
    TbarvyFORM& f = *barvyFORM;
    f.aktivniLB.Font.Color = settings.colourActive;
    f.rodiceLB.Font.Color = settings.colourParents;
    f.detiLB.Font.Color = settings.colourChildren;
    f.partneriLB.Font.Color = settings.colourPartners;
    f.sourozenciLB.Font.Color = settings.colourSiblings;
    if (f.ShowModal() != mrOk)
        return;
    settings.colourActive = f.aktivniLB.Font.Color;
    settings.colourParents = f.rodiceLB.Font.Color;
    settings.colourChildren = f.detiLB.Font.Color;
    settings.colourPartners = f.partneriLB.Font.Color;
    settings.colourSiblings = f.sourozenciLB.Font.Color;
    // The list shows the colours chosen at once, not from the next person shown on.
    personList.paint();
}
