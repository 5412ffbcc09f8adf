#include "toolkit/scripted_runner.h"

#include "toolkit/dialogs.h"
#include "toolkit/form.h"
#include "toolkit/menus.h"
#include "toolkit/stdctrls.h"
#include "toolkit/useractions.h"

#include <algorithm>
#include <filesystem>

ScriptedRunner::ScriptedRunner() : previous_(Application.installedRunner())
{
    Application.setRunner(this);
}

ScriptedRunner::~ScriptedRunner()
{
    if (Application.installedRunner() == this)
        Application.setRunner(previous_);
}

const char* ScriptedRunner::kindName(Kind kind)
{
    switch (kind) {
    case Kind::Modal:
        return "modal window";
    case Kind::Message:
        return "question";
    case Kind::File:
        return "file dialog";
    case Kind::Print:
        return "print dialog";
    case Kind::Colour:
        return "colour dialog";
    case Kind::Popup:
        return "pop-up menu";
    }
    return "dialog";
}

ScriptedRunner& ScriptedRunner::modal(const std::string& window, std::function<void(TForm&)> act)
{
    answers_.push_back({Kind::Modal, window, std::move(act), 0, true});
    return *this;
}

namespace {
TButton* findButtonByName(TWinControl& root, const std::string& name)
{
    for (TControl* c : root.Controls()) {
        if (auto* b = dynamic_cast<TButton*>(c); b && b->Name == name)
            return b;
        if (auto* w = dynamic_cast<TWinControl*>(c))
            if (TButton* found = findButtonByName(*w, name))
                return found;
    }
    return nullptr;
}
} // namespace

ScriptedRunner& ScriptedRunner::press(const std::string& window, const std::string& buttonName)
{
    return modal(window, [buttonName](TForm& form) {
        TButton* button = findButtonByName(form, buttonName);
        if (!button)
            throw TestScriptFailure("window \"" + form.Caption + "\" has no button " + buttonName);
        if (!user::click(*button))
            throw TestScriptFailure("button " + buttonName + " of \"" + form.Caption +
                                    "\" cannot be pressed");
    });
}

ScriptedRunner& ScriptedRunner::answer(int id)
{
    Answer a{Kind::Message, {}, nullptr, 0, true};
    a.value = id;
    answers_.push_back(std::move(a));
    return *this;
}

ScriptedRunner& ScriptedRunner::file(const std::string& path)
{
    Answer a{Kind::File, {}, nullptr, 0, true};
    a.confirm = !path.empty();
    a.match = path; // for a file answer the text is the chosen path
    answers_.push_back(std::move(a));
    return *this;
}

ScriptedRunner& ScriptedRunner::replaceFile(const std::string& path, int id)
{
    file(path);
    answers_.back().value = id; // the answer to the question before replacing
    return *this;
}

ScriptedRunner& ScriptedRunner::confirmPrint(bool confirm, int copies)
{
    Answer a{Kind::Print, {}, nullptr, copies, true};
    a.confirm = confirm;
    answers_.push_back(std::move(a));
    return *this;
}

ScriptedRunner& ScriptedRunner::colour(int colour)
{
    Answer a{Kind::Colour, {}, nullptr, 0, true};
    a.value = colour;
    answers_.push_back(std::move(a));
    return *this;
}

ScriptedRunner& ScriptedRunner::cancelColour()
{
    Answer a{Kind::Colour, {}, nullptr, 0, true};
    a.confirm = false;
    answers_.push_back(std::move(a));
    return *this;
}

ScriptedRunner& ScriptedRunner::popupChoice(const std::string& itemName)
{
    Answer a{Kind::Popup, itemName, nullptr, 0, true};
    answers_.push_back(std::move(a));
    return *this;
}

ScriptedRunner::Answer ScriptedRunner::take(Kind kind, const std::string& what)
{
    if (answers_.empty())
        throw TestScriptFailure(std::string(kindName(kind)) + " shown with no scripted answer: \"" + what +
                                "\"");
    Answer a = std::move(answers_.front());
    answers_.pop_front();
    if (a.kind != kind)
        throw TestScriptFailure(std::string(kindName(kind)) + " \"" + what +
                                "\" shown where the script expected a " + kindName(a.kind));
    return a;
}

