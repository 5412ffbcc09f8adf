#include "toolkit/qt/qt_renderer.h"

#include "toolkit/application.h"
#include "toolkit/dialogs.h"
#include "toolkit/form.h"
#include "toolkit/menus.h"
#include "toolkit/pagecontrol.h"
#include "toolkit/qt/qt_canvas.h"
#include "toolkit/qt/qt_impl.h"
#include "toolkit/screen.h"
#include "toolkit/useractions.h"

#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QIdentityProxyModel>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

// ---- the window of a form

FormWindow::FormWindow(QtRenderer::Impl& renderer, TForm& f) : QDialog(nullptr), form(f), r_(renderer)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // A sizeable window grows but never below its layout, and what it gains lies right of and
    // below the client area, which stays under the menu bar; any other window keeps its size.
    const bool sizeable = form.BorderStyle == TFormBorderStyle::bsSizeable;
    layout->setSizeConstraint(sizeable ? QLayout::SetMinimumSize : QLayout::SetFixedSize);
    client = new QWidget(this);
    client->setFixedSize(form.Width, form.Height);
    layout->addWidget(client, 0, Qt::AlignLeft | Qt::AlignTop);
    Qt::WindowFlags flags = Application.MainForm == &form ? Qt::Window : Qt::Dialog;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (form.CloseBox)
        flags |= Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint;
    if (Application.MainForm == &form)
        flags |= Qt::WindowMinimizeButtonHint;
    if (Application.MainForm == &form && sizeable)
        flags |= Qt::WindowMaximizeButtonHint;
    setWindowFlags(flags);
    setAutoFillBackground(true);
}

namespace {

// A title bar and a border, as a window manager frames a window before it has: the frame of a
// window not yet shown is unknown.
QMargins expectedFrameMargins(const QStyle* style)
{
    const int border = 4;
    const int title = style->pixelMetric(QStyle::PM_TitleBarHeight) + border;
    return QMargins(border, title, border, border);
}

} // namespace

QMargins FormWindow::frameMargins() const
{
    const QRect frame = frameGeometry();
    if (frame.size() == size())
        return expectedFrameMargins(style());
    const QRect inner = geometry();
    return QMargins(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                    frame.bottom() - inner.bottom());
}

void FormWindow::keepInsideScreen()
{
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QMargins margins = frameMargins();
    const QRect frame = geometry().marginsAdded(margins);
    QPoint topLeft = frame.topLeft();
    topLeft.setX(std::max(area.left(), std::min(topLeft.x(), area.right() + 1 - frame.width())));
    topLeft.setY(std::max(area.top(), std::min(topLeft.y(), area.bottom() + 1 - frame.height())));
    // move() places the frame of a framed window and the window itself of one not yet framed.
    const QPoint moved =
        frameGeometry().size() == size() ? topLeft + QPoint(margins.left(), margins.top()) : topLeft;
    if (topLeft != frame.topLeft())
        move(moved);
}

void FormWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    user::closeWindow(form);
    r_.afterDispatch();
}

void FormWindow::keyPressEvent(QKeyEvent* event)
{
    // Keys of a focused control went to the form through its binding; here only keys that
    // reach the window with no control of ours focused.
    QWidget* focus = QApplication::focusWidget();
    if (focus && r_.watched.count(focus))
        return;
    const int code = keyCodeOf(event->key());
    if (code == 0)
        return;
    TShiftState shift = shiftOf(event->modifiers());
    if (event->key() == Qt::Key_Backtab)
        shift.shift = true;
    user::keyDown(form, code, shift);
    r_.afterDispatch();
}

void FormWindow::wheelEvent(QWheelEvent* event)
{
    const QPoint at = event->position().toPoint();
    user::wheel(form, event->angleDelta().y(), nullptr, at.x(), at.y());
    r_.afterDispatch();
}

