// The main window's side of the tree files: the working folder, the wait window, and the save
// with what the window keeps of it (the recent files).
#include "forms/cekej_form.h"
#include "model/rod.h"
#include "shell/hlavni.h"
#include "storage/media_folders.h"

void MainFrame::resetWorkingFolder()
{
    ::resetWorkingFolder(workingFolder, programFolder);
}

WaitWindow& MainFrame::waitWindow()
{
    // The wait window is created with the other windows, after the main window.
    if (cekejFORM && !wait.drives(*cekejFORM))
        wait = WaitWindow(*cekejFORM, cekejFORM->waitBAR);
    return wait;
}

void MainFrame::showWaitWindow()
{
    waitWindow().show();
}

void MainFrame::advanceWaitProgress(int step)
{
    waitWindow().advance(step);
}

void MainFrame::hideWaitWindow()
{
    waitWindow().hide();
}

bool MainFrame::saveTree()
{
    // An edit still in a memo belongs to what is saved.
    commitMemos();
    switch (session.save(shownPerson())) {
    case TreeSession::Saving::saved:
        settings.addRecentFile(session.tree()->fileName);
        updateRecentFilesMenu();
        return true;
    case TreeSession::Saving::nameWanted:
        // Save As comes back here with the name.
        return saveTreeAs();
    case TreeSession::Saving::notSaved:
        break;
    }
    return false;
}
