#pragma once
// What the person editor (editor/person_editor.h) reaches of the main window beyond the
// window's pages it fills: what every command of the window has (the tree, the settings, the
// texts, a question), the person list beside the pages and the visit history, and the few steps
// of the frame that a person's edit leads to. The frame (shell/hlavni.h) implements it; the
// editor builds without the frame.
#include "shell/main_window_port.h"

#include <string>

class PersonListPanel;
class PrevNext;
class TMemo;
class TTabSheet;
class TWinControl;
class WaitWindow;

class PersonEditorPort : public MainWindowPort {
public:
    // The person list beside the pages.
    virtual PersonListPanel& personListPanel() = 0;
    // The visit history of the open tree, or none; and whether a person is being shown by a step
    // through it, which records no visit.
    virtual PrevNext* visitHistory() = 0;
    virtual bool isNavigatingHistory() = 0;
    // The all-persons entry of the group lists, as the language names it.
    virtual const std::string& allPersonsEntry() = 0;
    // The yes/no/cancel question: 6 yes, 7 no, 2 cancel.
    virtual int askYesNoCancel(const std::string& question) = 0;
    // The wait window around long operations, and its progress bar moved on by `step`.
    virtual WaitWindow& waitWindow() = 0;
    virtual void advanceWaitProgress(int step) = 0;

    // Memos store their text only when left: each added memo that was changed is stored before
    // a save, a close or showing another person, in the order added.
    virtual void commitMemos() = 0;
    virtual void addMemoToCommit(TMemo& memo) = 0;
    // The open tree's undo history emptied, and the undo and redo controls as it allows.
    virtual void clearChangeHistory() = 0;
    virtual void updateUndoButtons() = 0;

    // The active page filled again, whichever it is.
    virtual void refreshPage() = 0;
    // The general tab or a page the tree alone composes: a page that shows no person.
    virtual bool showsNoPerson(const TTabSheet* page) = 0;
    // The window in its no-tree, empty-tree or tree state.
    virtual void enableControls(bool treeOpen, bool hasPersons) = 0;
    // The key handler of the pages' fields: Enter moves to the next field, F9 to F12 insert the
    // quick texts.
    virtual void fieldKeyDown(TWinControl& control, int& key) = 0;
    // Makes the person of a list caption (display name with the identifier) the current one.
    virtual void showListedPerson(const std::string& caption) = 0;
};