void FormWindow::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !form.Visible)
        return;
    if (isActiveWindow()) {
        if (frameUnchecked) {
            frameUnchecked = false;
            keepInsideScreen();
            // The main window's real frame and menu bar tell the room its client area has,
            // before the program sizes it to the screen.
            if (Application.MainForm == &form)
                if (QScreen* screen = this->screen()) {
                    const QRect area = screen->availableGeometry();
                    const QMargins frame = frameMargins();
                    const int bar = menuBar ? menuBar->height() : 0;
                    Screen->ClientRoomWidth = area.width() - frame.left() - frame.right();
                    Screen->ClientRoomHeight = area.height() - frame.top() - frame.bottom() - bar;
                }
        }
        // The program's activation work (the first one starts the program) runs from the loop,
        // not inside the window system's event.
        QPointer<FormWindow> self(this);
        QTimer::singleShot(0, this, [this, self] {
            if (!self || !isActiveWindow() || !form.Visible)
                return;
            user::activate(form);
            r_.afterDispatch();
        });
    } else if (Application.activeForm() == &form && !form.Modal() && !QApplication::activeWindow()) {
        // Only another program taking the keyboard deactivates the window; the program's own
        // message boxes and file dialogs do not.
        Application.deactivate();
    }
}

// ---- the renderer's state

QtRenderer::Impl::~Impl()
{
    // The controls may be gone already: no event or signal of a dying widget reaches them.
    ++syncing;
    watched.clear();
    for (auto& [form, window] : windows)
        delete window;
    for (auto& [timer, qtimer] : timers)
        delete qtimer;
}

Binding* QtRenderer::Impl::bindingOf(TControl& control)
{
    auto it = bindings.find(&control);
    return it == bindings.end() ? nullptr : it->second.get();
}

bool QtRenderer::Impl::eventFilter(QObject* object, QEvent* event)
{
    auto it = watched.find(object);
    if (it == watched.end())
        return false;
    if (event->type() == QEvent::KeyPress && object != QApplication::focusWidget())
        return false; // a key passed up from a focused child, handled there
    return it->second->event(object, event);
}

void QtRenderer::Impl::afterDispatch()
{
    self.syncAll();
    for (auto& [form, loop] : modalLoops)
        if (form->ModalResult != mrNone || !form->Visible)
            loop->quit();
    queueSync();
}

void QtRenderer::Impl::afterEdit()
{
    QMetaObject::invokeMethod(
        this, [this] { afterDispatch(); }, Qt::QueuedConnection);
}

void QtRenderer::Impl::queueSync()
{
    if (syncQueued)
        return;
    syncQueued = true;
    QTimer::singleShot(0, this, [this] {
        syncQueued = false;
        self.syncAll();
    });
}

FormWindow* QtRenderer::Impl::windowFor(TForm& form)
{
    auto it = windows.find(&form);
    if (it != windows.end())
        return it->second;
    auto* window = new FormWindow(*this, form);
    windows[&form] = window;
    if (form.Menu)
        buildMenuBar(*window, form.Menu->Items);
    ++syncing;
    syncChildren(form, window->client);
    --syncing;
    return window;
}

void QtRenderer::Impl::syncChildren(TWinControl& parent, QWidget* content)
{
    for (TControl* child : parent.Controls()) {
        Binding* b = bindingOf(*child);
        if (!b) {
            auto made = makeBinding(*this, *child, content);
            b = made.get();
            bindings[child] = std::move(made);
        }
        b->sync();
        if (auto* w = dynamic_cast<TWinControl*>(child))
            syncChildren(*w, b->content());
    }
}

