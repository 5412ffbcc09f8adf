// One binding per kind of control: how its widget shows the control and which user action a
// person's event on it is.
#include "platform/application.h"
#include "platform/commonctrls.h"
#include "platform/form.h"
#include "platform/grid.h"
#include "platform/lists.h"
#include "platform/pagecontrol.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_impl.h"
#include "platform/splitter.h"
#include "platform/stdctrls.h"
#include "platform/text.h"
#include "platform/useractions.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>

#include <functional>
#include <optional>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>
#include <string>

// ---- common

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

void Binding::syncCommon()
{
    const QRect g(control.Left, control.Top, control.Width, control.Height);
    if (widget->geometry() != g)
        widget->setGeometry(g);
    if (widget->isHidden() == control.Visible)
        widget->setVisible(control.Visible);
    if (widget->testAttribute(Qt::WA_Disabled) == control.Enabled)
        widget->setEnabled(control.Enabled);
    const QString tip = control.ShowHint ? toQString(control.Hint) : QString();
    if (widget->toolTip() != tip)
        widget->setToolTip(tip);
    const QFont font = shownFont();
    if (widget->font() != font)
        widget->setFont(font);
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
        return left == 0;
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

namespace {

// Every sync passes the caption again, after each thing a person does: only a changed text is
// handed to the widget, so an unchanged one costs no relayout.
template <class Widget>
void showText(Widget* widget, const std::string& text)
{
    const QString shown = toQString(text);
    if (widget->text() != shown)
        widget->setText(shown);
}

// Positions in UTF-16 units of a QString and in characters of the model's UTF-8 text.
int toCharIndex(const QString& s, int utf16)
{
    int chars = 0;
    for (int i = 0; i < utf16 && i < s.size(); ++i)
        if (!s.at(i).isLowSurrogate())
            ++chars;
    return chars;
}

int toUtf16Index(const QString& s, int chars)
{
    int i = 0;
    for (int c = 0; c < chars && i < s.size(); ++c)
        i += (s.at(i).isHighSurrogate() && i + 1 < s.size()) ? 2 : 1;
    return i;
}

// What a person's edit did to the text: the replaced range (characters) of `before` and
// the text typed into it.
struct EditDiff {
    int start;
    int length;
    std::string inserted;
};

// `caret` is where the widget's caret stands after the edit (characters of `after`, -1 when
// unknown): an edit ends at the caret, which tells which of equal letters was typed or deleted
// ("a" typed before "a" is typed at the start, not at the end).
EditDiff diffOf(const std::string& before, const std::string& after, int caret)
{
    const std::u32string a = toU32(before), b = toU32(after);
    const size_t tailAfterCaret = caret < 0 ? b.size() : b.size() - std::min(b.size(), static_cast<size_t>(caret));
    size_t suffix = 0;
    while (suffix < a.size() && suffix < tailAfterCaret && a[a.size() - 1 - suffix] == b[b.size() - 1 - suffix])
        ++suffix;
    size_t prefix = 0;
    while (prefix < a.size() - suffix && prefix < b.size() - suffix && a[prefix] == b[prefix])
        ++prefix;
    return {static_cast<int>(prefix), static_cast<int>(a.size() - prefix - suffix),
            fromU32(b.substr(prefix, b.size() - prefix - suffix))};
}

// Plays a person's edit as the user actions do: select what was replaced, then type over it or
// delete it.
template <class Control>
void playEdit(Control& control, const std::string& after, int caret)
{
    const EditDiff d = diffOf(control.Text(), after, caret);
    user::select(control, d.start, d.length);
    if (!d.inserted.empty())
        user::type(control, d.inserted);
    else if (d.length > 0)
        user::backspace(control);
}

// The caret and selection of an edit line in characters of its text.
TextSelection lineSelection(const QLineEdit* line)
{
    const QString text = line->text();
    const int start = line->hasSelectedText() ? line->selectionStart() : line->cursorPosition();
    const int end = line->hasSelectedText() ? line->selectionEnd() : start;
    const int first = toCharIndex(text, start);
    return {first, toCharIndex(text, end) - first};
}

// An edit line shows the control's text, caret and selection. Each is handed over only when it
// differs: setting a line's text or length limit puts its caret at the end, and a selection
// made backwards keeps its anchor only while nobody sets it again.
template <class Control>
void showLine(QLineEdit* line, const Control& control)
{
    const int maxLength = control.MaxLength > 0 ? control.MaxLength : 32767;
    if (line->maxLength() != maxLength)
        line->setMaxLength(maxLength);
    const QString text = toQString(control.Text());
    if (line->text() != text)
        line->setText(text);
    const TextSelection shown = lineSelection(line);
    if (shown.start == control.SelStart() && shown.length == control.SelLength())
        return;
    const int start = toUtf16Index(text, control.SelStart());
    const int end = toUtf16Index(text, control.SelStart() + control.SelLength());
    if (end > start)
        line->setSelection(start, end - start);
    else
        line->setCursorPosition(start);
}

// The caret and selection a person set in an edit line, into the control.
template <class Control>
void takeLineSelection(const QLineEdit* line, Control& control)
{
    if (fromQString(line->text()) != control.Text())
        return;
    const TextSelection sel = lineSelection(line);
    if (sel.start != control.SelStart() || sel.length != control.SelLength())
        user::select(control, sel.start, sel.length);
}

// A person's edit of an edit line, played into the control; the caret follows the widget's.
template <class Control>
void takeLineEdit(const QLineEdit* line, Control& control)
{
    const QString text = line->text();
    playEdit(control, fromQString(text), toCharIndex(text, line->cursorPosition()));
    takeLineSelection(line, control);
}

std::vector<std::string> linesOf(const TStringList& list)
{
    return list.lines();
}

QStringList toQStrings(const std::vector<std::string>& lines)
{
    QStringList out;
    out.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& l : lines)
        out << toQString(l);
    return out;
}

std::string crlf(const QString& text)
{
    std::string s = fromQString(text);
    std::string out;
    out.reserve(s.size());
    for (char c : s) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

QString lf(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            out += text[i];
    return toQString(out);
}

// ---- labels, images, grids

class LabelBinding : public Binding {
public:
    LabelBinding(QtRenderer::Impl& renderer, TLabel& c, QWidget* parent)
        : Binding(renderer, c, new QLabel(parent)), label_(c), w_(static_cast<QLabel*>(widget.data()))
    {
    }
    void sync() override
    {
        syncCommon();
        // A line wider than its fixed box ends in "…" inside it, the whole text in the tooltip,
        // rather than running under the controls beside it or losing its end unmarked.
        const QString full = toQString(label_.Caption);
        QString shown = full;
        bool cut = false;
        if (!label_.WordWrap && !label_.AutoSize) {
            const QFontMetrics metrics(w_->font());
            QStringList lines = full.split('\n');
            for (QString& line : lines) {
                const QString fitted = metrics.elidedText(line, Qt::ElideRight, std::max(label_.Width, 0));
                if (fitted != line) {
                    line = fitted;
                    cut = true;
                }
            }
            if (cut)
                shown = lines.join('\n');
        }
        if (w_->text() != shown)
            w_->setText(shown);
        if (cut && w_->toolTip().isEmpty())
            w_->setToolTip(full);
        w_->setWordWrap(label_.WordWrap);
        Qt::Alignment a = label_.Alignment == TLabel::taCenter          ? Qt::AlignHCenter
                          : label_.Alignment == TLabel::taRightJustify ? Qt::AlignRight
                                                                       : Qt::AlignLeft;
        // A shortened line fills its box: it starts at the left, as its beginning matters most.
        if (cut && a != Qt::AlignLeft)
            a = Qt::AlignLeft;
        if (w_->alignment() != (a | Qt::AlignTop))
            w_->setAlignment(a | Qt::AlignTop);
        QPalette p = w_->palette();
        p.setColor(QPalette::WindowText, toQColor(label_.Font.Color));
        p.setColor(QPalette::Window, toQColor(label_.Color));
        w_->setPalette(p);
        w_->setAutoFillBackground(!label_.Transparent);
        if (label_.AutoSize && !label_.WordWrap) {
            const int wanted = std::max(label_.Width, w_->sizeHint().width());
            if (w_->width() != wanted)
                w_->resize(wanted, std::max(label_.Height, w_->sizeHint().height()));
        }
    }
    bool event(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
            const QPoint at = static_cast<QMouseEvent*>(e)->position().toPoint();
            user::click(control, at.x(), at.y());
            this->r.afterDispatch();
            return true;
        }
        return Binding::event(o, e);
    }

private:
    TLabel& label_;
    QLabel* w_;
};

// A widget that paints through a callback.
class PaintedWidget : public QWidget {
public:
    explicit PaintedWidget(QWidget* parent) : QWidget(parent) {}
    std::function<void()> onPaint;

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (onPaint)
            onPaint();
    }
};

