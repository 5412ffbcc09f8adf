#pragma once
// The runner of tests: a script of answers a person would give. Installed by its constructor
// and removed by its destructor. Each dialog takes the next answer in the queue; a dialog with
// no answer, or with an answer of another kind, throws TestScriptFailure naming the dialog's
// caption, which ends the test. An information message (only an OK button) needs no answer:
// it is recorded and answered OK. Every message box shown is recorded.
#include "toolkit/application.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

class TOpenDialog;

class ScriptedRunner : public ModalRunner {
public:
    ScriptedRunner();
    ~ScriptedRunner() override;

    struct Message {
        std::string caption;
        std::string text;
        int flags;
    };

    // The next modal window: `act` plays what the person does in it (user::type, user::click,
    // ...), which must leave a ModalResult. `window` is matched against the form's Caption or
    // Name; empty matches any window.
    ScriptedRunner& modal(const std::string& window, std::function<void(TForm&)> act);
    // Shortcut: the next modal window is closed by clicking the button named `buttonName`.
    ScriptedRunner& press(const std::string& window, const std::string& buttonName);
    // The next question message box gets this answer (IDYES, IDNO, IDCANCEL, ...).
    ScriptedRunner& answer(int id);
    // The next open or save dialog: the person picks `path` (empty: cancels). A save dialog that
    // does not ask before replacing a file fails the test when `path` exists.
    ScriptedRunner& file(const std::string& path);
    ScriptedRunner& cancelFile() { return file({}); }
    // The next save dialog: the person picks the existing file `path`. A dialog that asks before
    // replacing a file asks as the screen's does ("Soubor X již existuje. ..."), recorded as a
    // message and answered `id`: IDYES replaces, IDNO cancels the dialog. One that does not ask
    // takes the file.
    ScriptedRunner& replaceFile(const std::string& path, int id);
    // The next print dialog is confirmed (with `copies` chosen in it) or cancelled.
    ScriptedRunner& confirmPrint(bool confirm, int copies = 1);
    // The next colour dialog: the person picks `colour`, or cancels (nullopt-like: cancel()).
    ScriptedRunner& colour(int colour);
    ScriptedRunner& cancelColour();
    // The next pop-up menu: the person chooses the item named `itemName` (empty: none).
    ScriptedRunner& popupChoice(const std::string& itemName);

    const std::vector<Message>& messages() const { return messages_; }
    // The text of every message box, in order.
    std::vector<std::string> messageTexts() const;
    const std::vector<PrintJob>& printed() const { return printed_; }
    // Captions of the modal windows shown, in order.
    const std::vector<std::string>& windowsShown() const { return windows_; }
    // Answers not used yet, described.
    std::vector<std::string> unusedAnswers() const;
    void clearRecords();

    void runModal(TForm& form) override;
    int messageBox(const std::string& text, const std::string& caption, int flags) override;
    bool execute(TCommonDialog& dialog) override;
    TMenuItem* popup(TPopupMenu& menu, int x, int y) override;
    void print(const PrintJob& job) override;

private:
    enum class Kind { Modal, Message, File, Print, Colour, Popup };
    struct Answer {
        Kind kind;
        std::string match;
        std::function<void(TForm&)> act;
        int value = 0;
        bool confirm = true;
    };
    Answer take(Kind kind, const std::string& what);
    static const char* kindName(Kind kind);

    std::deque<Answer> answers_;
    std::vector<Message> messages_;
    std::vector<PrintJob> printed_;
    std::vector<std::string> windows_;
    ModalRunner* previous_ = nullptr;
};
