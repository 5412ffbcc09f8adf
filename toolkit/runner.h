#pragma once
// What waits for a person: modal windows, message boxes, common dialogs, pop-up menus and the
// printer. The program installs the Qt runner; tests install a ScriptedRunner.
#include <string>
#include <vector>

class TForm;
class TCommonDialog;
class TPopupMenu;
class TMenuItem;
struct TFont;

struct PrintJob {
    std::string title;
    std::vector<std::string> lines;
    std::string fontName;
    int fontSize = 10;
    int margin = 0; // pixels of border around the text
    // Copies of this job; 0 leaves it to what the person chose in the last print dialog.
    int copies = 0;
};

class ModalRunner {
public:
    virtual ~ModalRunner() = default;
    // Runs the shown form until its ModalResult is set and form.tryCloseModal() agrees.
    virtual void runModal(TForm& form) = 0;
    // Returns one of the ID* answers for the buttons in flags (MB_*).
    virtual int messageBox(const std::string& text, const std::string& caption, int flags) = 0;
    // True when the person confirmed; the dialog's fields hold the choice.
    virtual bool execute(TCommonDialog& dialog) = 0;
    // The item the person chose, or nullptr.
    virtual TMenuItem* popup(TPopupMenu& menu, int x, int y) = 0;
    virtual void print(const PrintJob& job) = 0;
};

// What the screen does between the program's own calls: the renderer repaints, runs timers and
// shows modeless windows. Tests have none.
class TTimer;
class TControl;
class RenderHost {
public:
    virtual ~RenderHost() = default;
    // Repaint soon (after the running handler) / at once (long work pumps no messages).
    virtual void invalidate(TControl& control) = 0;
    virtual void repaintNow(TControl& control) = 0;
    virtual void timerChanged(TTimer& timer) = 0;
    virtual void formShown(TForm& form) = 0;
    virtual void formHidden(TForm& form) = 0;
    virtual void terminate() = 0;
};