// Grids and images keep what was drawn on a pixmap, as a screen keeps it: the program draws on
// the control's canvas whenever it likes, and each paint replays the new drawing onto it.
class CanvasBinding : public Binding {
public:
    CanvasBinding(QtRenderer::Impl& renderer, TControl& c, TRecordingCanvas& canvas, QWidget* parent)
        : Binding(renderer, c, new PaintedWidget(parent)), canvas_(canvas)
    {
        static_cast<PaintedWidget*>(widget.data())->onPaint = [this] { paintNow(); };
    }
    void sync() override
    {
        syncCommon();
        if (!canvas_.entries().empty())
            widget->update();
    }
    bool event(QObject* o, QEvent* e) override
    {
        const auto type = e->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
            type == QEvent::MouseButtonDblClick) {
            auto* m = static_cast<QMouseEvent*>(e);
            const QPoint at = m->position().toPoint();
            const TShiftState shift = shiftOf(m->modifiers());
            if (m->button() == Qt::LeftButton) {
                if (type == QEvent::MouseButtonRelease)
                    user::click(control, at.x(), at.y());
                else if (type == QEvent::MouseButtonDblClick)
                    user::doubleClick(control, at.x(), at.y());
            } else {
                const TMouseButton b =
                    m->button() == Qt::RightButton ? TMouseButton::mbRight : TMouseButton::mbMiddle;
                if (type == QEvent::MouseButtonPress)
                    user::mouseDown(control, b, at.x(), at.y(), shift);
                else if (type == QEvent::MouseButtonRelease)
                    user::mouseUp(control, b, at.x(), at.y(), shift);
            }
            this->r.afterDispatch();
            return true;
        }
        return Binding::event(o, e);
    }

