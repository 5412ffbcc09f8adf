// How a tree comes into being and goes away: read from its file with the loader its version
// line calls for, made new and empty, or closed with everything that belongs to it.
#include "model/clovek.h"
#include "model/prev_next.h"
#include "model/rod.h"
#include "model/uk_clovek.h"
#include "shell/hlavni.h"
#include "shell/scroll.h"
#include "storage/tree_file_format.h"
#include "system/exceptions.h"
#include "system/system_reasons.h"
#include "toolkit/application.h"
#include "toolkit/dialogs.h"

namespace {

std::string tooOldMessage(MainFrame& main, const std::string& versionLine)
{
    return main.langText("chyby", "staraVerze", "Nahráváte lipoveta uložený v příliš staré verzi") +
           " (1.0." + versionLine.substr(versionLine.size() - 2) + "). " +
           main.langText(
               "chyby", "prenosnost",
               "Data do této verze jsou přenosná z verzí počínaje číslem 1.0.13. Uložte vaše data v "
               "některé z těchto novějších verzí, aby se dále dala přenést do této. Děkuji za "
               "pochopení.");
}

// A tree file the system does not let the program read: the program's words with the system's
// reason in Czech, where the system gave one.
std::string unreadableTreeFileMessage(MainFrame& main, const std::string& fileName, const EInOutError& e)
{
    const std::string why = systemReasonText(e.ErrorCode);
    return main.langText("chyby", "nelzePrecist", "Nepodařilo se přečíst:") + " " + fileName + "\n" +
           (why.empty() ? e.Message() : why);
}

} // namespace

int MainFrame::openTree(const std::string& fileName)
{
    if (!claimTreeFile(fileName))
        return 1;
    adoptTree(std::make_unique<Rod>(fileName));

    // Whatever stops the open leaves no tree behind: the person is told why and the window
    // goes back to its no-tree state.
    auto refuse = [this](const std::string& message) {
        ShowMessage(message);
        closeTree();
        return 1;
    };
    std::string versionLine;
    try {
        versionLine = readVersionLine(fileName);
    } catch (const EDamagedTreeFile&) {
        return refuse(damagedTreeFileMessage(*this, fileName));
    } catch (const EInOutError& e) {
        return refuse(unreadableTreeFileMessage(*this, fileName, e));
    } catch (const Exception& e) {
        return refuse(e.what());
    }
    const TreeFileKind kind = classifyVersionLine(versionLine);
    if (kind == TreeFileKind::Damaged)
        return refuse(damagedTreeFileMessage(*this, fileName));
    if (kind == TreeFileKind::TooOld)
        return refuse(tooOldMessage(*this, versionLine));
    {
        WaitShown shown(*this);
        try {
            if (kind == TreeFileKind::Old)
                loadOldFormat(fileName);
            else
                loadCurrentFormat(fileName);
        } catch (const EDamagedTreeFile& e) {
            hideWaitWindow();
            return refuse(damagedTreeFileMessage(*this, fileName, e.line));
        } catch (const Exception& e) {
            hideWaitWindow();
            return refuse(e.what());
        }
    }
    treeFileIsOurs();
    installLoadedTree();
    return 0;
}

void MainFrame::adoptTree(std::unique_ptr<Rod> newTree)
{
    resetWorkingFolder();
    tree = std::move(newTree);
    tree->attachEditor(this);
    history = std::make_unique<PrevNext>();
}

void MainFrame::installLoadedTree()
{
    tree->fillEmptyIdentifiers();
    const bool hasPersons = tree->personCount() > 0;
    enableControls(true, hasPersons);

    personList.makeView();
    personList.fill();
    tree->rebuildChildLists();
    tree->buildSiblingListsOnFirstUse();

    // The person saved as active, or the first row when the file names nobody.
    currentPerson = tree->activePerson();
    if (currentPerson)
        personList.locate(currentPerson);
    if (Polozka* row = personList.makeSelectedRowCurrent())
        showPerson(row->person);
    else
        currentPerson = nullptr;
    // The list may be sorted by the share of filled fields.
    tree->updateAllPercentFilled();
    // The group box's filter sorts the list by the key the box above it shows, which is the
    // settings' one: a big tree is sorted once. Without persons the filter does not run.
    if (!hasPersons || personList.chosenSortKey() != settings.sortOrder) {
        personList.sort(settings.sortOrder);
        personList.paint();
    }
    fillGroupsCombo("");
    pagesChange();
}

void MainFrame::installImportedTree(std::unique_ptr<Rod> imported)
{
    adoptTree(std::move(imported));
    installLoadedTree();
    personList.focus();
}

void MainFrame::createEmptyTree()
{
    tree = std::make_unique<Rod>();
    tree->attachEditor(this);
    personList.makeView();
    history = std::make_unique<PrevNext>();
    currentPerson = nullptr;
}

void MainFrame::closeTree()
{
    commitMemos();
    closeTreeData();
    enableControls(false, false);
}

void MainFrame::closeTreeData()
{
    personList.dropView();
    tree.reset();
    treeFileOnDisk.clear();
    mediaMissingAtOpen.clear();
    currentPerson = nullptr;
    currentPhoto = currentDocument = currentFile = nullptr;
    history.reset();
    treeHold.release();
    savingHold.release();
    resetWorkingFolder();
}
