// A divider dragged with the mouse tells its owner how far it went, once, at the release.
#include "qt_fixture.h"
#include "toolkit/form.h"
#include "toolkit/splitter.h"

#include <QTest>

namespace {

struct Window : TForm {
    Window() : TForm("okno")
    {
        SetBounds(0, 0, 400, 200);
        divider.SetBounds(100, 0, 5, 200);
    }
    TSplitter divider{this, "divider"};
};

class Divider : public QtTest { };

TEST_F(Divider, ADragReportsItsDistanceOnceAtTheRelease)
{
    Window w;
    std::vector<int> moves;
    w.divider.OnMoved = [&moves](int dx) { moves.push_back(dx); };
    show(w);
    QWidget* bar = widget<QWidget>(w, "divider");
    ASSERT_NE(bar, nullptr);
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(2, 50));
    QTest::mouseMove(bar, QPoint(40, 50));
    EXPECT_TRUE(moves.empty());
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(62, 50));
    EXPECT_EQ(moves, std::vector<int>{60});
    // A click without a drag moves nothing.
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(2, 50));
    EXPECT_EQ(moves, std::vector<int>{60});
}

} // namespace