protected:
    virtual void drawBase(QPixmap& pixmap) { pixmap.fill(toQColor(control.Color)); }
    virtual void askForCells() {}
    void paintNow()
    {
        const QSize size = widget->size();
        if (pixmap_.size() != size) {
            pixmap_ = QPixmap(size.isEmpty() ? QSize(1, 1) : size);
            drawBase(pixmap_);
        }
        askForCells();
        {
            QPainter p(&pixmap_);
            QtCanvas c(p);
            c.replay(canvas_);
        }
        canvas_.clear();
        QPainter wp(widget);
        wp.drawPixmap(0, 0, pixmap_);
    }
    QPixmap pixmap_;
    TRecordingCanvas& canvas_;
};

class GridBinding : public CanvasBinding {
public:
    GridBinding(QtRenderer::Impl& renderer, TDrawGrid& c, QWidget* parent)
        : CanvasBinding(renderer, c, c.Canvas, parent), grid_(c)
    {
        widget->setFocusPolicy(c.TabStop ? Qt::StrongFocus : Qt::NoFocus);
    }

protected:
    void askForCells() override { Application.guarded([this] { grid_.Paint(); }); }
    TDrawGrid& grid_;
};

class ImageBinding : public CanvasBinding {
public:
    ImageBinding(QtRenderer::Impl& renderer, TImage& c, QWidget* parent) : CanvasBinding(renderer, c, c.Canvas, parent), image_(c)
    {
    }
    void sync() override
    {
        if (shown_ != image_.Picture.Bitmap || stretch_ != image_.Stretch) {
            shown_ = image_.Picture.Bitmap;
            stretch_ = image_.Stretch;
            pixmap_ = QPixmap();
            widget->update();
        }
        CanvasBinding::sync();
    }

protected:
    void drawBase(QPixmap& pixmap) override
    {
        pixmap.fill(image_.Transparent ? Qt::transparent : toQColor(image_.Color));
        if (image_.Picture.Empty())
            return;
        const TBitmap& b = *image_.Picture.Bitmap;
        QImage picture(b.bits(), b.Width(), b.Height(), b.Width() * 4, QImage::Format_RGBA8888);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        QRect target(0, 0, b.Width(), b.Height());
        if (image_.Stretch) {
            target = QRect(QPoint(0, 0), pixmap.size());
            if (image_.Proportional) {
                QSize s = QSize(b.Width(), b.Height()).scaled(pixmap.size(), Qt::KeepAspectRatio);
                target = QRect(QPoint(0, 0), s);
            }
        }
        if (image_.Center)
            target.moveCenter(QRect(QPoint(0, 0), pixmap.size()).center());
        p.drawImage(target, picture);
    }

private:
    TImage& image_;
    std::shared_ptr<const TBitmap> shown_;
    bool stretch_ = false;
};

// ---- buttons

class ButtonBinding : public Binding {
public:
    ButtonBinding(QtRenderer::Impl& renderer, TButton& c, QWidget* parent)
        : Binding(renderer, c, new QPushButton(parent)), w_(static_cast<QPushButton*>(widget.data()))
    {
        w_->setAutoDefault(false);
        w_->setFocusPolicy(c.TabStop ? Qt::StrongFocus : Qt::ClickFocus);
        clickAsUser(w_);
    }
    void sync() override
    {
        showText(w_, control.Caption);
        syncCommon();
        const bool shownDefault = looksDefault();
        if (w_->isDefault() != shownDefault)
            w_->setDefault(shownDefault);
    }

protected:
    // A caption wider than the button (the screen font is wider than the one the layouts were
    // made for) is shown a little smaller rather than cut at both ends.
    QFont shownFont() const override
    {
        QFont font = toQFont(control.Font);
        const QString text = QString(w_->text()).remove('&');
        const int room = control.Width - 8;
        while (font.pointSizeF() > 6.5 && QFontMetrics(font).horizontalAdvance(text) > room)
            font.setPointSizeF(font.pointSizeF() - 0.5);
        return font;
    }

private:
    // Enter presses the focused button, whichever is the window's default: the focused button
    // wears the default frame then, so the frame always shows what Enter will press.
    bool looksDefault() const
    {
        auto& button = static_cast<TButton&>(control);
        const TForm* form = button.form();
        const TWinControl* focused = form ? form->ActiveControl() : nullptr;
        if (dynamic_cast<const TButton*>(focused))
            return focused == &button;
        return button.Default;
    }
    QPushButton* w_;
};

