// Long pastes into the memos and edit lines of the person pages, through Qt's own paste on the
// program's real main window: the text whole as one edit and one undo step, the cost of a
// paste growing with its length, and no widget changed while Qt is still inside its paste.
#include "editor/person_editor_fixture.h"
#include "model/clovek.h"
#include "toolkit/qt/qt_renderer.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

namespace {

struct PastedText : PersonEditorTest {
    std::unique_ptr<QtRenderer> renderer;

    void SetUp() override
    {
        PersonEditorTest::SetUp();
        renderer = std::make_unique<QtRenderer>();
        // Questions are answered by the script; the windows are Qt's.
        Application.setRunner(&script);
        // Shown again, now on the screen.
        hl().layout().Visible = false;
        hl().layout().Show();
        QWidget* window = renderer->window(hl().layout());
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        renderer->syncAll();
    }
    void TearDown() override
    {
        renderer.reset();
        PersonEditorTest::TearDown();
    }
    template<class W> W* widget(const char* name)
    {
        W* w = renderer->window(hl().layout())->findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    static void settle()
    {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
        }
    }
    // Lines of letters in and outside Windows-1250 (one outside the basic plane), CR LF between
    // them, `bytes` long or a little longer.
    static std::string longText(size_t bytes)
    {
        const std::string line = "Řádek: žluťoučký kůň, 中文, 😀, Ωμέγα, Ё";
        std::string text;
        for (int n = 0; text.size() < bytes; ++n)
            text += (n ? "\r\n" : "") + line + std::to_string(n);
        return text;
    }
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
    static std::string joined(const std::vector<std::string>& lines)
    {
        std::string out;
        for (size_t i = 0; i < lines.size(); ++i)
            out += (i ? "\r\n" : "") + lines[i];
        return out;
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
