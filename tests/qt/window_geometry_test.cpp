// Where windows open and how they size: wholly inside the screen's available area, never
// smaller than their layout, the client area right under the menu bar however large.
#include "qt_fixture.h"
#include "toolkit/application.h"
#include "toolkit/form.h"
#include "toolkit/menus.h"
#include "toolkit/stdctrls.h"
#include "toolkit/useractions.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTest>

namespace {

struct MainWindow : TForm {
    MainWindow() : TForm("hlavni")
    {
        SetBounds(0, 0, 500, 300);
        Position = TPosition::poScreenCenter;
        Menu = &menu;
        grow.Caption = "Větší";
        grow.SetBounds(10, 10, 80, 24);
    }
    TMainMenu menu{"menu"};
    TMenuItem file{menu.Items, "Lipoveta1", "Lipoveta"};
    TMenuItem quit{file, "Konec1", "Konec"};
    TButton grow{this, "grow"};
};

struct Dialog : TForm {
    Dialog() : TForm("dialog")
    {
        BorderStyle = TFormBorderStyle::bsDialog;
        SetBounds(0, 0, 300, 200);
    }
};

class WindowGeometry : public QtTest {
protected:
    static QRect available() { return QGuiApplication::primaryScreen()->availableGeometry(); }
    static bool inside(QWidget* window)
    {
        return available().contains(window->frameGeometry()) && available().contains(window->geometry());
    }
};

TEST_F(WindowGeometry, AWindowGrownByTheProgramStaysOnTheScreen)
{
    MainWindow w;
    w.grow.OnClick = [&w] { w.Height = available().height() - 120; };
    show(w);
    QWidget* window = renderer().window(w);
    EXPECT_TRUE(inside(window));
    user::click(w.grow);
    syncAll();
    QTest::qWait(20);
    EXPECT_TRUE(inside(window)) << window->geometry().bottom() << " > " << available().bottom();
}

TEST_F(WindowGeometry, AWindowTheProgramResizesFollowsBothWaysWithNoEmptyStrip)
{
    MainWindow w;
    show(w);
    QWidget* window = renderer().window(w);
    const int chrome = window->height() - w.Height; // the menu bar
    for (int width : {700, 560, 420}) {
        w.Width = width;
        w.Height = width / 2;
        syncAll();
        QTest::qWait(20);
        EXPECT_EQ(window->size(), QSize(width, width / 2 + chrome));
        EXPECT_TRUE(inside(window));
    }
}

TEST_F(WindowGeometry, ADialogPlacedOffTheScreenOpensInsideIt)
{
    Dialog d;
    d.Left = available().right() - 100;
    d.Top = available().bottom() - 50;
    show(d);
    EXPECT_TRUE(inside(renderer().window(d)));
}

TEST_F(WindowGeometry, ASizeableWindowGrowsButNotBelowItsLayoutAndKeepsTheClientUnderTheMenu)
{
    MainWindow w;
    show(w);
    QWidget* window = renderer().window(w);
    auto* bar = window->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    QWidget* client = window->findChild<QWidget*>("grow")->parentWidget();
    const QSize layout = window->size();

    window->resize(layout.width() + 200, layout.height() + 150);
    QTest::qWait(20);
    EXPECT_EQ(window->size(), QSize(layout.width() + 200, layout.height() + 150));
    EXPECT_EQ(client->geometry().topLeft(), QPoint(0, bar->geometry().bottom() + 1));

    window->resize(100, 100);
    QTest::qWait(20);
    EXPECT_GE(window->width(), layout.width());
    EXPECT_GE(window->height(), layout.height());
    EXPECT_EQ(client->geometry().topLeft(), QPoint(0, bar->geometry().bottom() + 1));
}

TEST_F(WindowGeometry, ADialogKeepsItsSize)
{
    Dialog d;
    show(d);
    QWidget* window = renderer().window(d);
    const QSize layout = window->size();
    window->resize(layout.width() + 100, layout.height() + 100);
    QTest::qWait(20);
    EXPECT_EQ(window->size(), layout);
}

} // namespace
