#include "shell/wait_window.h"

#include "toolkit/commonctrls.h"
#include "toolkit/form.h"

#include <cstdint>

int wrappedProgress(int position, int step, int maximum)
{
    const int64_t span = int64_t(maximum) + 1;
    if (span <= 0)
        return 0;
    int64_t p = (int64_t(position) + step) % span;
    if (p < 0)
        p += span;
    return static_cast<int>(p);
}

namespace {

// The least time between two paints of the bar.
constexpr auto paintInterval = std::chrono::milliseconds(40);

} // namespace

void WaitWindow::show()
{
    position_ = 0;
    if (bar_) {
        bar_->setPosition(0);
        painted_ = std::chrono::steady_clock::now();
    }
    if (window_)
        window_->Show();
}

void WaitWindow::advance(int step)
{
    const int maximum = bar_ ? bar_->Max : 100;
    position_ = wrappedProgress(position(), step, maximum);
    if (!bar_)
        return;
    bar_->movePosition(position_);
    const auto now = std::chrono::steady_clock::now();
    if (now - painted_ >= paintInterval) {
        painted_ = now;
        bar_->Repaint();
    }
}

void WaitWindow::hide()
{
    if (window_)
        window_->Hide();
}

int WaitWindow::position() const
{
    return bar_ ? bar_->Position() : position_;
}
