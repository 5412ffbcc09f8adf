// Window texts of the main window's tab pages, page by page as each sheet names them, each from
// the language section named after its page; the further-data page also titles the
// identifier-change window.
#include "forms/id_change_form.h"
#include "model/clovek.h"
#include "shell/hlavni.h"
#include "shell/window_texts.h"

void MainFrame::applyGeneralPageTexts()
{
    WindowTexts(*this).apply(obecneSheet.texts());
}

void MainFrame::applyBasicPageTexts()
{
    WindowTexts t(*this, "kartaZakladniUdaje");
    t.apply(zakladniSheet.texts());
    // New item texts leave the sex box without a choice; the shown person's sex is chosen again
    // without going through the change handler, so nothing is stored or recorded.
    zakladniSheet.pohlaviCB.setItemIndex(currentPerson ? (currentPerson->sex == 1 ? 0 : 1) : -1);
    t.caption(zamekCH, "zamek", "Zámek");
}

void MainFrame::applyFurtherDataPageTexts()
{
    WindowTexts t(*this);
    t.apply(dalsiSheet.texts());
    t.applyIfMade(idChangeFORM);
}

void MainFrame::applyPhotosPageTexts()
{
    WindowTexts(*this).apply(fotkySheet.texts());
}

void MainFrame::applyDocumentsPageTexts()
{
    WindowTexts(*this).apply(dokumentySheet.texts());
}

void MainFrame::applyTextsAndFilesPageTexts()
{
    WindowTexts(*this).apply(doplnujiciSheet.texts());
}

void MainFrame::applySummaryPageTexts()
{
    WindowTexts(*this).apply(shrnutiSheet.texts());
}

void MainFrame::applyStatisticsPageTexts()
{
    WindowTexts(*this).apply(statistikaSheet.texts());
}
