// The main window's side of the tree file's lock: a tree that another running copy has open is
// neither opened nor saved over here, and a save asks before it replaces a file that another
// program changed since this copy read or wrote it.
#include "model/rod.h"
#include "shell/hlavni.h"
#include "toolkit/dialogs.h"

bool MainFrame::claimTreeFile(const std::string& fileName)
{
    if (treeHold.claim(fileName) != TreeFileHold::Claim::heldElsewhere)
        return true;
    ShowMessage(langText("chyby", "otevrenJinouKopii",
                         "Tento lipoveta má právě otevřený jiná běžící kopie programu, proto jej nelze "
                         "otevřít:") +
                " " + fileName);
    return false;
}

bool MainFrame::mayWriteTreeFile()
{
    const std::string& fileName = tree->fileName;
    if (treeHold.on(fileName)) {
        if (!treeHold.changedBehindOurBack())
            return true;
        return askYesNo(langText("otazky", "prepsatZmenenySoubor",
                                 "Soubor lipoveta mezitím změnil jiný program. Opravdu jej přepsat?") +
                        "\n" + fileName);
    }
    // A name this copy does not hold yet: Save As, or the first save of a new tree.
    if (savingHold.claim(fileName) != TreeFileHold::Claim::heldElsewhere)
        return true;
    ShowMessage(langText("chyby", "ulozeniDoOtevrenehoJinde",
                         "Tento lipoveta má právě otevřený jiná běžící kopie programu, proto do něj "
                         "nelze uložit:") +
                " " + fileName);
    return false;
}

void MainFrame::treeFileIsOurs()
{
    if (!tree)
        return;
    if (savingHold.on(tree->fileName))
        treeHold.takeOver(savingHold);
    savingHold.release();
    if (treeHold.on(tree->fileName))
        treeHold.remember();
}