class SpeedButtonBinding : public Binding {
public:
    SpeedButtonBinding(QtRenderer::Impl& renderer, TSpeedButton& c, QWidget* parent)
        : Binding(renderer, c, new QToolButton(parent)), w_(static_cast<QToolButton*>(widget.data())), button_(c)
    {
        w_->setFocusPolicy(Qt::NoFocus);
        clickAsUser(w_);
    }
    void sync() override
    {
        syncCommon();
        showText(w_, control.Caption);
        w_->setAutoRaise(button_.Flat);
        if (glyph_ != button_.Glyph.Bitmap || standard_ != button_.StandardGlyph || w_->icon().isNull()) {
            glyph_ = button_.Glyph.Bitmap;
            standard_ = button_.StandardGlyph;
            if (glyph_ && !glyph_->Empty()) {
                QImage image(glyph_->bits(), glyph_->Width(), glyph_->Height(), glyph_->Width() * 4,
                             QImage::Format_RGBA8888);
                w_->setIcon(QIcon(QPixmap::fromImage(image.copy())));
                w_->setIconSize(QSize(glyph_->Width(), glyph_->Height()));
            } else {
                w_->setIcon(standardIcon(standard_));
            }
        }
    }

private:
    QIcon standardIcon(TStandardGlyph glyph) const
    {
        struct Look {
            TStandardGlyph glyph;
            const char* theme;
            QStyle::StandardPixmap fallback;
        };
        static const Look looks[] = {
            {TStandardGlyph::NewFile, "document-new", QStyle::SP_FileIcon},
            {TStandardGlyph::Open, "document-open", QStyle::SP_DialogOpenButton},
            {TStandardGlyph::Save, "document-save", QStyle::SP_DialogSaveButton},
            {TStandardGlyph::SaveAs, "document-save-as", QStyle::SP_DriveFDIcon},
            {TStandardGlyph::Close, "document-close", QStyle::SP_DialogCloseButton},
            {TStandardGlyph::Undo, "edit-undo", QStyle::SP_ArrowBack},
            {TStandardGlyph::Redo, "edit-redo", QStyle::SP_ArrowForward},
            {TStandardGlyph::Help, "help-contents", QStyle::SP_DialogHelpButton},
            {TStandardGlyph::Add, "list-add", QStyle::SP_FileDialogNewFolder},
            {TStandardGlyph::Delete, "edit-delete", QStyle::SP_TrashIcon},
            {TStandardGlyph::Find, "edit-find", QStyle::SP_FileDialogContentsView},
            {TStandardGlyph::Chart, "x-office-presentation", QStyle::SP_FileDialogDetailedView},
            {TStandardGlyph::Up, "go-up", QStyle::SP_ArrowUp},
            {TStandardGlyph::Down, "go-down", QStyle::SP_ArrowDown},
        };
        for (const Look& l : looks)
            if (l.glyph == glyph)
                return QIcon::fromTheme(l.theme, w_->style()->standardIcon(l.fallback));
        return {};
    }
    QToolButton* w_;
    TSpeedButton& button_;
    std::shared_ptr<const TBitmap> glyph_;
    TStandardGlyph standard_ = TStandardGlyph::None;
};

// Check boxes and radio buttons: a caption and a checked state; a person's click is the
// control's click, which sets the state the widget then shows.
template <class Control, class Widget>
class CheckableBinding : public Binding {
public:
    CheckableBinding(QtRenderer::Impl& renderer, Control& c, QWidget* parent)
        : Binding(renderer, c, new Widget(parent)), w_(static_cast<Widget*>(widget.data())), checkable_(c)
    {
        w_->setAutoExclusive(false);
        clickAsUser(w_);
    }
    void sync() override
    {
        syncCommon();
        showText(w_, control.Caption);
        if (w_->isChecked() != checkable_.Checked())
            w_->setChecked(checkable_.Checked());
    }

private:
    Widget* w_;
    Control& checkable_;
};

// ---- containers

class GroupBoxBinding : public Binding {
public:
    GroupBoxBinding(QtRenderer::Impl& renderer, TWinControl& c, QWidget* parent) : Binding(renderer, c, new QGroupBox(parent)) {}
    void sync() override
    {
        syncCommon();
        auto* box = static_cast<QGroupBox*>(widget.data());
        const QString text = toQString(control.Caption);
        if (box->title() != text)
            box->setTitle(text);
    }
};

class PanelBinding : public Binding {
public:
    PanelBinding(QtRenderer::Impl& renderer, TPanel& c, QWidget* parent) : Binding(renderer, c, new QFrame(parent)), panel_(c) {}
    void sync() override
    {
        syncCommon();
        auto* frame = static_cast<QFrame*>(widget.data());
        const int shape = panel_.BevelOuter == TPanel::bvNone ? QFrame::NoFrame : QFrame::Panel;
        const int shadow = panel_.BevelOuter == TPanel::bvLowered ? QFrame::Sunken : QFrame::Raised;
        if (frame->frameStyle() != (shape | shadow))
            frame->setFrameStyle(shape | shadow);
        frame->setAutoFillBackground(true);
        QPalette p = frame->palette();
        p.setColor(QPalette::Window, toQColor(panel_.Color));
        frame->setPalette(p);
    }

private:
    TPanel& panel_;
};

class RadioGroupBinding : public Binding {
public:
    RadioGroupBinding(QtRenderer::Impl& renderer, TRadioGroup& c, QWidget* parent)
        : Binding(renderer, c, new QGroupBox(parent)), group_(c)
    {
    }
    void sync() override
    {
        syncCommon();
        auto* box = static_cast<QGroupBox*>(widget.data());
        const QString title = toQString(control.Caption);
        if (box->title() != title)
            box->setTitle(title);
        std::vector<std::string> items = linesOf(group_.Items);
        if (items != items_ || columns_ != group_.Columns || size_ != widget->size()) {
            items_ = items;
            columns_ = group_.Columns;
            size_ = widget->size();
            rebuild();
        }
        for (size_t i = 0; i < buttons_.size(); ++i) {
            const bool on = static_cast<int>(i) == group_.ItemIndex();
            if (buttons_[i]->isChecked() != on)
                buttons_[i]->setChecked(on);
            buttons_[i]->setFont(widget->font());
        }
    }