namespace {

// The menu bar's captions carry no marks of their own, so each menu takes the first letter of its
// caption that no menu before it took, and Alt with that letter opens it. A letter found on every
// keyboard is preferred to one with an accent. A caption a translator marked keeps its mark.
QString menuBarText(const TMenuItem& wanted)
{
    const TMenuItem* root = wanted.Parent();
    QString shown = toQString(wanted.Caption);
    if (!root)
        return shown;
    QList<QChar> taken;
    for (const TMenuItem* item : root->Items()) {
        QString text = toQString(item->Caption);
        const int marked = int(text.indexOf(QRegularExpression("&[^&]")));
        if (marked >= 0) {
            taken.append(text[marked + 1].toUpper());
        } else {
            int at = -1;
            for (int pass = 0; pass < 2 && at < 0; ++pass)
                for (int i = 0; i < text.size() && at < 0; ++i) {
                    const QChar c = text[i];
                    if (c.isLetter() && (pass == 1 || c.unicode() < 128) && !taken.contains(c.toUpper()))
                        at = i;
                }
            if (at >= 0) {
                taken.append(text[at].toUpper());
                text.insert(at, '&');
            }
        }
        if (item == &wanted)
            return text;
    }
    return shown;
}

bool onMenuBar(const TMenuItem& item)
{
    return item.Parent() && !item.Parent()->Parent();
}

} // namespace

void QtRenderer::Impl::buildMenuBar(FormWindow& window, TMenuItem& root)
{
    window.menuBar = new QMenuBar(&window);
    static_cast<QVBoxLayout*>(window.layout())->setMenuBar(window.menuBar);
    for (TMenuItem* item : root.Items()) {
        QMenu* menu = window.menuBar->addMenu(menuBarText(*item));
        actions[item] = menu->menuAction();
        buildMenu(menu, *item);
    }
}

void QtRenderer::Impl::buildMenu(QMenu* menu, TMenuItem& parent)
{
    for (TMenuItem* item : parent.Items()) {
        if (item->isSeparator()) {
            actions[item] = menu->addSeparator();
            continue;
        }
        if (item->Count() > 0) {
            QMenu* sub = menu->addMenu(toQString(item->Caption));
            actions[item] = sub->menuAction();
            buildMenu(sub, *item);
            continue;
        }
        QAction* action = menu->addAction(toQString(item->Caption));
        actions[item] = action;
        QObject::connect(action, &QAction::triggered, this, [this, item] {
            if (syncing)
                return;
            user::click(*item);
            afterDispatch();
        });
    }
}

void QtRenderer::Impl::syncMenu(TMenuItem& parent)
{
    // The texts of the menu bar follow every caption on it (each takes a letter the ones before
    // it left): they are made again only when one of those captions changed.
    bool barChanged = false;
    if (!parent.Parent()) {
        std::string captions;
        for (const TMenuItem* item : parent.Items())
            captions.append(item->Caption).push_back('\n');
        std::string& shown = menuBarShown[&parent];
        barChanged = shown != captions;
        if (barChanged)
            shown = std::move(captions);
    }
    for (TMenuItem* item : parent.Items()) {
        auto it = actions.find(item);
        if (it != actions.end() && !item->isSeparator()) {
            QAction* a = it->second;
            const bool bar = onMenuBar(*item);
            const bool command = item->Count() == 0;
            auto shown = menuTextShown.find(item);
            const bool same = shown != menuTextShown.end() && shown->second.caption == item->Caption &&
                              shown->second.shortCut == item->ShortCut && shown->second.command == command;
            if (!same || (bar && barChanged)) {
                QString text = bar ? menuBarText(*item) : toQString(item->Caption);
                // The shortcut is shown, not registered: keys reach the menu through the form.
                if (item->ShortCut && item->Count() == 0)
                    text += "\t" + toQString(ShortCutToText(item->ShortCut));
                if (a->text() != text)
                    a->setText(text);
                menuTextShown[item] = {item->Caption, item->ShortCut, command};
            }
            if (a->isEnabled() != item->Enabled)
                a->setEnabled(item->Enabled);
            a->setCheckable(item->Checked);
            if (a->isChecked() != item->Checked)
                a->setChecked(item->Checked);
        }
        if (it != actions.end() && it->second->isVisible() != item->Visible)
            it->second->setVisible(item->Visible);
        syncMenu(*item);
    }
}

void QtRenderer::Impl::syncFocus(TForm& form)
{
    TWinControl* active = form.ActiveControl();
    if (!active)
        return;
    Binding* b = bindingOf(*active);
    FormWindow* window = windows[&form];
    if (!b || !b->widget || !window->isActiveWindow())
        return;
    QWidget* target = b->focusTarget();
    QWidget* focus = QApplication::focusWidget();
    if (focus != target && !(focus && target->isAncestorOf(focus)))
        target->setFocus(Qt::OtherFocusReason);
}

