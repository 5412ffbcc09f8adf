// The four recent-file items of the tree menu and the one way a tree is opened by its name.
#include "model/path_utils.h"
#include "model/rod.h"
#include "shell/hlavni.h"
#include "system/files.h"
#include "toolkit/dialogs.h"

void MainFrame::updateRecentFilesMenu()
{
    TMenuItem* const items[] = {&soubor1, &soubor2, &soubor3, &soubor4};
    for (int i = 0; i < 4; ++i) {
        const std::string& path = settings.recentFiles[static_cast<size_t>(i)];
        items[i]->Visible = !path.empty();
        items[i]->Caption = shortenText(path);
    }
    N14.Visible = !settings.recentFiles[0].empty();
}

void MainFrame::openRecentFile(int index)
{
    // A copy: opening reorders the list.
    const std::string path = settings.recentFiles[static_cast<size_t>(index)];
    if (fileExists(path))
        openTreeFile(path);
    else
        ShowMessage(langText("chyby", "soubor", "Soubor") + " " + path + " " +
                    langText("chyby", "nenalezen", "nenalezen!"));
}

void MainFrame::openTreeFile(const std::string& path)
{
    if (!fileExists(path)) {
        ShowMessage(langText("chyby", "souborNenalezen", "Soubor nenalezen!"));
        return;
    }
    if (!closeTreeAsking("ulozitPredOtevrenim", "Uložit aktuální lipoveta před otevřením jiného?") ||
        session.tree())
        return;
    if (openTree(path) != 0)
        return;
    settings.addRecentFile(session.tree()->fileName);
    updateRecentFilesMenu();
    // A file that holds no person opens as an empty tree: nothing to show, nothing to save.
    enableControls(true, session.tree()->personCount() > 0);
    refreshPage();
    announceTodaysAnniversaries();
}
