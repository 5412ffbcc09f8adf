// Undo and redo of what a person writes into the memos of the person pages, clicked and typed
// on the program's real main window: one step per change in the person it was made in, whether
// the caret stayed in the memo or not, and the caret where the change was afterwards.
#include "editor_on_screen.h"
#include "model/clovek.h"

#include <QComboBox>
#include <QLineEdit>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

struct MemoUndo : EditorOnScreen {
    TMemo& texts() { return hl().editor.doplnujiciSheet.doplnujiciTextyMEMO; }
    QPlainTextEdit* textsWidget() { return widget<QPlainTextEdit>("doplnujiciTextyMEMO"); }
    // Where the caret stands in the memo's widget, in letters of its text (line ends one each).
    int caret(const char* memo) { return widget<QPlainTextEdit>(memo)->textCursor().position(); }
    void undo() { press(Qt::Key_Z, Qt::ControlModifier); }
    void redo() { press(Qt::Key_Y, Qt::ControlModifier); }
    Clovek* person(const std::string& name, const Lines& further, const Lines& parish = {})
    {
        Clovek* p = addPerson(name, "Test");
        p->setFurtherTexts(further);
        p->setRegisterNotes(parish);
        hl().personList.fill();
        hl().personList.sort(PersonSortKey::byName);
        hl().personList.paint();
        renderer->syncAll();
        return p;
    }
};

// Fifty lines, about 3 KB.
std::string fiftyLines()
{
    std::string text;
    for (int n = 0; n < 50; ++n)
        text += (n ? "\r\n" : "") + std::string("Zápis z kroniky, řádek číslo ") + std::to_string(n) + ".";
    return text;
}

