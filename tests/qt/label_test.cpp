// Texts as the screen shows them: a label's line in its box, a button's caption, the month
// calendar's names.
#include "qt_fixture.h"
#include "system/datetime.h"
#include "toolkit/commonctrls.h"
#include "toolkit/form.h"
#include "toolkit/grid.h"
#include "toolkit/stdctrls.h"

#include <QCalendarWidget>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>

#include <vector>

namespace {

struct Window : TForm {
    Window() : TForm("pribuzniFORM")
    {
        SetBounds(0, 0, 360, 120);
        for (TLabel* l : {&heading, &count}) {
            l->AutoSize = false;
            l->Alignment = TLabel::taCenter;
        }
        heading.SetBounds(8, 10, 200, 13);
        heading.Caption = "Vyhledávání příbuzných k osobě Mountbatten Louise Alexandra, 1890 (2466)";
        count.SetBounds(8, 40, 200, 13);
        count.Caption = "Počet nalezených osob: 4";
    }
    TLabel heading{this, "heading"};
    TLabel count{this, "count"};
};

class LabelLines : public QtTest {
protected:
    Window w;
};

TEST_F(LabelLines, ACentredLineTooWideForItsBoxKeepsItsBeginningInSight)
{
    show(w);
    EXPECT_EQ(widget<QLabel>(w, "heading")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_EQ(widget<QLabel>(w, "count")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    // A shorter text later is centred again.
    w.heading.Caption = "Vyhledávání";
    syncAll();
    EXPECT_EQ(widget<QLabel>(w, "heading")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

TEST_F(LabelLines, ALineTooWideForItsBoxEndsInAnEllipsisWithTheWholeTextInItsTooltip)
{
    std::string name;
    for (int i = 0; i < 30; ++i)
        name += "Marie Terezie Walburga ";
    w.heading.Caption = "Vyhledávání příbuzných k osobě " + name + "(2466)";
    show(w);
    auto* heading = widget<QLabel>(w, "heading");
    EXPECT_TRUE(heading->text().endsWith(QChar(0x2026)));
    EXPECT_LE(QFontMetrics(heading->font()).horizontalAdvance(heading->text()), w.heading.Width);
    // The tooltip holds the whole text, wrapped to lines the screen holds.
    QLabel* tip = restMouse(heading, QPoint(5, 5));
    ASSERT_NE(tip, nullptr);
    EXPECT_TRUE(tip->text().contains("(2466)"));
    EXPECT_TRUE(QGuiApplication::primaryScreen()->geometry().contains(tip->frameGeometry()))
        << tip->frameGeometry().width();
    // A line that fits is shown whole, with no tooltip.
    EXPECT_EQ(widget<QLabel>(w, "count")->text().toStdString(), "Počet nalezených osob: 4");
    EXPECT_TRUE(widget<QLabel>(w, "count")->toolTip().isEmpty());
}

// A list the program draws row by row, as the person list: the hint of the row under the mouse.
struct DrawnList : TForm {
    DrawnList() : TForm("hlavni")
    {
        SetBounds(0, 0, 300, 200);
        rows.SetBounds(8, 8, 200, 150);
        rows.OnMouseMove = [this](TShiftState, int, int y) {
            rows.Hint = y < 15 ? "Dvořáková Kateřina Marie Terezie, 1890 (12)" : "";
            rows.ShowHint = !rows.Hint.empty();
        };
    }
    TDrawGrid rows{this, "scrolling"};
};

TEST_F(LabelLines, ARowOfADrawnListShowsTheHintOfWhereTheMouseRestsAndNoOtherRows)
{
    DrawnList list;
    show(list);
    QWidget* rows = widget<QWidget>(list, "scrolling");
    QTest::mouseMove(rows, QPoint(20, 5));
    QPointer<QLabel> tip = restMouse(rows, QPoint(20, 5));
    ASSERT_NE(tip, nullptr);
    EXPECT_TRUE(tip->text().contains("Dvořáková Kateřina Marie Terezie, 1890 (12)"));
    QTest::mouseMove(rows, QPoint(20, 40));
    EXPECT_TRUE(QTest::qWaitFor([&tip] { return !tip || !tip->isVisible(); }, 2000));
    EXPECT_TRUE(rows->toolTip().isEmpty());
}

struct SiblingWindow : TForm {
    SiblingWindow() : TForm("sourozenciCreate")
    {
        SetBounds(0, 0, 389, 82);
        father.SetBounds(12, 40, 115, 25);
        father.Caption = "Společného otce";
        both.SetBounds(262, 40, 115, 25);
        both.Caption = "Společné oba rodiče";
    }
    TButton father{this, "otceBT"};
    TButton both{this, "obaRodiceBT"};
};

TEST(ButtonCaptions, ACaptionWiderThanItsButtonIsShownSmallerToFitAndAShortOneKeepsItsSize)
{
    SiblingWindow w;
    QtRenderer renderer;
    w.Show();
    renderer.syncAll();
    auto* both = renderer.window(w)->findChild<QPushButton*>("obaRodiceBT");
    auto* father = renderer.window(w)->findChild<QPushButton*>("otceBT");
    ASSERT_NE(both, nullptr);
    ASSERT_NE(father, nullptr);
    EXPECT_LE(QFontMetrics(both->font()).horizontalAdvance(both->text()), w.both.Width - 8);
    EXPECT_LT(both->font().pointSizeF(), 8.0);
    EXPECT_EQ(father->font().pointSizeF(), 8.0);
    w.Hide();
}

TEST(ButtonCaptions, TheDefaultFrameIsOnTheButtonEnterPresses)
{
    SiblingWindow w;
    w.both.Default = true;
    QtRenderer renderer;
    w.Show();
    auto* both = renderer.window(w)->findChild<QPushButton*>("obaRodiceBT");
    auto* father = renderer.window(w)->findChild<QPushButton*>("otceBT");
    ASSERT_NE(both, nullptr);
    ASSERT_NE(father, nullptr);
    w.father.SetFocus(); // the window opened with the focus on its first button
    renderer.syncAll();
    EXPECT_TRUE(father->isDefault());
    EXPECT_FALSE(both->isDefault());
    w.focusControl(nullptr);
    renderer.syncAll();
    EXPECT_FALSE(father->isDefault());
    EXPECT_TRUE(both->isDefault());
    w.Hide();
}

struct CalendarWindow : TForm {
    CalendarWindow() : TForm("vyrociFORM")
    {
        SetBounds(0, 0, 300, 220);
        calendar.SetBounds(8, 8, 260, 180);
    }
    TMonthCalendar calendar{this, "calendar"};
};

TEST(CalendarNames, TheMonthCalendarNamesMonthsAndDaysInCzech)
{
    CalendarWindow w;
    QtRenderer renderer;
    w.Show();
    auto* calendar = renderer.window(w)->findChild<QCalendarWidget*>("calendar");
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(calendar->locale().standaloneMonthName(12, QLocale::LongFormat).toStdString(), "prosinec");
    EXPECT_EQ(calendar->locale().dayName(1, QLocale::ShortFormat).toStdString(), "po");
    EXPECT_EQ(calendar->firstDayOfWeek(), Qt::Monday);
    w.Hide();
}

// What the picked date decides (the anniversaries of its month) follows the month the arrows
// turn to, as a click on a day does.
TEST(CalendarNames, TurningTheMonthPicksTheSameDayOfTheMonthShown)
{
    CalendarWindow w;
    int clicks = 0;
    w.calendar.OnClick = [&] { ++clicks; };
    w.calendar.setDate(encodeDate(2026, 1, 31));
    QtRenderer renderer;
    w.Show();
    renderer.syncAll();
    auto* next = renderer.window(w)->findChild<QToolButton*>("qt_calendar_nextmonth");
    ASSERT_NE(next, nullptr);
    QTest::mouseClick(next, Qt::LeftButton);
    int y = 0, m = 0, d = 0;
    decodeDate(w.calendar.Date(), y, m, d);
    EXPECT_EQ((std::vector<int>{y, m, d}), (std::vector<int>{2026, 2, 28}));
    EXPECT_EQ(clicks, 1);
    w.Hide();
}

} // namespace
