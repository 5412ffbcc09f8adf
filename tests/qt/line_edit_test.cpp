// A person editing one-line edits, editable combo boxes and memos on the real widgets: every
// key and click reaches the widget through Qt, and the control's Text, SelStart and SelLength
// must follow what the widget shows, with OnChange as the toolkit's event table says.
#include "qt_fixture.h"
#include "toolkit/commonctrls.h"
#include "toolkit/form.h"
#include "toolkit/keys.h"
#include "toolkit/qt/qt_renderer.h"
#include "toolkit/stdctrls.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <string>
#include <vector>

namespace {

struct Window : TForm {
    Window() : TForm("okno")
    {
        Caption = "Okno";
        SetBounds(0, 0, 400, 300);
        name.SetBounds(10, 10, 200, 24);
        author.SetBounds(10, 40, 200, 24);
        place.SetBounds(10, 70, 200, 24);
        memo.SetBounds(10, 100, 200, 80);
    }
    TEdit name{this, "jmenoED"};
    TEdit author{this, "autorED"};
    TComboBox place{this, "mistoCB"};
    TMemo memo{this, "poznamkaMEMO"};
};

class LineEditing : public QtTest {
protected:
    LineEditing()
    {
        w.name.setText("Rod Kolína");
        w.name.OnChange = [this] { changes.push_back(w.name.Text()); };
        w.place.Items.Add("Kolín");
        w.place.OnChange = [this] { changes.push_back(w.place.Text()); };
        show(w);
        line = widget<QLineEdit>(w, "jmenoED");
        combo = widget<QComboBox>(w, "mistoCB");
        QTest::mouseClick(line, Qt::LeftButton, {}, QPoint(2, line->height() / 2));
    }

    void keys(QWidget* target, const std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>>& presses)
    {
        for (auto [key, modifiers] : presses)
            QTest::keyClick(target, key, modifiers);
    }
    // The control's caret and selection as "start+length".
    template<class Control> static std::string sel(const Control& c)
    {
        return std::to_string(c.SelStart()) + "+" + std::to_string(c.SelLength());
    }