void QtRenderer::Impl::syncForm(TForm& form)
{
    FormWindow* window = windowFor(form);
    ++syncing;
    const QString title = toQString(form.Caption);
    if (window->windowTitle() != title)
        window->setWindowTitle(title);
    if (window->client->size() != QSize(form.Width, form.Height)) {
        window->client->setFixedSize(form.Width, form.Height);
        // A window the program resizes while it is shown takes its layout's size both ways, so
        // a narrower layout leaves no empty strip beside it, and stays wholly on the screen.
        if (window->isVisible()) {
            window->layout()->activate();
            if (!(window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
                window->resize(window->sizeHint());
            window->keepInsideScreen();
        } else if (form.Position != TPosition::poDesigned) {
            // A window laid out anew for what it shows next (a longer question) is placed
            // anew when it shows, as on its first showing, rather than grown from a corner.
            window->placed = false;
        }
    }
    if (window->shownColor != form.Color) {
        window->shownColor = form.Color;
        QPalette p = window->palette();
        p.setColor(QPalette::Window, toQColor(form.Color));
        window->setPalette(p);
    }
    if (window->isEnabled() != form.Enabled)
        window->setEnabled(form.Enabled);
    if (form.Menu)
        syncMenu(form.Menu->Items);
    syncChildren(form, window->client);
    if (form.Visible && !window->isVisible()) {
        if (!window->placed) {
            window->placed = true;
            window->adjustSize();
            if (form.Position == TPosition::poDesigned) {
                window->move(form.Left, form.Top);
            } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
                QRect frame = window->frameGeometry();
                frame.moveCenter(screen->availableGeometry().center());
                window->move(frame.topLeft());
            }
            window->keepInsideScreen();
            window->frameUnchecked = true;
        }
        window->show();
        ++shownEpoch;
    } else if (!form.Visible && window->isVisible()) {
        window->hide();
    }
    syncFocus(form);
    --syncing;
}

// ---- the renderer

namespace {

// The modification date column of Qt's file list, written with the Czech locale.
class CzechDatesModel : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == Qt::DisplayRole && index.column() == dateColumn)
            if (auto* files = qobject_cast<QFileSystemModel*>(sourceModel()))
                return QLocale(QLocale::Czech, QLocale::Czechia)
                    .toString(files->lastModified(mapToSource(index)), QLocale::ShortFormat);
        return QIdentityProxyModel::data(index, role);
    }

private:
    static constexpr int dateColumn = 3;
};

} // namespace

void showCzechFileDates(QFileDialog& dialog)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setProxyModel(new CzechDatesModel(&dialog));
}

QString qtNameFilters(const std::string& filter)
{
    const QStringList parts = toQString(filter).split('|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        const QString listed = " (" + patterns + ")";
        patterns.replace(';', ' ');
        const QString shown = " (" + patterns + ")";
        // Qt reads the patterns from the description's last parentheses, separated by blanks; a
        // description that lists them already with semicolons lists them so once.
        QString description = parts[i];
        if (description.endsWith(listed))
            description.chop(listed.size());
        out << (description.endsWith(shown) ? description : description + shown);
    }
    return out.join(";;");
}

namespace {

// Widths of texts in fonts, each measured once, and the fonts' line heights: the person list measures the names of its rows
// (to shorten the ones too wide) at every paint, and shaping a text is most of a paint's time.
class TextWidths {
public:
    int of(const TFont& font, const std::string& text)
    {
        Font& f = fontOf(font);
        auto it = f.widths.find(text);
        if (it != f.widths.end())
            return it->second;
        if (f.widths.size() >= maxTexts)
            f.widths.clear();
        const int width = f.metrics.horizontalAdvance(toQString(text));
        f.widths.emplace(text, width);
        return width;
    }
    int lineHeight(const TFont& font) { return fontOf(font).metrics.lineSpacing(); }

private:
    static constexpr size_t maxFonts = 16;
    static constexpr size_t maxTexts = 20000;
    struct Font {
        TFont font;
        QFontMetrics metrics;
        std::unordered_map<std::string, int> widths;
    };
    Font& fontOf(const TFont& font)
    {
        for (Font& f : fonts_)
            if (f.font == font)
                return f;
        if (fonts_.size() >= maxFonts)
            fonts_.erase(fonts_.begin());
        fonts_.push_back({font, QFontMetrics(toQFont(font)), {}});
        return fonts_.back();
    }
    std::vector<Font> fonts_;
};

} // namespace

