// Window texts of the main window itself (title, main menu, tool buttons, person-list panel)
// and of the three small windows bound with it: the about box title, the relationship colours
// and the double-start warning, as their layouts name them.
#include "shell/barvy_form.h"
#include "shell/hlavni.h"
#include "shell/window_texts.h"

#include "forms/dvojite_spusteni_form.h"
#include "forms/o_programu_form.h"

void MainFrame::applyMenuTexts()
{
    WindowTexts(*this).apply(menuTexts());
}

void MainFrame::applyQuickButtonTexts()
{
    WindowTexts(*this).apply(toolTexts());
}

void MainFrame::applyListPanelTexts()
{
    WindowTexts t(*this, "plocha");
    t.caption(setrid, "trideniDle", "Třídění dle");
    // Only the direction now in force is looked up.
    trideniBT.Caption = sortDirectionCaption();
    // The items are replaced in place, so the chosen sort key stays chosen.
    t.apply(listPanelTexts());
}

void MainFrame::applyAboutBoxTexts()
{
    WindowTexts(*this).applyIfMade(oProgramu);
}

void MainFrame::applyColoursDialogTexts()
{
    WindowTexts(*this).applyIfMade(barvyFORM);
}

void MainFrame::applyDoubleStartTexts()
{
    WindowTexts(*this).applyIfMade(dvojiteSpusteniFORM);
}
