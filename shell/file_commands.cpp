// The tree menu's commands on the tree as a whole: New, Open, Save, Save As, Close and Exit,
// each asking whether to save an open tree with persons before it is dropped.
#include "model/rod.h"
#include "shell/hlavni.h"
#include "system/exceptions.h"
#include "toolkit/application.h"

bool MainFrame::closeTreeAfterAnswer(int answer)
{
    if (answer == mrCancel)
        return false;
    if (answer == mrYes) {
        // The person asked to keep the work: a save that was cancelled in its name dialog or
        // failed must not be followed by dropping the tree.
        bool saved = false;
        try {
            saved = saveTree();
        } catch (const Exception& e) {
            Application.ShowException(e);
        }
        if (!saved)
            return false;
    }
    closeTree();
    return true;
}

// Without a question nothing is saved: the open tree is empty, or there is none and the close
// only resets the working folder and the window.
bool MainFrame::closeTreeAsking(const char* key, const char* defaultQuestion)
{
    int answer = mrNo;
    if (session.tree() && session.tree()->personCount() > 0)
        answer = askYesNoCancel(langText("otazky", key, defaultQuestion));
    return closeTreeAfterAnswer(answer);
}

void MainFrame::Zavrit1Click()
{
    closeTreeAsking("ulozitPredZavrenim", "Uložit lipoveta před zavřením?");
}

void MainFrame::Novy1Click()
{
    if (!closeTreeAsking("ulozitPredNovym", "Uložit aktuální lipoveta před založením nového?") ||
        session.tree())
        return;
    createEmptyTree();
    enableControls(true, false);
    refreshPage();
    if (obecneSheet.nazevED.CanFocus())
        obecneSheet.nazevED.SetFocus();
}

void MainFrame::Otevrit1Click()
{
    OpenDialogROD.InitialDir = programFolder + "save/";
    if (OpenDialogROD.Execute())
        openTreeFile(OpenDialogROD.FileName);
}

void MainFrame::Ulozit1Click()
{
    saveTree();
}

void MainFrame::UlozitJako1Click()
{
    saveTreeAs();
}

bool MainFrame::saveTreeAs()
{
    if (!session.tree())
        return false;
    SaveDialogROD.InitialDir = programFolder + "save/";
    if (!SaveDialogROD.Execute() || SaveDialogROD.FileName.empty())
        return false;
    // A tree that could not be written under the new name keeps the name it had, so the next
    // Save does not silently aim at the failed one.
    const std::string previousName = session.tree()->fileName;
    session.tree()->fileName = SaveDialogROD.FileName;
    bool saved = false;
    try {
        saved = saveTree();
    } catch (...) {
        if (session.tree())
            session.tree()->fileName = previousName;
        throw;
    }
    if (!saved && session.tree())
        session.tree()->fileName = previousName;
    return saved;
}

void MainFrame::Konec1Click()
{
    if (session.tree())
        Zavrit1Click();
    if (!session.tree())
        Close();
}

void MainFrame::addMemoToCommit(TMemo& memo)
{
    memosToCommit_.push_back(&memo);
}

void MainFrame::commitMemos()
{
    // Each memo the person changed, in a fixed order, through its own exit handler. Once
    // stored, the lines are the person's: a memo left showing them while another person is
    // current must not hand them to that one at the next commit.
    for (TMemo* memo : memosToCommit_)
        if (memo->Modified) {
            if (memo->OnExit)
                memo->OnExit();
            memo->Modified = false;
        }
}