    // The chosen button (the first when none is), as a person tabbing into the group sees it.
    QWidget* focusTarget() override
    {
        if (buttons_.empty())
            return widget;
        const int i = group_.ItemIndex();
        return i >= 0 && i < static_cast<int>(buttons_.size()) ? buttons_[static_cast<size_t>(i)] : buttons_.front();
    }

private:
    void rebuild()
    {
        for (QRadioButton* b : buttons_)
            delete b;
        buttons_.clear();
        const int n = static_cast<int>(items_.size());
        const int columns = std::max(1, columns_);
        const int rows = std::max(1, (n + columns - 1) / columns);
        const int top = 16;
        const int cellW = std::max(1, (control.Width - 8) / columns);
        const int cellH = std::max(1, (control.Height - top - 4) / rows);
        for (int i = 0; i < n; ++i) {
            auto* b = new QRadioButton(toQString(items_[static_cast<size_t>(i)]), widget);
            b->setFont(widget->font());
            buttons_.push_back(b);
        }
        const std::vector<int> widths = columnWidths(columns, rows, cellW);
        for (int i = 0; i < n; ++i) {
            QRadioButton* b = buttons_[static_cast<size_t>(i)];
            int x = 4;
            for (int c = 0; c < i / rows; ++c)
                x += widths[static_cast<size_t>(c)];
            b->setAutoExclusive(false);
            b->setGeometry(x, top + (i % rows) * cellH, widths[static_cast<size_t>(i / rows)], std::min(cellH, 20));
            b->show();
            watch(b);
            QObject::connect(b, &QRadioButton::clicked, [this, i] {
                if (!syncing()) {
                    user::pick(group_, i);
                    this->r.afterDispatch();
                }
            });
        }
    }
    // Equal columns as the layout gives them, unless an item's text is wider than its column
    // (this platform's sans-serif font runs wider than the one the layout was drawn for): then
    // each column gets what its widest item needs and the room left is shared out evenly.
    std::vector<int> columnWidths(int columns, int rows, int cellW) const
    {
        std::vector<int> need(static_cast<size_t>(columns), 0);
        for (size_t i = 0; i < buttons_.size(); ++i) {
            int& w = need[i / static_cast<size_t>(rows)];
            w = std::max(w, buttons_[i]->sizeHint().width());
        }
        int total = 0;
        bool tooNarrow = false;
        for (int w : need) {
            total += w;
            tooNarrow = tooNarrow || w > cellW;
        }
        const int room = control.Width - 8 - total;
        if (!tooNarrow || room < 0)
            return std::vector<int>(static_cast<size_t>(columns), cellW);
        for (int& w : need)
            w += room / columns;
        return need;
    }
    TRadioGroup& group_;
    std::vector<std::string> items_;
    int columns_ = -1;
    QSize size_;
    std::vector<QRadioButton*> buttons_;
};

class PageControlBinding : public Binding {
public:
    PageControlBinding(QtRenderer::Impl& renderer, TPageControl& c, QWidget* parent)
        : Binding(renderer, c, new QTabWidget(parent)), pages_(c), w_(static_cast<QTabWidget*>(widget.data()))
    {
        watch(w_->tabBar());
        QObject::connect(w_->tabBar(), &QTabBar::tabBarClicked, [this](int index) {
            if (syncing() || index < 0 || index >= pages_.PageCount())
                return;
            user::selectTab(pages_, *pages_.Pages(index));
            this->r.afterDispatch();
        });
        QObject::connect(w_, &QTabWidget::currentChanged, [this](int index) {
            if (syncing() || index < 0 || index >= pages_.PageCount())
                return;
            if (pages_.Pages(index) != pages_.ActivePage())
                user::selectTab(pages_, *pages_.Pages(index));
            this->r.afterDispatch();
        });
    }
    // The tab sheet's page, made here so the tab widget owns it.
    QWidget* addPage(TTabSheet& sheet)
    {
        auto* page = new QWidget();
        w_->insertTab(sheet.PageIndex(), page, toQString(sheet.Caption));
        return page;
    }
    void sync() override
    {
        syncCommon();
        for (int i = 0; i < pages_.PageCount() && i < w_->count(); ++i) {
            TTabSheet* sheet = pages_.Pages(i);
            const QString text = toQString(sheet->Caption);
            if (w_->tabText(i) != text)
                w_->setTabText(i, text);
            if (w_->isTabVisible(i) != (sheet->TabVisible() && sheet->Visible))
                w_->setTabVisible(i, sheet->TabVisible() && sheet->Visible);
            if (w_->isTabEnabled(i) != sheet->Enabled)
                w_->setTabEnabled(i, sheet->Enabled);
        }
        const int active = pages_.ActivePageIndex();
        if (active >= 0 && w_->currentIndex() != active)
            w_->setCurrentIndex(active);
    }

private:
    TPageControl& pages_;
    QTabWidget* w_;
};

class TabSheetBinding : public Binding {
public:
    TabSheetBinding(QtRenderer::Impl& renderer, TTabSheet& c, QWidget* page) : Binding(renderer, c, page) {}
    // The tab widget places and shows its pages.
    void sync() override {}
};

// ---- text

class EditBinding : public Binding {
public:
    EditBinding(QtRenderer::Impl& renderer, TEdit& c, QWidget* parent)
        : Binding(renderer, c, new QLineEdit(parent)), edit_(c), w_(static_cast<QLineEdit*>(widget.data()))
    {
        QObject::connect(w_, &QLineEdit::textEdited, [this] {
            if (syncing())
                return;
            takeLineEdit(w_, edit_);
            this->r.afterDispatch();
        });
        QObject::connect(w_, &QLineEdit::cursorPositionChanged, [this] { takeSelection(); });
        QObject::connect(w_, &QLineEdit::selectionChanged, [this] { takeSelection(); });
    }
    void sync() override
    {
        syncCommon();
        showLine(w_, edit_);
        w_->setReadOnly(edit_.ReadOnly);
    }

private:
    void takeSelection()
    {
        if (!syncing())
            takeLineSelection(w_, edit_);
    }
    TEdit& edit_;
    QLineEdit* w_;
};

