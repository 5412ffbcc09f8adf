#pragma once
// The program's real main window on Qt's widgets, offscreen, with the person editor's tree of
// two persons (editor/person_editor_fixture.h); a person's clicks, keys and pastes sent to the
// widgets as Qt would send them.
#include "editor/person_editor_fixture.h"
#include "shell/scroll.h"
#include "toolkit/qt/qt_renderer.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

struct EditorOnScreen : PersonEditorTest {
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

    // A click on the tab of the page.
    void clickTab(TTabSheet& page)
    {
        QTabBar* bar = widget<QTabWidget>("pages")->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page.PageIndex()).center());
        settle();
    }
    // A click on the person's row of the person list.
    void clickPerson(const Clovek* person)
    {
        const int row = hl().personList.indexOf(hl().personList.rowOf(person)) - hl().personList.topIndex();
        QTest::mouseClick(widget<QWidget>("scrolling"), Qt::LeftButton, {},
                          QPoint(20, row * personListRowHeight + personListRowHeight / 2));
        settle();
    }
    // A click into the top left of a memo's text.
    void clickInto(const char* memo)
    {
        QTest::mouseClick(widget<QPlainTextEdit>(memo)->viewport(), Qt::LeftButton, {}, QPoint(4, 4));
        settle();
    }
    // Keys go where Qt has the focus.
    static QWidget* focused()
    {
        QWidget* w = QApplication::focusWidget();
        return w ? w : QApplication::activeWindow();
    }
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(focused(), key, modifiers);
        settle();
    }
    static void typeKeys(const char* text)
    {
        QTest::keyClicks(focused(), QString::fromUtf8(text));
        settle();
    }
    // Ctrl+V with the text on the clipboard.
    static void pasteKeys(const std::string& text)
    {
        QApplication::clipboard()->setText(QString::fromStdString(text));
        press(Qt::Key_V, Qt::ControlModifier);
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
    static std::string joined(const std::vector<std::string>& lines)
    {
        std::string out;
        for (size_t i = 0; i < lines.size(); ++i)
            out += (i ? "\r\n" : "") + lines[i];
        return out;
    }
};
