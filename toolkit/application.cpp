#include "toolkit/application.h"

#include "toolkit/dialogs.h"
#include "toolkit/form.h"

#include <algorithm>
#include <cstdio>

TApplication Application;

namespace {
// With no runner installed every dialog is one nobody answers.
class NoRunner : public ModalRunner {
public:
    void runModal(TForm& form) override { fail(form.Caption.empty() ? form.Name : form.Caption); }
    int messageBox(const std::string& text, const std::string& caption, int) override
    {
        fail(caption + ": " + text);
    }
    bool execute(TCommonDialog& dialog) override { fail(dialog.Title.empty() ? dialog.Name : dialog.Title); }
    TMenuItem* popup(TPopupMenu&, int, int) override { fail("pop-up menu"); }
    void print(const PrintJob& job) override { fail("print " + job.title); }

private:
    [[noreturn]] static void fail(const std::string& what)
    {
        throw TestScriptFailure("dialog shown with no runner installed: \"" + what + "\"");
    }
};
NoRunner noRunner;
} // namespace

void TApplication::CreateForm(TForm& form)
{
    if (std::find(forms_.begin(), forms_.end(), &form) == forms_.end())
        forms_.push_back(&form);
    if (!MainForm)
        MainForm = &form;
    if (form.OnCreate)
        form.OnCreate();
}

void TApplication::removeForm(TForm& form)
{
    forms_.erase(std::remove(forms_.begin(), forms_.end(), &form), forms_.end());
    if (MainForm == &form)
        MainForm = nullptr;
    if (active_ == &form)
        active_ = nullptr;
}

void TApplication::ShowException(const std::exception& e)
{
    if (OnException) {
        OnException(e);
        return;
    }
    MessageBox(e.what(), Title, MB_OK | MB_ICONERROR);
}

void TApplication::guarded(const std::function<void()>& action)
{
    try {
        action();
    } catch (const TestScriptFailure&) {
        throw;
    } catch (const std::exception& e) {
        ShowException(e);
    }
}

namespace {
// The answer of a box closed without a button: cancel where it has one, else no, else OK.
int unansweredResult(int flags)
{
    switch (flags & 0xF) {
    case MB_OKCANCEL:
    case MB_YESNOCANCEL:
    case MB_RETRYCANCEL:
        return IDCANCEL;
    case MB_YESNO:
        return IDNO;
    case MB_ABORTRETRYIGNORE:
        return IDABORT;
    default:
        return IDOK;
    }
}
} // namespace

int TApplication::MessageBox(const std::string& text, const std::string& caption, int flags)
{
    const std::string& title = caption.empty() ? Title : caption;
    // Ending on a signal (a logout, Ctrl+C): nobody is there to answer, and a box would keep the
    // close waiting for good. What it says goes to standard error and the close goes on.
    if (Terminated) {
        std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
        return unansweredResult(flags);
    }
    return runner().messageBox(text, title, flags);
}

void TApplication::Terminate()
{
    Terminated = true;
    if (host_)
        host_->terminate();
}

ModalRunner& TApplication::runner()
{
    return runner_ ? *runner_ : noRunner;
}

void TApplication::activate(TForm* form)
{
    if (form == active_)
        return;
    active_ = form;
    if (form && form->OnActivate)
        form->OnActivate();
}

void TApplication::reset()
{
    forms_.clear();
    MainForm = nullptr;
    Terminated = false;
    OnException = nullptr;
    runner_ = nullptr;
    host_ = nullptr;
    active_ = nullptr;
    Title.clear();
}

void ShowMessage(const std::string& text)
{
    Application.MessageBox(text, Application.Title, MB_OK | MB_ICONINFORMATION);
}

TTimer::TTimer(std::string name) : TComponent(std::move(name)) { }

TTimer::~TTimer()
{
    enabled_ = false;
    if (RenderHost* h = Application.host())
        h->timerChanged(*this);
}

void TTimer::setInterval(int ms)
{
    interval_ = ms;
    if (RenderHost* h = Application.host())
        h->timerChanged(*this);
}

void TTimer::setEnabled(bool enabled)
{
    enabled_ = enabled;
    if (RenderHost* h = Application.host())
        h->timerChanged(*this);
}

void TTimer::fire()
{
    if (enabled_ && interval_ > 0 && OnTimer)
        Application.guarded(OnTimer);
}