class MemoBinding : public Binding {
public:
    MemoBinding(QtRenderer::Impl& renderer, TMemo& c, QWidget* parent)
        : Binding(renderer, c, new QPlainTextEdit(parent)), memo_(c), w_(static_cast<QPlainTextEdit*>(widget.data()))
    {
        watch(w_->viewport());
        QObject::connect(w_, &QPlainTextEdit::textChanged, [this] {
            if (syncing())
                return;
            const QString text = w_->toPlainText();
            const std::string now = crlf(text);
            if (now == memo_.Text())
                return;
            playEdit(memo_, now, crlfPosition(toU32(now), toCharIndex(text, w_->textCursor().position())));
            takeSelection();
            this->r.afterDispatch();
        });
        QObject::connect(w_, &QPlainTextEdit::cursorPositionChanged, [this] { takeSelection(); });
    }
    void sync() override
    {
        syncCommon();
        const QString text = lf(memo_.Text());
        if (w_->toPlainText() != text) {
            w_->setPlainText(text);
            QTextCursor cursor = w_->textCursor();
            cursor.setPosition(std::min(static_cast<int>(text.size()), toUtf16Index(text, lfPosition(memo_.SelStart()))));
            w_->setTextCursor(cursor);
        }
        w_->setReadOnly(memo_.ReadOnly);
        w_->setLineWrapMode(memo_.WordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
        const bool vertical = memo_.ScrollBars == TMemo::ssVertical || memo_.ScrollBars == TMemo::ssBoth;
        const bool horizontal = memo_.ScrollBars == TMemo::ssHorizontal || memo_.ScrollBars == TMemo::ssBoth;
        w_->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
        w_->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
        QPalette p = w_->palette();
        p.setColor(QPalette::Base, toQColor(memo_.Color));
        p.setColor(QPalette::Text, toQColor(memo_.Font.Color));
        w_->setPalette(p);
    }

private:
    // The model counts CR LF as two characters; the widget's text has LF alone.
    int lfPosition(int crlfChars) const
    {
        const std::u32string t = toU32(memo_.Text());
        int out = 0;
        for (int i = 0; i < crlfChars && i < static_cast<int>(t.size()); ++i)
            if (t[static_cast<size_t>(i)] != U'\r')
                ++out;
        return out;
    }
    int crlfPosition(int lfChars) const { return crlfPosition(toU32(memo_.Text()), lfChars); }
    static int crlfPosition(const std::u32string& t, int lfChars)
    {
        int out = 0, seen = 0;
        while (out < static_cast<int>(t.size()) && seen < lfChars) {
            if (t[static_cast<size_t>(out)] != U'\r')
                ++seen;
            ++out;
        }
        return out;
    }
    void takeSelection()
    {
        if (syncing() || crlf(w_->toPlainText()) != memo_.Text())
            return;
        const QString text = w_->toPlainText();
        const QTextCursor c = w_->textCursor();
        const int start = crlfPosition(toCharIndex(text, c.selectionStart()));
        const int end = crlfPosition(toCharIndex(text, c.selectionEnd()));
        if (start != memo_.SelStart() || end - start != memo_.SelLength())
            user::select(memo_, start, end - start);
    }
    TMemo& memo_;
    QPlainTextEdit* w_;
};

// A combo box whose list opens only once the focus is in it. A click into the box moves the
// focus before the list drops down, and the program may fill the items when the box is entered;
// when the focus comes late (a click that also activates the window), it is moved here first, so
// the list never shows the items of before the entry.
class FocusFirstComboBox : public QComboBox {
public:
    using QComboBox::QComboBox;
    std::function<void()> beforePopup;
    void showPopup() override
    {
        if (beforePopup)
            beforePopup();
        QComboBox::showPopup();
    }
};

class ComboBinding : public Binding {
public:
    ComboBinding(QtRenderer::Impl& renderer, TComboBox& c, QWidget* parent)
        : Binding(renderer, c, new FocusFirstComboBox(parent)), combo_(c), w_(static_cast<QComboBox*>(widget.data()))
    {
        static_cast<FocusFirstComboBox*>(w_)->beforePopup = [this] {
            if (syncing() || combo_.Focused())
                return;
            user::focus(combo_);
            this->r.afterDispatch();
        };
        w_->setInsertPolicy(QComboBox::NoInsert);
        QObject::connect(w_, &QComboBox::activated, [this](int index) {
            if (syncing())
                return;
            // Leaving an editable box whose text names one of its items (also for its own list
            // to open) makes Qt report a choice of that item, while the focus may be on its way
            // to the widget clicked: picking it would pull the focus back and lose the click.
            // The box holds the text typed already.
            if (w_->isEditable() && (!w_->hasFocus() || toQString(combo_.Text()) == w_->itemText(index)))
                return;
            user::pick(combo_, index);
            this->r.afterDispatch();
        });
    }
    void sync() override
    {
        syncCommon();
        const bool editable = combo_.Style != TComboBox::csDropDownList;
        if (w_->isEditable() != editable) {
            w_->setEditable(editable);
            if (editable)
                attachEdit();
        }
        std::vector<std::string> items = linesOf(combo_.Items);
        if (items != items_) {
            items_ = std::move(items);
            w_->clear();
            w_->addItems(toQStrings(items_));
        }
        if (w_->currentIndex() != combo_.ItemIndex())
            w_->setCurrentIndex(combo_.ItemIndex());
        w_->setMaxVisibleItems(std::max(1, combo_.DropDownCount));
        if (QLineEdit* line = w_->lineEdit())
            showLine(line, combo_);
    }

private:
    void attachEdit()
    {
        QLineEdit* line = w_->lineEdit();
        watch(line);
        QObject::connect(line, &QLineEdit::textEdited, [this, line] {
            if (syncing())
                return;
            takeLineEdit(line, combo_);
            this->r.afterDispatch();
        });
        auto take = [this, line] {
            if (!syncing())
                takeLineSelection(line, combo_);
        };
        QObject::connect(line, &QLineEdit::cursorPositionChanged, take);
        QObject::connect(line, &QLineEdit::selectionChanged, take);
    }
    TComboBox& combo_;
    QComboBox* w_;
    std::vector<std::string> items_;
};

// ---- lists

class ListBinding : public Binding {
public:
    ListBinding(QtRenderer::Impl& renderer, TListBox& c, QWidget* parent)
        : Binding(renderer, c, new QListWidget(parent)), list_(c), w_(static_cast<QListWidget*>(widget.data())),
          checks_(dynamic_cast<TCheckListBox*>(&c))
    {
        // Every line is one line of text: without this the view lays out the text of every
        // line of a list of a whole tree after each change.
        w_->setUniformItemSizes(true);
        watch(w_->viewport());
    }
    void sync() override
    {
        syncCommon();
        std::vector<std::string> items = linesOf(list_.Items);
        if (items != items_) {
            items_ = std::move(items);
            w_->clear();
            w_->addItems(toQStrings(items_));
        }
        if (checks_)
            for (int i = 0; i < w_->count(); ++i) {
                QListWidgetItem* item = w_->item(i);
                // Each change of an item tells the view; a list of a whole tree must not be told
                // a hundred thousand times what it knows already.
                if (!(item->flags() & Qt::ItemIsUserCheckable))
                    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
                const Qt::CheckState state = checks_->Checked(i) ? Qt::Checked : Qt::Unchecked;
                // A line shows its box only once it holds a state, unticked too.
                if (!item->data(Qt::CheckStateRole).isValid() || item->checkState() != state)
                    item->setCheckState(state);
            }
        if (w_->currentRow() != list_.ItemIndex())
            w_->setCurrentRow(list_.ItemIndex());
        if (list_.ItemIndex() < 0)
            w_->clearSelection();
    }
    bool event(QObject* o, QEvent* e) override
    {
        if (o == w_->viewport()) {
            const auto type = e->type();
            if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
                auto* m = static_cast<QMouseEvent*>(e);
                if (m->button() != Qt::LeftButton)
                    return false;
                const QPoint at = m->position().toPoint();
                const QModelIndex index = w_->indexAt(at);
                const int row = index.isValid() ? index.row() : -1;
                if (type == QEvent::MouseButtonDblClick) {
                    user::doubleClickLine(list_, row);
                } else if (checks_ && row >= 0 && at.x() < w_->visualRect(index).left() + 20) {
                    user::tick(*checks_, row);
                } else if (row >= 0) {
                    user::pick(list_, row);
                } else {
                    user::focus(list_);
                }
                this->r.afterDispatch();
                return true;
            }
            if (type == QEvent::MouseButtonRelease || type == QEvent::MouseMove)
                return static_cast<QMouseEvent*>(e)->buttons() != Qt::NoButton || type == QEvent::MouseButtonRelease;
        }
        return Binding::event(o, e);
    }

private:
    TListBox& list_;
    QListWidget* w_;
    TCheckListBox* checks_;
    std::vector<std::string> items_;
};