QtRenderer::QtRenderer() : d(std::make_unique<Impl>(*this))
{
    Application.setHost(this);
    Application.setRunner(this);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        Screen->Width = screen->geometry().width();
        Screen->Height = screen->geometry().height();
        const QRect area = screen->availableGeometry();
        const QMargins frame = expectedFrameMargins(QApplication::style());
        QMenuBar bar;
        bar.addMenu(QStringLiteral("Lipoveta"));
        Screen->ClientRoomWidth = area.width() - frame.left() - frame.right();
        Screen->ClientRoomHeight = area.height() - frame.top() - frame.bottom() - bar.sizeHint().height();
    }
    auto widths = std::make_shared<TextWidths>();
    setTextMeasurer({[widths](const TFont& font, const std::string& text) { return widths->of(font, text); },
                     [widths](const TFont& font) { return widths->lineHeight(font); }});
}

QtRenderer::~QtRenderer()
{
    setTextMeasurer({});
    if (Application.host() == this)
        Application.setHost(nullptr);
    if (Application.installedRunner() == this)
        Application.setRunner(nullptr);
}

QWidget* QtRenderer::window(TForm& form)
{
    return d->windowFor(form);
}

void QtRenderer::syncAll()
{
    std::vector<TForm*> forms = Application.forms();
    for (auto& [form, window] : d->windows)
        if (std::find(forms.begin(), forms.end(), form) == forms.end())
            forms.push_back(form);
    for (TForm* form : forms) {
        // A window that is hidden and stays hidden shows nothing to follow; it is synced whole
        // when it is shown.
        auto window = d->windows.find(form);
        if (form->Visible || (window != d->windows.end() && window->second->isVisible()))
            d->syncForm(*form);
    }
}

bool QtRenderer::saveScreenshot(TForm& form, const std::string& path)
{
    syncAll();
    d->syncForm(form);
    QWidget* w = d->windowFor(form);
    return w->grab().save(toQString(path), "PNG");
}

void QtRenderer::invalidate(TControl& control)
{
    if (Binding* b = d->bindingOf(control); b && b->widget)
        b->widget->update();
}

void QtRenderer::repaintNow(TControl& control)
{
    Binding* b = d->bindingOf(control);
    if (!b || !b->widget)
        return;
    ++d->syncing;
    b->sync();
    --d->syncing;
    b->widget->repaint();
}

void QtRenderer::timerChanged(TTimer& timer)
{
    QTimer*& qtimer = d->timers[&timer];
    if (!qtimer) {
        qtimer = new QTimer();
        TTimer* model = &timer;
        QObject::connect(qtimer, &QTimer::timeout, d.get(), [this, model] {
            user::tick(*model);
            d->afterDispatch();
        });
    }
    if (timer.Enabled() && timer.Interval() > 0)
        qtimer->start(timer.Interval());
    else
        qtimer->stop();
}

void QtRenderer::formShown(TForm& form)
{
    d->syncForm(form);
}

void QtRenderer::formHidden(TForm& form)
{
    auto it = d->windows.find(&form);
    if (it != d->windows.end())
        it->second->hide();
}

void QtRenderer::terminate()
{
    for (auto& [form, loop] : d->modalLoops)
        loop->quit();
    // The loop ends as the program asked, without closing the windows once more: quit() would
    // ask every window whether it may close, and the main window asks about an open tree.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
}

