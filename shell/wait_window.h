#pragma once
// The wait window's behaviour. Long operations on a whole tree step its bar by a fixed amount
// per unit of work (storage reports its work through TreeProgress); the bar measures nothing, it wraps round past its maximum to show that work
// goes on. The operations never pump window messages; the bar is painted at once when it moves,
// but not more often than a screen shows it: a big tree steps it once per person, and painting it
// 100,000 times would take longer than the work it accompanies.
#include "storage/tree_progress.h"

#include <chrono>

class TForm;
class TProgressBar;

// (position + step) modulo (maximum + 1), never negative; 100 + 1 gives 0, 0 + 205 gives 3.
int wrappedProgress(int position, int step, int maximum);

class WaitWindow final : public TreeProgress {
public:
    // No window: the operations only keep the position (tests, work run without a screen).
    WaitWindow() = default;
    // The window and its bar (the wait window's form and waitBAR); both outlive this object.
    WaitWindow(TForm& window, TProgressBar& bar) : window_(&window), bar_(&bar) { }

    // Bar at 0, then the window shown (not modal).
    void show();
    // Moves the bar on by `step`, wrapping past the maximum.
    void advance(int step) override;
    void hide();
    int position() const;
    // Whether this drives that window.
    bool drives(const TForm& window) const { return window_ == &window; }

private:
    TForm* window_ = nullptr;
    TProgressBar* bar_ = nullptr;
    int position_ = 0;
    std::chrono::steady_clock::time_point painted_{};
};

// Shows the wait window of `window` (whatever offers showWaitWindow and hideWaitWindow: the main
// window, or a port of it) while it lives and hides it at the end, also when an exception passes.
template<class Window> class WaitShown {
public:
    explicit WaitShown(Window& window) : window_(window) { window_.showWaitWindow(); }
    ~WaitShown() { window_.hideWaitWindow(); }
    WaitShown(const WaitShown&) = delete;
    WaitShown& operator=(const WaitShown&) = delete;

private:
    Window& window_;
};
