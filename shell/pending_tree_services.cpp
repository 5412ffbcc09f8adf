// Stand-ins for what the tree files, the person list and the window states give the file
// commands and the start-up once they are built: each does the least those callers rely on.
#include "model/rod.h"
#include "shell/hlavni.h"

int Thlavni::openTree(const std::string& fileName)
{
    resetWorkingFolder();
    tree = std::make_unique<Rod>(fileName);
    return 0;
}

void Thlavni::createEmptyTree()
{
    tree = std::make_unique<Rod>();
}

void Thlavni::closeTree()
{
    commitMemos();
    closeTreeData();
    enableControls(false, false);
}

void Thlavni::closeTreeData()
{
    tree.reset();
    currentPerson = nullptr;
    resetWorkingFolder();
}

void Thlavni::enableControls(bool treeOpen, bool hasPersons)
{
    pages.Visible = treeOpen;
    Ulozit1.Enabled = UlozitBT.Enabled = hasPersons;
    UlozitJako1.Enabled = UlozitJakoBT.Enabled = hasPersons;
    Zavrit1.Enabled = ZavritBT.Enabled = treeOpen;
}

void Thlavni::refreshPage()
{
    if (pages.ActivePage() == &obecne && tree)
        showGeneralPage();
}

void Thlavni::announceTodaysAnniversaries()
{
}