// ---- bars, up-down, calendar

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
    StatusBarBinding(QtRenderer::Impl& renderer, TStatusBar& c, QWidget* parent) : Binding(renderer, c, new QLabel(parent)), bar_(c)
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

class SplitterBinding : public Binding {
public:
    SplitterBinding(QtRenderer::Impl& renderer, TSplitter& c, QWidget* parent) : Binding(renderer, c, new QWidget(parent)), splitter_(c)
    {
        widget->setCursor(Qt::SplitHCursor);
        watch(widget);
    }
    bool event(QObject*, QEvent* e) override
    {
        // The controls move once, when the button is let go: each move lays out the whole window.
        if (e->type() == QEvent::MouseButtonPress) {
            from_ = static_cast<QMouseEvent*>(e)->globalPosition().toPoint().x();
            return true;
        }
        if (e->type() == QEvent::MouseButtonRelease) {
            const int dx = static_cast<QMouseEvent*>(e)->globalPosition().toPoint().x() - from_;
            splitter_.userDrag(dx);
            r.afterDispatch();
            return true;
        }
        return false;
    }

private:
    TSplitter& splitter_;
    int from_ = 0;
};

class UpDownBinding : public Binding {
public:
    UpDownBinding(QtRenderer::Impl& renderer, TUpDown& c, QWidget* parent) : Binding(renderer, c, new QWidget(parent)), upDown_(c)
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
        syncCommon();
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

class CalendarBinding : public Binding {
public:
    CalendarBinding(QtRenderer::Impl& renderer, TMonthCalendar& c, QWidget* parent)
        : Binding(renderer, c, new QCalendarWidget(parent)), calendar_(c)
    {
        auto* w = static_cast<QCalendarWidget*>(widget.data());
        // Month and day names in Czech, as every other text of the program, whatever the
        // system's language.
        w->setLocale(QLocale(QLocale::Czech, QLocale::Czechia));
        w->setFirstDayOfWeek(Qt::Monday);
        QObject::connect(w, &QCalendarWidget::clicked, [this](QDate date) { pick(date); });
        // Turning the month with the arrows or the month and year menus picks the same day of
        // the month shown (or its last day), so what follows the picked date follows the page.
        QObject::connect(w, &QCalendarWidget::currentPageChanged, [this, w](int year, int month) {
            if (syncing())
                return;
            const QDate first(year, month, 1);
            const int day = std::min(w->selectedDate().day(), first.daysInMonth());
            pick(QDate(year, month, day));
        });
    }
    void sync() override
    {
        syncCommon();
        int y = 0, m = 0, d = 0;
        decodeDate(calendar_.Date(), y, m, d);
        auto* w = static_cast<QCalendarWidget*>(widget.data());
        const QDate date(y, m, d);
        if (date.isValid() && w->selectedDate() != date)
            w->setSelectedDate(date);
    }

private:
    void pick(QDate date)
    {
        if (syncing() || !date.isValid())
            return;
        if (const std::optional<TDateTime> picked = encoded(date))
            user::pickDate(calendar_, *picked);
        this->r.afterDispatch();
    }
    // Kept out of pick: an optimised build otherwise takes the date handed on by value for the
    // address of a local that the connected slot outlives.
    static std::optional<TDateTime> encoded(QDate date)
    {
        TDateTime value = 0;
        if (!tryEncodeDate(date.year(), date.month(), date.day(), value))
            return std::nullopt;
        return value;
    }
    TMonthCalendar& calendar_;
};

}  // namespace