TEST_F(MemoUndo, OneUndoTakesBackTheLastTextOfItsOwnPersonWhereverTheCaretIs)
{
    const std::string big = longText(300'000);
    const std::string fifty = fiftyLines();
    for (bool caretKept : {true, false}) {
        SCOPED_TRACE(caretKept ? "the caret kept in the memo" : "a click into the person list first");
        hl().clearChangeHistory();
        Clovek* bedrich = person(caretKept ? "Bedřich" : "Bohumil", {});
        Clovek* dan = person(caretKept ? "Dan" : "David", {});
        const auto leaveUnlessKept = [&] {
            if (!caretKept)
                clickPerson(dan);
        };

        clickPerson(bedrich);
        clickTab(hl().layout().doplnujiciTextyASoubory);
        clickInto("doplnujiciTextyMEMO");
        pasteKeys(big);
        clickTab(hl().layout().shrnutiOsoby);
        clickTab(hl().layout().doplnujiciTextyASoubory);
        clickPerson(dan);
        clickInto("doplnujiciTextyMEMO");
        pasteKeys(fifty);
        clickTab(hl().layout().shrnutiOsoby);
        clickTab(hl().layout().doplnujiciTextyASoubory);
        clickInto("doplnujiciTextyMEMO");
        ASSERT_TRUE(joined(dan->furtherTexts().toVector()) == fifty);
        ASSERT_TRUE(joined(bedrich->furtherTexts().toVector()) == big);

        leaveUnlessKept();
        undo();
        EXPECT_TRUE(dan->furtherTexts().empty()) << "one undo takes Dan's text back";
        EXPECT_TRUE(textsWidget()->toPlainText().isEmpty());
        EXPECT_TRUE(joined(bedrich->furtherTexts().toVector()) == big);
        EXPECT_EQ(current(), dan);

        // Pasted again after the undo: a step of its own, taken back by the next undo.
        if (!caretKept)
            clickInto("doplnujiciTextyMEMO");
        pasteKeys(fifty);
        clickTab(hl().layout().shrnutiOsoby);
        leaveUnlessKept();
        undo();
        EXPECT_EQ(current(), dan);
        EXPECT_TRUE(dan->furtherTexts().empty()) << "the undo takes back the newest text";
        EXPECT_TRUE(joined(bedrich->furtherTexts().toVector()) == big) << "not another person's";

        undo();
        EXPECT_EQ(current(), bedrich);
        EXPECT_TRUE(bedrich->furtherTexts().empty());
        redo();
        redo();
        EXPECT_TRUE(joined(bedrich->furtherTexts().toVector()) == big);
        EXPECT_TRUE(joined(dan->furtherTexts().toVector()) == fifty) << "once, not doubled";
        EXPECT_EQ(current(), dan);
        EXPECT_EQ(textsWidget()->toPlainText().size(), QString::fromStdString(fifty).remove('\r').size());
        EXPECT_FALSE(hl().layout().Znovu1.Enabled);
    }
}

TEST_F(MemoUndo, UndoAndRedoWithTheCaretInAnotherPersonsMemoWriteIntoNoOtherPerson)
{
    // The further texts, and the parish notes on the page of the baptism itself.
    for (bool parish : {false, true}) {
        SCOPED_TRACE(parish ? "Matriční záznamy" : "Doplňující texty");
        hl().clearChangeHistory();
        TTabSheet& page = parish ? hl().layout().dalsiUdaje : hl().layout().doplnujiciTextyASoubory;
        const char* memo = parish ? "matrikyMEMO" : "doplnujiciTextyMEMO";
        const Lines marthas{"Text C1", "Text C2"}, karels{"Text B1", "Text B2", "Text D3"};
        Clovek* marta = parish ? person("Marie", {}, marthas) : person("Marta", marthas);
        Clovek* karel = parish ? person("Kamil", {}, karels) : person("Karel", karels);
        const auto memoOf = [&](const Clovek* p) {
            return (parish ? p->registerNotes() : p->furtherTexts()).toVector();
        };

        clickPerson(marta);
        clickTab(page);
        clickInto(memo);
        press(Qt::Key_End, Qt::ControlModifier);
        press(Qt::Key_Return);
        typeKeys("Text E");
        clickTab(hl().layout().dalsiUdaje);
        widget<QComboBox>("krestCB")->lineEdit()->setFocus();
        settle();
        typeKeys("Blansko");
        clickPerson(karel);
        clickTab(page);
        clickInto(memo);
        press(Qt::Key_End, Qt::ControlModifier);
        press(Qt::Key_Return);
        typeKeys("Text F");

        undo();
        EXPECT_EQ(memoOf(karel), karels);
        undo();
        EXPECT_EQ(marta->baptism, "");
        undo();
        EXPECT_EQ(memoOf(marta), marthas);
        EXPECT_EQ(memoOf(karel), karels);
        redo();
        EXPECT_EQ(memoOf(marta), (Lines{"Text C1", "Text C2", "Text E"}));
        EXPECT_EQ(memoOf(karel), karels);
        EXPECT_EQ(current(), marta);
        EXPECT_EQ(widget<QPlainTextEdit>(memo)->toPlainText().toStdString(), "Text C1\nText C2\nText E");
        // And stored so: the memos a save stores first change nobody.
        hl().commitMemos();
        EXPECT_EQ(memoOf(marta), (Lines{"Text C1", "Text C2", "Text E"}));
        EXPECT_EQ(memoOf(karel), karels);
    }
}

TEST_F(MemoUndo, AfterAnUndoOrRedoTheCaretStandsWhereTheChangeWas)
{
    for (bool parish : {false, true}) {
        SCOPED_TRACE(parish ? "Matriční záznamy" : "Doplňující texty");
        const Lines karels{"Text B1", "Text B2", "Text D3"};
        Clovek* karel = parish ? person("Kamil", {}, karels) : person("Karel", karels);
        const char* memo = parish ? "matrikyMEMO" : "doplnujiciTextyMEMO";
        const auto memoOf = [&] {
            return (parish ? karel->registerNotes() : karel->furtherTexts()).toVector();
        };
        clickPerson(karel);
        clickTab(parish ? hl().layout().dalsiUdaje : hl().layout().doplnujiciTextyASoubory);
        clickInto(memo);
        press(Qt::Key_End, Qt::ControlModifier);
        press(Qt::Key_Return);
        typeKeys("Text F");
        const int endOfD3 = static_cast<int>(QString("Text B1\nText B2\nText D3").size());
        undo();
        EXPECT_EQ(caret(memo), endOfD3) << "where the line went";
        redo();
        EXPECT_EQ(caret(memo), endOfD3 + 7) << "after the line that came back";
        undo();
        typeKeys("G2");
        clickTab(hl().layout().shrnutiOsoby);
        EXPECT_EQ(memoOf(), (Lines{"Text B1", "Text B2", "Text D3G2"}));

        // A line taken out of the middle goes back where it was, the caret after it.
        clickTab(parish ? hl().layout().dalsiUdaje : hl().layout().doplnujiciTextyASoubory);
        clickInto(memo);
        press(Qt::Key_Down);
        press(Qt::Key_End);
        for (int i = 0; i < 8; ++i)
            press(Qt::Key_Backspace);
        clickTab(hl().layout().shrnutiOsoby);
        ASSERT_EQ(memoOf(), (Lines{"Text B1", "Text D3G2"}));
        undo();
        EXPECT_EQ(memoOf(), (Lines{"Text B1", "Text B2", "Text D3G2"}));
        EXPECT_EQ(caret(memo), static_cast<int>(QString("Text B1\nText B2").size()));
        EXPECT_TRUE(widget<QPlainTextEdit>(memo)->hasFocus());
    }
}

} // namespace
