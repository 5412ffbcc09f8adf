// After every event the widgets follow their controls: what changed reaches them, what did not
// leaves them alone (a widget handed its unchanged state again repaints for nothing).
#include "qt_fixture.h"
#include "toolkit/form.h"
#include "toolkit/lists.h"
#include "toolkit/stdctrls.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

#include <map>
#include <string>

namespace {

struct Window : TForm {
    Window() : TForm("okno")
    {
        SetBounds(0, 0, 400, 300);
        heading.SetBounds(10, 10, 200, 13);
        heading.Caption = "Novák Jan, 1890";
        panel.SetBounds(10, 30, 200, 30);
        surnames.SetBounds(10, 70, 200, 21);
        surnames.Items.Add("Novák");
        persons.SetBounds(10, 100, 200, 80);
        persons.Items.Add("Jan");
        persons.Items.Add("Eva");
        note.SetBounds(10, 190, 200, 60);
        note.Lines.Add("Narozen v Praze");
    }
    TLabel heading{this, "heading"};
    TPanel panel{this, "panel"};
    TComboBox surnames{this, "surnames"};
    TCheckListBox persons{this, "persons"};
    TMemo note{this, "note"};
};

// Counts the paints of every named widget.
class Paints : public QObject {
public:
    std::map<std::string, int> counted;

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !object->objectName().isEmpty())
            ++counted[object->objectName().toStdString()];
        return false;
    }
};

class Sync : public QtTest {
protected:
    Window w;
};

TEST_F(Sync, OnlyWhatChangedReachesTheWidgets)
{
    show(w);
    QTest::qWait(20);
    Paints paints;
    qApp->installEventFilter(&paints);
    syncAll();
    QTest::qWait(20);
    qApp->removeEventFilter(&paints);
    EXPECT_EQ(paints.counted, (std::map<std::string, int>{}));

    // Lines handed over whole from another list, a tick set without a change event, a memo's text
    // and a caption: each is shown after the next sync.
    const TStringList others{"Dvořák", "Svoboda"};
    w.surnames.Items = others;
    w.persons.setChecked(0, true);
    w.note.Lines.setText("Zemřel v Brně");
    w.heading.Caption = "Dvořák Jan, 1890";
    syncAll();
    auto* surnames = widget<QComboBox>(w, "surnames");
    ASSERT_EQ(surnames->count(), 2);
    EXPECT_EQ(surnames->itemText(1), "Svoboda");
    EXPECT_EQ(widget<QListWidget>(w, "persons")->item(0)->checkState(), Qt::Checked);
    EXPECT_EQ(widget<QPlainTextEdit>(w, "note")->toPlainText(), "Zemřel v Brně");
    EXPECT_EQ(widget<QLabel>(w, "heading")->text(), "Dvořák Jan, 1890");
}

} // namespace
