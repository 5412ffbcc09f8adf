#pragma once
// The application object (title, windows, exception display, runner), the screen and timers.
#include "toolkit/control.h"
#include "toolkit/runner.h"

#include <exception>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

class TForm;

// A failure of a test script (a dialog nobody scripted, an answer of the wrong kind). The
// dispatcher never swallows it, so it ends the test that caused it.
class TestScriptFailure : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

class TApplication {
public:
    std::string Title;
    TForm* MainForm = nullptr;
    bool Terminated = false;
    // Replaces the standard exception display when set.
    std::function<void(const std::exception&)> OnException;

    // Registers a window created at start; the first becomes the main window. Fires OnCreate.
    void CreateForm(TForm& form);
    void removeForm(TForm& form);
    const std::vector<TForm*>& forms() const { return forms_; }

    // The standard exception display: a message box with the exception's text.
    void ShowException(const std::exception& e);
    // Runs `action` as the dispatcher runs a handler: an exception that escapes it is shown
    // and swallowed; the program goes on.
    void guarded(const std::function<void()>& action);

    // A message box; an empty caption means the application title. Once the program is ending
    // (Terminate) the text goes to standard error instead, answered as a box closed unanswered.
    int MessageBox(const std::string& text, const std::string& caption = {}, int flags = 0);
    void Terminate();

    ModalRunner& runner();
    // Installs a runner (nullptr: none, so every dialog fails with its caption).
    void setRunner(ModalRunner* runner) { runner_ = runner; }
    ModalRunner* installedRunner() const { return runner_; }
    RenderHost* host() const { return host_; }
    void setHost(RenderHost* host) { host_ = host; }

    // The window that has the keyboard. Activating another fires its OnActivate.
    TForm* activeForm() const { return active_; }
    void activate(TForm* form);
    void deactivate() { active_ = nullptr; }

    // Forgets windows, runner, host and state between tests.
    void reset();

private:
    std::vector<TForm*> forms_;
    ModalRunner* runner_ = nullptr;
    RenderHost* host_ = nullptr;
    TForm* active_ = nullptr;
};

extern TApplication Application;

// A timer: OnTimer every Interval milliseconds while Enabled. The renderer runs it; tests call
// fire() by hand.
class TTimer : public TComponent {
public:
    explicit TTimer(std::string name = "Timer1");
    ~TTimer() override;
    int Interval() const { return interval_; }
    void setInterval(int ms);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    TNotifyEvent OnTimer;
    // One tick, as the renderer delivers it: OnTimer when enabled, guarded like any handler.
    void fire();

private:
    int interval_ = 1000;
    bool enabled_ = true;
};