namespace {
// When a modal window closes, the window the program holds active takes the keyboard back. A
// window manager would hand it back; without one the keyboard went nowhere, and what a person
// typed after answering a question was lost until a click. It is done from the loop, once the
// program has finished reactivating, and not while another modal window is up (a second
// question asked at once keeps the keyboard).
class KeyboardBack {
public:
    explicit KeyboardBack(QtRenderer::Impl& r) : r_(r) { }
    ~KeyboardBack()
    {
        QtRenderer::Impl* r = &r_;
        QTimer::singleShot(0, r, [r] {
            TForm* form = Application.activeForm();
            auto it = r->windows.find(form);
            if (it == r->windows.end() || !it->second->isVisible() ||
                QApplication::activeWindow() == it->second)
                return;
            if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != it->second)
                return;
            it->second->activateWindow();
        });
    }
    KeyboardBack(const KeyboardBack&) = delete;
    KeyboardBack& operator=(const KeyboardBack&) = delete;

private:
    QtRenderer::Impl& r_;
};
} // namespace

void QtRenderer::runModal(TForm& form)
{
    const KeyboardBack back(*d);
    FormWindow* window = d->windowFor(form);
    window->setWindowModality(Qt::ApplicationModal);
    syncAll();
    window->raise();
    window->activateWindow();
    QEventLoop loop;
    d->modalLoops.emplace_back(&form, &loop);
    struct Pop {
        std::vector<std::pair<TForm*, QEventLoop*>>& loops;
        ~Pop() { loops.pop_back(); }
    } pop{d->modalLoops};
    for (;;) {
        if (Application.Terminated) {
            if (form.ModalResult == mrNone)
                form.ModalResult = mrCancel;
            break;
        }
        if (form.ModalResult != mrNone && form.tryCloseModal())
            break;
        loop.exec();
    }
    window->hide();
}

namespace {
QString buttonText(QMessageBox::StandardButton b)
{
    switch (b) {
    case QMessageBox::Ok:
        return "OK";
    case QMessageBox::Cancel:
        return "Storno";
    case QMessageBox::Yes:
        return "Ano";
    case QMessageBox::No:
        return "Ne";
    case QMessageBox::Abort:
        return "Přerušit";
    case QMessageBox::Retry:
        return "Opakovat";
    case QMessageBox::Ignore:
        return "Ignorovat";
    default:
        return {};
    }
}

} // namespace

int QtRenderer::messageBox(const std::string& text, const std::string& caption, int flags)
{
    const KeyboardBack back(*d);
    QMessageBox box;
    box.setWindowTitle(toQString(caption));
    box.setText(toQString(text));
    const int icon = flags & 0xF0;
    box.setIcon(icon == MB_ICONERROR         ? QMessageBox::Critical
                : icon == MB_ICONQUESTION    ? QMessageBox::Question
                : icon == MB_ICONWARNING     ? QMessageBox::Warning
                : icon == MB_ICONINFORMATION ? QMessageBox::Information
                                             : QMessageBox::NoIcon);
    std::vector<std::pair<QMessageBox::StandardButton, int>> buttons;
    switch (flags & 0xF) {
    case MB_OKCANCEL:
        buttons = {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}};
        break;
    case MB_ABORTRETRYIGNORE:
        buttons = {
            {QMessageBox::Abort, IDABORT}, {QMessageBox::Retry, IDRETRY}, {QMessageBox::Ignore, IDIGNORE}};
        break;
    case MB_YESNOCANCEL:
        buttons = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
        break;
    case MB_YESNO:
        buttons = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};
        break;
    case MB_RETRYCANCEL:
        buttons = {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}};
        break;
    default:
        buttons = {{QMessageBox::Ok, IDOK}};
        break;
    }
    QMessageBox::StandardButtons set;
    for (auto& [b, id] : buttons)
        set |= b;
    box.setStandardButtons(set);
    for (auto& [b, id] : buttons)
        box.button(b)->setText(buttonText(b));
    box.setDefaultButton(buttons.front().first);
    const auto chosen = static_cast<QMessageBox::StandardButton>(box.exec());
    d->afterDispatch();
    for (auto& [b, id] : buttons)
        if (b == chosen)
            return id;
    // Closed without a button: the cancel-like answer where there is one.
    for (int id : {IDCANCEL, IDNO, IDOK})
        for (auto& [b, bid] : buttons)
            if (bid == id)
                return id;
    return buttons.front().second;
}

