// The binding every kind of control shares, and the choice of a control's binding by its kind.
#include "toolkit/qt/qt_bindings.h"

#include "toolkit/commonctrls.h"
#include "toolkit/form.h"
#include "toolkit/grid.h"
#include "toolkit/lists.h"
#include "toolkit/pagecontrol.h"
#include "toolkit/qt/qt_canvas.h"
#include "toolkit/splitter.h"
#include "toolkit/stdctrls.h"
#include "toolkit/useractions.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QTextDocument>
#include <QWheelEvent>

Binding::Binding(QtRenderer::Impl& renderer, TControl& c, QWidget* w) : control(c), widget(w), r(renderer)
{
    w->setObjectName(toQString(c.Name));
    watch(w);
}

void Binding::watch(QObject* object)
{
    object->installEventFilter(&r);
    r.watched[object] = this;
}

void Binding::clickAsUser(QAbstractButton* button)
{
    QObject::connect(button, &QAbstractButton::clicked, [this] {
        if (!syncing()) {
            user::click(control);
            r.afterDispatch();
        }
    });
}

bool Binding::syncing() const
{
    return r.syncing > 0;
}

QString toolTipOf(const std::string& text)
{
    // Qt wraps a tooltip only when it is rich text; a plain one runs past both screen edges.
    return text.empty() ? QString() : Qt::convertFromPlainText(toQString(text), Qt::WhiteSpaceNormal);
}

bool Binding::CommonShown::matches(const TControl& c) const
{
    return left == c.Left && top == c.Top && width == c.Width && height == c.Height && visible == c.Visible &&
           enabled == c.Enabled && showHint == c.ShowHint && hint == c.Hint && caption == c.Caption &&
           font == c.Font;
}

bool Binding::syncCommon()
{
    // The caption is remembered too: a binding's font and tooltip may follow from it.
    if (shownEpoch_ == r.shownEpoch && commonShown_ && commonShown_->matches(control))
        return false;
    shownEpoch_ = r.shownEpoch;
    commonShown_ =
        CommonShown{control.Left,    control.Top,      control.Width, control.Height,  control.Visible,
                    control.Enabled, control.ShowHint, control.Hint,  control.Caption, control.Font};
    const QRect g(control.Left, control.Top, control.Width, control.Height);
    if (widget->geometry() != g)
        widget->setGeometry(g);
    if (widget->isHidden() == control.Visible)
        widget->setVisible(control.Visible);
    if (widget->testAttribute(Qt::WA_Disabled) == control.Enabled)
        widget->setEnabled(control.Enabled);
    const QString tip = control.ShowHint ? toolTipOf(control.Hint) : QString();
    if (widget->toolTip() != tip)
        widget->setToolTip(tip);
    const QFont font = shownFont();
    if (widget->font() != font)
        widget->setFont(font);
    return true;
}

QFont Binding::shownFont() const
{
    return toQFont(control.Font);
}

void Binding::sync()
{
    syncCommon();
}

bool Binding::event(QObject*, QEvent* e)
{
    TForm* form = control.form();
    if (!form)
        return false;
    switch (e->type()) {
    case QEvent::FocusIn: {
        // Focus that Qt hands back after a menu or another window closes is Qt's memory of the
        // widget focused before; the program may have moved the focus meanwhile (a menu command
        // that puts the caret into a field), so the program's focus is put back instead.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(e)->reason();
        if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason) {
            this->r.queueSync();
            return false;
        }
        if (auto* w = dynamic_cast<TWinControl*>(&control); w && !w->Focused() && !syncing()) {
            user::focus(*w);
            this->r.afterDispatch();
        }
        return false;
    }
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(e);
        const int code = keyCodeOf(key->key());
        if (code == 0)
            return false;
        TShiftState shift = shiftOf(key->modifiers());
        if (key->key() == Qt::Key_Backtab)
            shift.shift = true;
        const int left = user::keyDown(*form, code, shift);
        this->r.afterDispatch();
        // Alt with a letter is a command, never typing: one that no menu took changes no text.
        const bool command =
            shift.alt && !shift.ctrl && !key->text().isEmpty() && key->text().at(0).isPrint();
        return left == 0 || command;
    }
    case QEvent::Wheel: {
        auto* wheel = static_cast<QWheelEvent*>(e);
        const QPoint at = wheel->position().toPoint();
        const bool handled = user::wheel(*form, wheel->angleDelta().y(), &control, at.x(), at.y());
        this->r.afterDispatch();
        return handled;
    }
    default:
        return false;
    }
}

std::unique_ptr<Binding> makeBinding(QtRenderer::Impl& renderer, TControl& c, QWidget* parent)
{
    if (auto* x = dynamic_cast<TTabSheet*>(&c))
        return makeTabSheetBinding(renderer, *x);
    if (auto* x = dynamic_cast<TLabel*>(&c))
        return makeLabelBinding(renderer, *x, parent);
    if (auto* x = dynamic_cast<TDrawGrid*>(&c))
        return makeGridBinding(renderer, *x, parent);
    if (auto* x = dynamic_cast<TImage*>(&c))
        return makeImageBinding(renderer, *x, parent);
    if (auto* x = dynamic_cast<TButton*>(&c))
        return makeButtonBinding(renderer, *x, parent);
    if (auto* x = dynamic_cast<TSpeedButton*>(&c))
        return makeSpeedButtonBinding(renderer, *x, parent);
    if (auto* x = dynamic_cast<TCheckBox*>(&c))
        return makeCheckBoxBinding(renderer, *x, parent);
    if (auto* x = dynamic_cast<TRadioButton*>(&c))
        return makeRadioButtonBinding(renderer, *x, parent);
    if (auto* x = dynamic_cast<TRadioGroup*>(&c))
        return makeRadioGroupBinding(renderer, *x, parent);
    if (auto* x = dynamic_cast<TGroupBox*>(&c))
        return makeGroupBoxBinding(renderer, *x, parent);
    if (auto* x = dynamic_cast<TPanel*>(&c))
        return makePanelBinding(renderer, *x, parent);
    if (auto* x = dynamic_cast<TPageControl*>(&c))
        return makePageControlBinding(renderer, *x, parent);
    if (auto* x = dynamic_cast<TEdit*>(&c))
        return makeEditBinding(renderer, *x, parent);
    if (auto* x = dynamic_cast<TMemo*>(&c))
        return makeMemoBinding(renderer, *x, parent);
    if (auto* x = dynamic_cast<TComboBox*>(&c))
        return makeComboBinding(renderer, *x, parent);
    if (auto* x = dynamic_cast<TListBox*>(&c))
        return makeListBinding(renderer, *x, parent);
    if (auto* x = dynamic_cast<TScrollBar*>(&c))
        return makeScrollBarBinding(renderer, *x, parent);
    if (auto* x = dynamic_cast<TProgressBar*>(&c))
        return makeProgressBinding(renderer, *x, parent);
    if (auto* x = dynamic_cast<TStatusBar*>(&c))
        return makeStatusBarBinding(renderer, *x, parent);
    if (auto* x = dynamic_cast<TSplitter*>(&c))
        return makeSplitterBinding(renderer, *x, parent);
    if (auto* x = dynamic_cast<TUpDown*>(&c))
        return makeUpDownBinding(renderer, *x, parent);
    if (auto* x = dynamic_cast<TMonthCalendar*>(&c))
        return makeCalendarBinding(renderer, *x, parent);
    // Anything else shows as an empty area of its size.
    return std::make_unique<Binding>(renderer, c, new QWidget(parent));
}
