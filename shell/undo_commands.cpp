// The undo and redo commands of the main window and the state of their menu items and buttons;
// the person editor puts the steps' values back into its pages (editor/undo_replay.cpp).
#include "model/action_list.h"
#include "model/rod.h"
#include "shell/hlavni.h"

void MainFrame::Zpet1Click()
{
    // A line being typed into a memo belongs to the history before a step is replayed.
    commitMemos();
    if (session.tree())
        session.tree()->undo();
    updateUndoButtons();
}

void MainFrame::Znovu1Click()
{
    // A line being typed into a memo belongs to the history before a step is replayed.
    commitMemos();
    if (session.tree())
        session.tree()->redo();
    updateUndoButtons();
}

void MainFrame::clearChangeHistory()
{
    if (session.tree())
        session.tree()->undoHistory->clear();
    updateUndoButtons();
}

void MainFrame::updateUndoButtons()
{
    // Typing in a memo is a step once stored: Ctrl+Z must reach the command then too, or the
    // memo's own widget would take the letters back behind the history.
    const bool typing = editor_ && editor_->holdsUnstoredTyping();
    Zpet1.Enabled = ZpetBT.Enabled = session.tree() && (session.tree()->canUndo() || typing);
    Znovu1.Enabled = ZnovuBT.Enabled = session.tree() && session.tree()->canRedo() && !typing;
}