bool QtRenderer::execute(TCommonDialog& dialog)
{
    const KeyboardBack back(*d);
    if (auto* open = dynamic_cast<TOpenDialog*>(&dialog)) {
        QFileDialog fd(nullptr, toQString(open->Title));
        showCzechFileDates(fd);
        fd.setAcceptMode(open->saving() ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        fd.setFileMode(open->saving() ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        if (!open->Filter.empty()) {
            const QStringList filters = qtNameFilters(open->Filter).split(";;");
            fd.setNameFilters(filters);
            const int index = open->FilterIndex - 1;
            if (index >= 0 && index < filters.size())
                fd.selectNameFilter(filters[index]);
        }
        QString ext = toQString(open->DefaultExt);
        ext.remove("*.");
        ext.remove('.');
        if (!ext.isEmpty())
            fd.setDefaultSuffix(ext);
        if (!open->InitialDir.empty())
            fd.setDirectory(toQString(open->InitialDir));
        if (!open->FileName.empty())
            fd.selectFile(toQString(open->FileName));
        if (open->saving() && !open->OverwritePrompt)
            fd.setOption(QFileDialog::DontConfirmOverwrite);
        const bool ok = fd.exec() == QDialog::Accepted && !fd.selectedFiles().isEmpty();
        if (ok)
            open->FileName = fromQString(fd.selectedFiles().front());
        d->afterDispatch();
        return ok;
    }
    if (auto* print = dynamic_cast<TPrintDialog*>(&dialog)) {
        if (!d->printer)
            d->printer = std::make_unique<QPrinter>();
        QPrintDialog pd(d->printer.get());
        const bool ok = pd.exec() == QDialog::Accepted;
        if (ok)
            print->Copies = d->printer->copyCount();
        d->afterDispatch();
        return ok;
    }
    if (auto* colour = dynamic_cast<TColorDialog*>(&dialog)) {
        const QColor chosen =
            QColorDialog::getColor(toQColor(colour->Color), nullptr, toQString(colour->Title));
        d->afterDispatch();
        if (!chosen.isValid())
            return false;
        colour->Color = fromQColor(chosen);
        return true;
    }
    return false;
}

TMenuItem* QtRenderer::popup(TPopupMenu& menu, int x, int y)
{
    QMenu qmenu;
    std::unordered_map<QAction*, TMenuItem*> chosen;
    for (TMenuItem* item : menu.Items.Items()) {
        if (!item->Visible)
            continue;
        if (item->isSeparator()) {
            qmenu.addSeparator();
            continue;
        }
        QAction* a = qmenu.addAction(toQString(item->Caption));
        a->setEnabled(item->Enabled);
        chosen[a] = item;
    }
    QAction* picked = qmenu.exec(QPoint(x, y));
    auto it = chosen.find(picked);
    return it == chosen.end() ? nullptr : it->second;
}

void QtRenderer::print(const PrintJob& job)
{
    if (!d->printer)
        d->printer = std::make_unique<QPrinter>();
    d->printer->setDocName(toQString(job.title));
    QTextDocument document;
    TFont font;
    font.Name = job.fontName;
    font.Size = job.fontSize;
    document.setDefaultFont(toQFont(font));
    document.setDocumentMargin(job.margin);
    QStringList lines;
    for (const std::string& l : job.lines)
        lines << toQString(l);
    document.setPlainText(lines.join('\n'));
    // A job that counts its copies itself is printed that many times, not times the dialog's.
    const int chosenCopies = d->printer->copyCount();
    if (job.copies > 0)
        d->printer->setCopyCount(job.copies);
    document.print(d->printer.get());
    d->printer->setCopyCount(chosenCopies);
}
