// How a tree comes into the window and goes out of it: the tree session reads it, adopts it or
// lets it go, and the window builds or drops what it shows of it.
#include "model/clovek.h"
#include "model/prev_next.h"
#include "model/rod.h"
#include "model/uk_clovek.h"
#include "shell/hlavni.h"
#include "shell/scroll.h"
#include "toolkit/application.h"

int MainFrame::openTree(const std::string& fileName)
{
    switch (session.open(fileName)) {
    case TreeSession::Opening::heldElsewhere:
        return 1;
    case TreeSession::Opening::refused:
        // The session has let go of the tree and emptied the working folder; a tree is opened only
        // once the window shows none, so the window has only its controls to put back.
        enableControls(false, false);
        return 1;
    case TreeSession::Opening::opened:
        break;
    }
    history = std::make_unique<PrevNext>();
    installLoadedTree();
    return 0;
}

void MainFrame::installLoadedTree()
{
    session.tree()->fillEmptyIdentifiers();
    const bool hasPersons = session.tree()->personCount() > 0;
    enableControls(true, hasPersons);

    personList.makeView();
    personList.fill();
    session.tree()->rebuildChildLists();
    session.tree()->buildSiblingListsOnFirstUse();

    // The person saved as active, or the first row when the file names nobody.
    editor_->setShownPerson(session.tree()->activePerson());
    if (shownPerson())
        personList.locate(shownPerson());
    if (Polozka* row = personList.makeSelectedRowCurrent())
        showPerson(row->person);
    else
        editor_->setShownPerson(nullptr);
    // The list may be sorted by the share of filled fields.
    session.tree()->updateAllPercentFilled();
    // The group box's filter sorts the list by the key the box above it shows, which is the
    // settings' one: a big tree is sorted once. Without persons the filter does not run.
    if (!hasPersons || personList.chosenSortKey() != settings.sortOrder) {
        personList.sort(settings.sortOrder);
        personList.paint();
    }
    editor_->fillGroupsCombo("");
    pagesChange();
}

void MainFrame::installImportedTree(std::unique_ptr<Rod> imported)
{
    resetWorkingFolder();
    session.adopt(std::move(imported));
    history = std::make_unique<PrevNext>();
    installLoadedTree();
    personList.focus();
}

void MainFrame::createEmptyTree()
{
    session.adopt(std::make_unique<Rod>());
    personList.makeView();
    history = std::make_unique<PrevNext>();
    editor_->setShownPerson(nullptr);
    // The box still names the groups of the tree that was closed before.
    editor_->fillGroupsCombo("");
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
    session.close();
    editor_->setShownPerson(nullptr);
    history.reset();
}
