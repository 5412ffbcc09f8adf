// Long pastes into the memos and edit lines of the person pages, through Qt's own paste on the
// program's real main window: the text whole as one edit and one undo step, the cost of a
// paste growing with its length, and no widget changed while Qt is still inside its paste.
#include "editor_on_screen.h"
#include "model/clovek.h"

#include <QComboBox>
#include <QLineEdit>

#include <string>

namespace {

struct PastedText : EditorOnScreen {
    // Qt's paste of `text` into the widget; gives how often the widget's text changed before
    // the paste returned (once for the paste itself).
    template<class W, class Signal> int paste(W* w, Signal textChanged, const std::string& text)
    {
        QApplication::clipboard()->setText(QString::fromStdString(text));
        int changes = 0;
        const auto counter = QObject::connect(w, textChanged, [&changes] { ++changes; });
        w->paste();
        QObject::disconnect(counter);
        settle();
        return changes;
    }
};

TEST_F(PastedText, ALongPasteIntoAMemoIsOneEditStoredWholeAndUndoneInOneStep)
{
    for (size_t bytes : {300'000u, 1'000'000u}) {
        user::selectTab(hl().layout().pages, hl().editor.doplnujiciSheet.sheet);
        renderer->syncAll();
        auto* memo = widget<QPlainTextEdit>("doplnujiciTextyMEMO");
        memo->setFocus();
        settle();
        ASSERT_TRUE(hl().editor.doplnujiciSheet.doplnujiciTextyMEMO.Focused());
        const std::string text = longText(bytes);
        EXPECT_EQ(paste(memo, &QPlainTextEdit::textChanged, text), 1) << bytes;
        EXPECT_TRUE(hl().editor.doplnujiciSheet.doplnujiciTextyMEMO.Text() == text) << bytes;
        // Left for the name, which stores what was typed.
        user::selectTab(hl().layout().pages, hl().layout().zakladniUdaje);
        user::focus(z().jmenoCB);
        EXPECT_TRUE(joined(jan->furtherTexts().toVector()) == text) << bytes;
        // One undo step takes the whole paste back.
        user::click(hl().layout().Zpet1);
        renderer->syncAll();
        EXPECT_TRUE(jan->furtherTexts().empty()) << bytes;
        EXPECT_TRUE(memo->toPlainText().isEmpty()) << bytes;
    }
}

TEST_F(PastedText, ALongPasteIntoAnEditLineKeepsWhatFitsInOneStep)
{
    user::selectTab(hl().layout().pages, hl().editor.dalsiSheet.sheet);
    renderer->syncAll();
    for (size_t bytes : {300'000u, 1'000'000u}) {
        auto* email = widget<QLineEdit>("email1ED");
        email->setFocus();
        settle();
        ASSERT_TRUE(hl().editor.dalsiSheet.email1ED.Focused());
        const std::string text = longText(bytes);
        // The control keeps no line end; what it keeps is shown once Qt's paste is over.
        EXPECT_EQ(paste(email, &QLineEdit::textChanged, text), 1) << bytes;
        const std::string kept = jan->email1;
        EXPECT_EQ(kept, email->text().toStdString());
        EXPECT_GT(kept.size(), 30'000u);
        EXPECT_EQ(kept.find_first_of("\r\n"), std::string::npos);
        std::string flat = text;
        std::erase_if(flat, [](char c) { return c == '\r' || c == '\n'; });
        EXPECT_TRUE(flat.starts_with(kept)) << bytes;
        // One undo step takes the whole paste back.
        user::click(hl().layout().Zpet1);
        renderer->syncAll();
        EXPECT_EQ(jan->email1, "") << bytes;
    }
}

} // namespace