    Window w;
    QLineEdit* line = nullptr;
    QComboBox* combo = nullptr;
    std::vector<std::string> changes;
};

TEST_F(LineEditing, CaretKeysMoveWhereTheNextLetterGoes)
{
    ASSERT_TRUE(w.name.Focused());
    EXPECT_EQ(sel(w.name), "0+0");
    QTest::keyClick(line, Qt::Key_End);
    QTest::keyClicks(line, "a");
    QTest::keyClick(line, Qt::Key_Home);
    QTest::keyClicks(line, "Ten ");
    EXPECT_EQ(w.name.Text(), "Ten Rod Kolínaa");
    EXPECT_EQ(sel(w.name), "4+0");
    keys(line, {{Qt::Key_Right, {}}, {Qt::Key_Right, {}}, {Qt::Key_Left, {}}});
    QTest::keyClicks(line, "x");
    EXPECT_EQ(w.name.Text(), "Ten Rxod Kolínaa");
    QTest::keyClick(line, Qt::Key_Delete);
    EXPECT_EQ(w.name.Text(), "Ten Rxd Kolínaa");
    EXPECT_EQ(sel(w.name), "6+0");
    QTest::keyClick(line, Qt::Key_Backspace);
    EXPECT_EQ(w.name.Text(), "Ten Rd Kolínaa");
    EXPECT_EQ(line->text().toStdString(), w.name.Text());
    // One OnChange per typed letter and per deletion, each with the text as it then stood.
    EXPECT_EQ(changes, (std::vector<std::string>{"Rod Kolínaa", "TRod Kolínaa", "TeRod Kolínaa",
                                                 "TenRod Kolínaa", "Ten Rod Kolínaa", "Ten Rxod Kolínaa",
                                                 "Ten Rxd Kolínaa", "Ten Rd Kolínaa"}));
}

TEST_F(LineEditing, ALetterTypedBeforeTheSameLetterLandsAtTheCaret)
{
    w.name.setText("aa");
    syncAll();
    QTest::keyClick(line, Qt::Key_Home);
    QTest::keyClicks(line, "a");
    EXPECT_EQ(sel(w.name), "1+0");
    QTest::keyClick(line, Qt::Key_Delete);
    EXPECT_EQ(w.name.Text(), "aa");
    EXPECT_EQ(sel(w.name), "1+0");
    QTest::keyClicks(line, "b");
    EXPECT_EQ(w.name.Text(), "aba");
}

TEST_F(LineEditing, AClickInTheMiddlePlacesTheCaretThere)
{
    w.name.setText("abcdefghijkl");
    syncAll();
    // Somewhere after the sixth letter, whatever the style's margins.
    const int x = QFontMetrics(line->font()).horizontalAdvance("abcdef") + 4;
    QTest::mouseClick(line, Qt::LeftButton, {}, QPoint(x, line->height() / 2));
    const int at = w.name.SelStart();
    EXPECT_GT(at, 3);
    EXPECT_LT(at, 9);
    QTest::keyClicks(line, "-");
    std::string expected = "abcdefghijkl";
    expected.insert(static_cast<size_t>(at), "-");
    EXPECT_EQ(w.name.Text(), expected);
}

TEST_F(LineEditing, SelectionsAreTheControlsAndTypingReplacesThem)
{
    QTest::keyClick(line, Qt::Key_End);
    QTest::keyClick(line, Qt::Key_Home, Qt::ShiftModifier);
    EXPECT_EQ(sel(w.name), "0+10");
    QTest::keyClick(line, Qt::Key_Right);
    keys(line, {{Qt::Key_Right, Qt::ShiftModifier}, {Qt::Key_Right, Qt::ShiftModifier}});
    EXPECT_EQ(w.name.SelText(), "od");
    // A letter with no key of its own on the test's keyboard.
    QTest::sendKeyEvent(QTest::Press, line, Qt::Key_unknown, QStringLiteral("ů"), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, line, Qt::Key_unknown, QStringLiteral("ů"), Qt::NoModifier);
    EXPECT_EQ(w.name.Text(), "Rů Kolína");
    QTest::keyClick(line, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(sel(w.name), "0+9");
    QTest::keyClicks(line, "N");
    EXPECT_EQ(w.name.Text(), "N");
    EXPECT_EQ(changes.back(), "N");
}

TEST_F(LineEditing, CopyCutAndPasteGoThroughTheControl)
{
    QTest::keyClick(line, Qt::Key_End);
    keys(line, {{Qt::Key_Left, Qt::ShiftModifier | Qt::ControlModifier}});
    EXPECT_EQ(w.name.SelText(), "Kolína");
    QTest::keyClick(line, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(w.name.Text(), "Rod ");
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "Kolína");
    QTest::keyClick(line, Qt::Key_Home);
    QTest::keyClick(line, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.name.Text(), "KolínaRod ");
    EXPECT_EQ(sel(w.name), "6+0");
    QTest::keyClick(line, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(line, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "KolínaRod ");
}

TEST_F(LineEditing, ACodeChangeShowsAndPutsTheCaretWhereTheControlHasIt)
{
    w.name.setText("Nový název");
    w.name.setSelStart(5);
    w.name.setSelLength(5);
    syncAll();
    EXPECT_EQ(line->text().toStdString(), "Nový název");
    EXPECT_EQ(line->selectedText().toStdString(), "název");
    QTest::keyClicks(line, "rod");
    EXPECT_EQ(w.name.Text(), "Nový rod");
}

TEST_F(LineEditing, MaxLengthHoldsAndTheCaretStays)
{
    w.name.MaxLength = 12;
    syncAll();
    QTest::keyClick(line, Qt::Key_Right);
    QTest::keyClicks(line, "xyz");
    EXPECT_EQ(w.name.Text(), "Rxyod Kolína");
    EXPECT_EQ(sel(w.name), "3+0");
    EXPECT_EQ(line->cursorPosition(), 3);
}

TEST_F(LineEditing, KeysTheProgramHandlesStillReachIt)
{
    std::vector<int> seen;
    w.name.OnKeyDown = [&](int& key, TShiftState) {
        seen.push_back(key);
        if (key == VK_RETURN) {
            key = 0;
            w.author.SetFocus();
        }
        if (key == VK_F9) {
            key = 0;
            w.name.setSelText("[F9]");
        }
    };
    QTest::keyClick(line, Qt::Key_End);
    QTest::keyClick(line, Qt::Key_F9);
    EXPECT_EQ(w.name.Text(), "Rod Kolína[F9]");
    EXPECT_EQ(line->text().toStdString(), "Rod Kolína[F9]");
    QTest::keyClick(line, Qt::Key_Return);
    EXPECT_TRUE(w.author.Focused());
    EXPECT_EQ(seen, (std::vector<int>{VK_END, VK_F9, VK_RETURN}));
    EXPECT_EQ(QApplication::focusWidget(), widget<QLineEdit>(w, "autorED"));
}

TEST_F(LineEditing, TheEditPartOfAComboBoxEditsInTheMiddle)
{
    QLineEdit* edit = combo->lineEdit();
    ASSERT_NE(edit, nullptr);
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(2, edit->height() / 2));
    ASSERT_TRUE(w.place.Focused());
    QTest::keyClick(edit, Qt::Key_Down); // picks the first item
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClicks(edit, "Novy ");
    EXPECT_EQ(w.place.Text(), "Novy Kolín");
    QTest::keyClick(edit, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(sel(w.place), "4+1");
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(w.place.Text(), "NovyKolín");
    EXPECT_EQ(changes.back(), "NovyKolín");
    EXPECT_EQ(w.place.ItemIndex(), -1);
}

TEST_F(LineEditing, AMemoTakesTypingAtTheCaretBetweenLines)
{
    auto* memo = widget<QPlainTextEdit>(w, "poznamkaMEMO");
    w.memo.setText("první\r\ndruhý");
    syncAll();
    QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, QPoint(4, 4));
    ASSERT_TRUE(w.memo.Focused());
    keys(memo, {{Qt::Key_Down, {}}, {Qt::Key_Home, {}}});
    QTest::keyClicks(memo, "d");
    EXPECT_EQ(w.memo.Text(), "první\r\nddruhý");
    EXPECT_EQ(sel(w.memo), "8+0");
}

} // namespace