void ScriptedRunner::runModal(TForm& form)
{
    const std::string caption = form.Caption.empty() ? form.Name : form.Caption;
    windows_.push_back(caption);
    Answer a = take(Kind::Modal, caption);
    if (!a.match.empty() && a.match != form.Caption && a.match != form.Name)
        throw TestScriptFailure("modal window \"" + caption + "\" shown where the script expected \"" +
                                a.match + "\"");
    a.act(form);
    if (!form.tryCloseModal())
        throw TestScriptFailure("modal window \"" + caption + "\" still open after its scripted answer");
}

int ScriptedRunner::messageBox(const std::string& text, const std::string& caption, int flags)
{
    messages_.push_back({caption, text, flags});
    const int buttons = flags & 0xF;
    if (buttons == MB_OK)
        return IDOK;
    Answer a = take(Kind::Message, caption + ": " + text);
    std::vector<int> allowed;
    switch (buttons) {
    case MB_OKCANCEL:
        allowed = {IDOK, IDCANCEL};
        break;
    case MB_ABORTRETRYIGNORE:
        allowed = {IDABORT, IDRETRY, IDIGNORE};
        break;
    case MB_YESNOCANCEL:
        allowed = {IDYES, IDNO, IDCANCEL};
        break;
    case MB_YESNO:
        allowed = {IDYES, IDNO};
        break;
    case MB_RETRYCANCEL:
        allowed = {IDRETRY, IDCANCEL};
        break;
    default:
        break;
    }
    if (std::find(allowed.begin(), allowed.end(), a.value) == allowed.end())
        throw TestScriptFailure("answer " + std::to_string(a.value) + " is not a button of \"" + text + "\"");
    return a.value;
}

bool ScriptedRunner::execute(TCommonDialog& dialog)
{
    const std::string what = dialog.Title.empty() ? dialog.Name : dialog.Title;
    if (auto* open = dynamic_cast<TOpenDialog*>(&dialog)) {
        windows_.push_back(what);
        Answer a = take(Kind::File, what);
        if (!a.confirm)
            return false;
        // The screen's save dialog asks before it lets a person pick an existing file only when
        // told to; a save that replaces a file without that question loses what it held.
        std::error_code error;
        const bool replaces = open->saving() && std::filesystem::exists(a.match, error);
        if (replaces && open->OverwritePrompt && a.value != 0) {
            const std::string name = std::filesystem::path(a.match).filename().string();
            messages_.push_back(
                {what, "Soubor " + name + " již existuje.\nChcete jej nahradit?", MB_YESNO | MB_ICONWARNING});
            if (a.value != IDYES)
                return false;
        } else if (replaces && !open->OverwritePrompt && a.value == 0) {
            throw TestScriptFailure("the save dialog \"" + what + "\" replaces " + a.match +
                                    " without asking");
        }
        open->FileName = a.match;
        return true;
    }
    if (auto* print = dynamic_cast<TPrintDialog*>(&dialog)) {
        windows_.push_back(what);
        Answer a = take(Kind::Print, what);
        if (a.confirm)
            print->Copies = a.value;
        return a.confirm;
    }
    if (auto* colourDialog = dynamic_cast<TColorDialog*>(&dialog)) {
        windows_.push_back(what);
        Answer a = take(Kind::Colour, what);
        if (a.confirm)
            colourDialog->Color = a.value;
        return a.confirm;
    }
    throw TestScriptFailure("dialog of unknown kind: " + what);
}

TMenuItem* ScriptedRunner::popup(TPopupMenu& menu, int, int)
{
    Answer a = take(Kind::Popup, menu.Name);
    if (a.match.empty())
        return nullptr;
    TMenuItem* item = menu.Items.findByName(a.match);
    if (!item)
        throw TestScriptFailure("pop-up menu " + menu.Name + " has no item " + a.match);
    return item;
}

void ScriptedRunner::print(const PrintJob& job)
{
    printed_.push_back(job);
}

std::vector<std::string> ScriptedRunner::messageTexts() const
{
    std::vector<std::string> out;
    for (const Message& m : messages_)
        out.push_back(m.text);
    return out;
}

std::vector<std::string> ScriptedRunner::unusedAnswers() const
{
    std::vector<std::string> out;
    for (const Answer& a : answers_)
        out.push_back(std::string(kindName(a.kind)) + (a.match.empty() ? "" : " " + a.match));
    return out;
}

void ScriptedRunner::clearRecords()
{
    messages_.clear();
    printed_.clear();
    windows_.clear();
}
