// Scroll bars, progress bars, status bars and up-down buttons.
#include "toolkit/qt/qt_bindings.h"

#include "toolkit/commonctrls.h"
#include "toolkit/grid.h"
#include "toolkit/qt/qt_canvas.h"
#include "toolkit/useractions.h"

#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QScrollBar>
#include <QToolButton>

#include <algorithm>
#include <string>

namespace {

class ScrollBarBinding : public Binding {
public:
    ScrollBarBinding(QtRenderer::Impl& renderer, TScrollBar& c, QWidget* parent)
        : Binding(renderer, c, new QScrollBar(parent)), bar_(c), w_(static_cast<QScrollBar*>(widget.data()))
    {
        QObject::connect(w_, &QScrollBar::valueChanged, [this](int value) {
            if (syncing() || value == bar_.Position())
                return;
            user::scrollTo(bar_, value);
            this->r.afterDispatch();
        });
    }
    void sync() override
    {
        syncCommon();
        w_->setOrientation(bar_.Kind == TScrollBar::sbVertical ? Qt::Vertical : Qt::Horizontal);
        if (w_->minimum() != bar_.Min() || w_->maximum() != bar_.Max())
            w_->setRange(bar_.Min(), bar_.Max());
        w_->setSingleStep(std::max(1, bar_.SmallChange));
        w_->setPageStep(std::max(1, bar_.PageSize > 0 ? bar_.PageSize : bar_.LargeChange));
        if (w_->value() != bar_.Position())
            w_->setValue(bar_.Position());
    }

private:
    TScrollBar& bar_;
    QScrollBar* w_;
};

class ProgressBinding : public Binding {
public:
    ProgressBinding(QtRenderer::Impl& renderer, TProgressBar& c, QWidget* parent)
        : Binding(renderer, c, new QProgressBar(parent)), bar_(c)
    {
        static_cast<QProgressBar*>(widget.data())->setTextVisible(false);
    }
    void sync() override
    {
        syncCommon();
        auto* w = static_cast<QProgressBar*>(widget.data());
        if (w->minimum() != bar_.Min || w->maximum() != bar_.Max)
            w->setRange(bar_.Min, bar_.Max);
        if (w->value() != bar_.Position())
            w->setValue(bar_.Position());
    }

private:
    TProgressBar& bar_;
};

class StatusBarBinding : public Binding {
public:
    StatusBarBinding(QtRenderer::Impl& renderer, TStatusBar& c, QWidget* parent)
        : Binding(renderer, c, new QLabel(parent)), bar_(c)
    {
        static_cast<QLabel*>(widget.data())->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    }
    void sync() override
    {
        syncCommon();
        std::string text = bar_.SimpleText;
        if (!bar_.SimplePanel) {
            text.clear();
            for (const TStatusPanel& p : bar_.Panels)
                text += (text.empty() ? "" : "   ") + p.Text;
        }
        auto* w = static_cast<QLabel*>(widget.data());
        if (w->text() != toQString(text))
            w->setText(toQString(text));
    }

private:
    TStatusBar& bar_;
};

class UpDownBinding : public Binding {
public:
    UpDownBinding(QtRenderer::Impl& renderer, TUpDown& c, QWidget* parent)
        : Binding(renderer, c, new QWidget(parent)), upDown_(c)
    {
        up_ = new QToolButton(widget);
        down_ = new QToolButton(widget);
        up_->setArrowType(Qt::UpArrow);
        down_->setArrowType(Qt::DownArrow);
        for (QToolButton* b : {up_, down_}) {
            b->setFocusPolicy(Qt::NoFocus);
            b->setAutoRepeat(true);
        }
        QObject::connect(up_, &QToolButton::clicked, [this] { step(true); });
        QObject::connect(down_, &QToolButton::clicked, [this] { step(false); });
    }
    void sync() override
    {
        if (!syncCommon())
            return;
        const int half = control.Height / 2;
        up_->setGeometry(0, 0, control.Width, half);
        down_->setGeometry(0, half, control.Width, control.Height - half);
    }

private:
    void step(bool up)
    {
        if (syncing())
            return;
        user::step(upDown_, up);
        this->r.afterDispatch();
    }
    TUpDown& upDown_;
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace

std::unique_ptr<Binding> makeScrollBarBinding(QtRenderer::Impl& renderer, TScrollBar& c, QWidget* parent)
{
    return std::make_unique<ScrollBarBinding>(renderer, c, parent);
}

std::unique_ptr<Binding> makeProgressBinding(QtRenderer::Impl& renderer, TProgressBar& c, QWidget* parent)
{
    return std::make_unique<ProgressBinding>(renderer, c, parent);
}

std::unique_ptr<Binding> makeStatusBarBinding(QtRenderer::Impl& renderer, TStatusBar& c, QWidget* parent)
{
    return std::make_unique<StatusBarBinding>(renderer, c, parent);
}

std::unique_ptr<Binding> makeUpDownBinding(QtRenderer::Impl& renderer, TUpDown& c, QWidget* parent)
{
    return std::make_unique<UpDownBinding>(renderer, c, parent);
}