QWidget* addTabPage(Binding& pageControl, TTabSheet& sheet)
{
    return static_cast<PageControlBinding&>(pageControl).addPage(sheet);
}

std::unique_ptr<Binding> makeBinding(QtRenderer::Impl& r, TControl& c, QWidget* parent)
{
    if (auto* x = dynamic_cast<TTabSheet*>(&c)) {
        Binding* pages = r.bindingOf(*x->PageControl());
        return std::make_unique<TabSheetBinding>(r, *x, addTabPage(*pages, *x));
    }
    if (auto* x = dynamic_cast<TLabel*>(&c))
        return std::make_unique<LabelBinding>(r, *x, parent);
    if (auto* x = dynamic_cast<TDrawGrid*>(&c))
        return std::make_unique<GridBinding>(r, *x, parent);
    if (auto* x = dynamic_cast<TImage*>(&c))
        return std::make_unique<ImageBinding>(r, *x, parent);
    if (auto* x = dynamic_cast<TButton*>(&c))
        return std::make_unique<ButtonBinding>(r, *x, parent);
    if (auto* x = dynamic_cast<TSpeedButton*>(&c))
        return std::make_unique<SpeedButtonBinding>(r, *x, parent);
    if (auto* x = dynamic_cast<TCheckBox*>(&c))
        return std::make_unique<CheckableBinding<TCheckBox, QCheckBox>>(r, *x, parent);
    if (auto* x = dynamic_cast<TRadioButton*>(&c))
        return std::make_unique<CheckableBinding<TRadioButton, QRadioButton>>(r, *x, parent);
    if (auto* x = dynamic_cast<TRadioGroup*>(&c))
        return std::make_unique<RadioGroupBinding>(r, *x, parent);
    if (auto* x = dynamic_cast<TGroupBox*>(&c))
        return std::make_unique<GroupBoxBinding>(r, *x, parent);
    if (auto* x = dynamic_cast<TPanel*>(&c))
        return std::make_unique<PanelBinding>(r, *x, parent);
    if (auto* x = dynamic_cast<TPageControl*>(&c))
        return std::make_unique<PageControlBinding>(r, *x, parent);
    if (auto* x = dynamic_cast<TEdit*>(&c))
        return std::make_unique<EditBinding>(r, *x, parent);
    if (auto* x = dynamic_cast<TMemo*>(&c))
        return std::make_unique<MemoBinding>(r, *x, parent);
    if (auto* x = dynamic_cast<TComboBox*>(&c))
        return std::make_unique<ComboBinding>(r, *x, parent);
    if (auto* x = dynamic_cast<TListBox*>(&c))
        return std::make_unique<ListBinding>(r, *x, parent);
    if (auto* x = dynamic_cast<TScrollBar*>(&c))
        return std::make_unique<ScrollBarBinding>(r, *x, parent);
    if (auto* x = dynamic_cast<TProgressBar*>(&c))
        return std::make_unique<ProgressBinding>(r, *x, parent);
    if (auto* x = dynamic_cast<TStatusBar*>(&c))
        return std::make_unique<StatusBarBinding>(r, *x, parent);
    if (auto* x = dynamic_cast<TSplitter*>(&c))
        return std::make_unique<SplitterBinding>(r, *x, parent);
    if (auto* x = dynamic_cast<TUpDown*>(&c))
        return std::make_unique<UpDownBinding>(r, *x, parent);
    if (auto* x = dynamic_cast<TMonthCalendar*>(&c))
        return std::make_unique<CalendarBinding>(r, *x, parent);
    // Anything else shows as an empty area of its size.
    return std::make_unique<Binding>(r, c, new QWidget(parent));
}
