// Where the keyboard goes on the screen when the toolkit's focus moves: to a widget that shows
// the focus, never to a frame around others.
#include "qt_fixture.h"
#include "toolkit/form.h"
#include "toolkit/stdctrls.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {

struct Window : TForm {
    Window() : TForm("okno")
    {
        SetBounds(0, 0, 400, 200);
        memo.SetBounds(10, 10, 200, 60);
        order.SetBounds(10, 80, 300, 40);
        order.Columns = 3;
        for (const char* item : {"Jmen", "Naroz.", "ID"})
            order.Items.Add(item);
        place.SetBounds(10, 130, 200, 24);
    }
    TMemo memo{this, "memo"};
    TRadioGroup order{this, "setrid"};
    TComboBox place{this, "place"};
};

class WidgetFocus : public QtTest {
protected:
    Window w;
};

TEST_F(WidgetFocus, TabIntoARadioGroupFocusesItsChosenButton)
{
    w.order.setItemIndex(1);
    show(w);
    w.memo.SetFocus();
    syncAll();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(w.order.Focused());
    auto* focused = qobject_cast<QRadioButton*>(QApplication::focusWidget());
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(focused->text().toStdString(), "Naroz.");
    QTest::keyClick(focused, Qt::Key_Tab);
    EXPECT_TRUE(w.place.Focused());
    // An editable combo box keeps the keyboard itself and hands it to its edit line.
    EXPECT_EQ(QApplication::focusWidget(), widget<QComboBox>(w, "place"));
    EXPECT_TRUE(widget<QComboBox>(w, "place")->lineEdit()->hasFocus());
}

TEST_F(WidgetFocus, ARadioGroupWithNoChoiceFocusesItsFirstButton)
{
    show(w);
    w.order.SetFocus();
    syncAll();
    auto* focused = qobject_cast<QRadioButton*>(QApplication::focusWidget());
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(focused->text().toStdString(), "Jmen");
}

} // namespace

namespace {

// A box that gets its items when it is entered, as the parent boxes of the person editor do.
TEST_F(WidgetFocus, AComboBoxListOpensWithTheItemsItsEntryFilled)
{
    w.place.Style = TComboBox::csDropDownList;
    w.place.Items.Add("jen jeden");
    w.place.OnEnter = [this] {
        w.place.Items.Clear();
        for (const char* item : {"první", "druhý", "třetí"})
            w.place.Items.Add(item);
    };
    show(w);
    w.memo.SetFocus();
    syncAll();
    auto* box = widget<QComboBox>(w, "place");
    box->showPopup();
    EXPECT_TRUE(w.place.Focused());
    EXPECT_EQ(box->count(), 3);
    box->hidePopup();
}

} // namespace

namespace {

// A menu command that puts the caret into a field: when the menu closes, Qt gives the focus back
// to the widget it remembers, and that must not undo the command's move.
TEST_F(WidgetFocus, FocusQtHandsBackAfterAMenuLeavesTheProgramsFocus)
{
    show(w);
    w.memo.SetFocus();
    syncAll();
    auto* memo = QApplication::focusWidget();
    ASSERT_NE(memo, nullptr);
    w.place.SetFocus(); // what the command did while its menu was open
    QFocusEvent back(QEvent::FocusIn, Qt::PopupFocusReason);
    QApplication::sendEvent(memo, &back);
    EXPECT_TRUE(w.place.Focused());
    QTest::qWait(10); // the queued sync puts Qt's focus where the program's is
    EXPECT_EQ(QApplication::focusWidget(), widget<QComboBox>(w, "place"));
}

TEST_F(WidgetFocus, TheKeyboardComesBackToTheWindowAfterAMessageIsAnswered)
{
    show(w);
    w.place.SetFocus();
    syncAll();
    QWidget* window = renderer().window(w);
    ASSERT_EQ(QApplication::activeWindow(), window);
    auto answer = [this](const char* question) {
        QTimer::singleShot(50, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->accept();
        });
        renderer().messageBox(question, "Kinvelor", 0);
    };
    // Two questions one after the other, as creating a child asks them.
    answer("Přejete si vytvořit dítě aktuální osoby?");
    answer("Druhým rodičem dítěte má být Šťastný Jiří, ? (3)?");
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window; }, 500));
    EXPECT_EQ(QApplication::focusWidget(), widget<QComboBox>(w, "place"));
}

} // namespace

namespace {

struct TitleWindow : TForm {
    TitleWindow() : TForm("titles")
    {
        SetBounds(0, 0, 400, 200);
        before.SetBounds(10, 10, 150, 24);
        after.SetBounds(10, 60, 150, 24);
        for (TComboBox* c : {&before, &after}) {
            c->setSorted(true);
            for (const char* t : {"Bc.", "CSc.", "Ing.", "Ing.arch.", "Ph.D."})
                c->Items.Add(t);
        }
    }
    TComboBox before{this, "before"};
    TComboBox after{this, "after"};
};

class TitleBoxes : public QtTest {
protected:
    TitleWindow w;
};

// Qt takes leaving an editable box whose text names one of its items for a choice of that item;
// the click that left the box must still move the focus, whatever was typed.
TEST_F(TitleBoxes, AClickLeavesABoxWhoseTextNamesOneOfItsItems)
{
    show(w);
    w.before.SetFocus();
    syncAll();
    QTest::keyClicks(QApplication::focusWidget(), "Ing.");
    auto* after = widget<QComboBox>(w, "after");
    QTest::mouseClick(after->lineEdit(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(w.after.Focused());
    QTest::keyClicks(QApplication::focusWidget(), "CSc.");
    EXPECT_EQ(w.before.Text(), "Ing.");
    EXPECT_EQ(w.after.Text(), "CSc.");

    // A choice from the list still reaches the box.
    int changes = 0;
    w.after.OnChange = [&] { ++changes; };
    after->showPopup();
    QAbstractItemView* view = after->view();
    const QModelIndex phd = view->model()->index(4, 0);
    view->setCurrentIndex(phd);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(phd).center());
    EXPECT_EQ(w.after.Text(), "Ph.D.");
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(w.after.Focused());
}

} // namespace
