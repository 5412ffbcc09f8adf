#include "shell/wait_window.h"

#include "toolkit/application.h"
#include "toolkit/commonctrls.h"
#include "toolkit/form.h"
#include "toolkit/runner.h"

#include <chrono>

#include <gtest/gtest.h>

TEST(WaitWindow, TheBarWrapsPastItsMaximum)
{
    EXPECT_EQ(wrappedProgress(100, 1, 100), 0);
    EXPECT_EQ(wrappedProgress(98, 5, 100), 2);
    EXPECT_EQ(wrappedProgress(0, 205, 100), 3);
    EXPECT_EQ(wrappedProgress(99, 1, 100), 100);
    EXPECT_EQ(wrappedProgress(0, -1, 100), 100);
    EXPECT_EQ(wrappedProgress(50, 2147483647, 100), (50 + 2147483647LL) % 101);
}

TEST(WaitWindow, ShowStartsAtZeroEachTimeAndHideIsHarmlessTwice)
{
    Application.reset();
    {
        TForm form("cekejFORM");
        TProgressBar bar(&form, "waitBAR");
        WaitWindow wait(form, bar);
        wait.show();
        EXPECT_TRUE(form.Visible);
        for (int i = 0; i < 100; ++i)
            wait.advance(1);
        EXPECT_EQ(bar.Position(), 100);
        wait.advance(1);
        EXPECT_EQ(bar.Position(), 0);
        wait.advance(98);
        wait.advance(5);
        EXPECT_EQ(bar.Position(), 2);

        // Save As called from Save shows the window a second time: the bar starts again.
        wait.show();
        EXPECT_EQ(bar.Position(), 0);
        wait.hide();
        wait.hide();
        EXPECT_FALSE(form.Visible);
    }
    Application.reset();
}

TEST(WaitWindow, WithoutAWindowOnlyThePositionIsKept)
{
    WaitWindow wait;
    wait.show();
    wait.advance(100);
    wait.advance(1);
    EXPECT_EQ(wait.position(), 0);
    wait.hide();
}

namespace {

struct PaintCountingHost : RenderHost {
    int painted = 0;
    void invalidate(TControl&) override { }
    void repaintNow(TControl&) override { ++painted; }
    void timerChanged(TTimer&) override { }
    void formShown(TForm&) override { }
    void formHidden(TForm&) override { }
    void terminate() override { }
};

} // namespace

// Opening a big tree steps the bar once per person: it keeps every step, but is painted only as
// often as a person could see it move.
TEST(WaitWindow, StepsPerPersonPaintTheBarOnlyNowAndThen)
{
    Application.reset();
    PaintCountingHost host;
    Application.setHost(&host);
    {
        TForm form("cekejFORM");
        TProgressBar bar(&form, "waitBAR");
        WaitWindow wait(form, bar);
        wait.show();
        const int shown = host.painted;
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < 100000; ++i)
            wait.advance(1);
        const auto elapsed = std::chrono::steady_clock::now() - start;
        EXPECT_EQ(bar.Position(), 100000 % 101);
        EXPECT_LE(host.painted - shown, 2 + elapsed / std::chrono::milliseconds(40));
        wait.hide();
    }
    Application.reset();
}
