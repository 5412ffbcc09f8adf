#pragma once
// The toolkit's windows on real Qt widgets, offscreen (main.cpp makes the QApplication): a fresh
// application object and renderer for each test.
#include "toolkit/application.h"
#include "toolkit/form.h"
#include "toolkit/qt/qt_renderer.h"
#include "toolkit/scripted_runner.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QTest>
#include <QToolTip>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

class QtTest : public ::testing::Test {
protected:
    QtTest()
    {
        Application.reset();
        Application.Title = "Kinvelor";
    }
    ~QtTest() override
    {
        QToolTip::hideText();
        renderer_.reset();
        Application.reset();
    }

    // Shows the form on the screen as the program's only window and waits until it has the
    // keyboard.
    void show(TForm& form)
    {
        renderer_ = std::make_unique<QtRenderer>();
        form.Show();
        QWidget* window = renderer_->window(form);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        renderer_->syncAll();
    }
    void syncAll() { renderer_->syncAll(); }
    QtRenderer& renderer() { return *renderer_; }

    // The widget that shows the control of that name.
    template<class W> W* widget(TForm& form, const char* name)
    {
        W* w = renderer_->window(form)->findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    // The tooltip a widget shows when the mouse rests at `at` on it; nullptr when none shows.
    static QLabel* restMouse(QWidget* widget, QPoint at)
    {
        QHelpEvent help(QEvent::ToolTip, at, widget->mapToGlobal(at));
        QApplication::sendEvent(widget, &help);
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->inherits("QTipLabel") && top->isVisible())
                return static_cast<QLabel*>(top);
        return nullptr;
    }

private:
    std::unique_ptr<QtRenderer> renderer_;
};
