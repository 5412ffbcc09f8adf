#pragma once
// Inside the Qt renderer: the binding of one control to its widget, the window of a form and
// the renderer's state. Only toolkit/qt/ includes this.
#include "toolkit/canvas.h"
#include "toolkit/keys.h"
#include "toolkit/qt/qt_renderer.h"

#include <QDialog>
#include <QFont>
#include <QObject>
#include <QPointer>
#include <QPrinter>

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class QAbstractButton;
class QAction;
class QEventLoop;
class QMenu;
class QMenuBar;

class QTimer;
class QVBoxLayout;
class TControl;
class TMenuItem;
class TTimer;
class TWinControl;

// One control and the widget that shows it.
class Binding {
public:
    Binding(QtRenderer::Impl& renderer, TControl& control, QWidget* widget);
    virtual ~Binding() = default;
    Binding(const Binding&) = delete;
    Binding& operator=(const Binding&) = delete;

    TControl& control;
    QPointer<QWidget> widget;

    // Where the widgets of child controls go.
    virtual QWidget* content() { return widget; }
    // The widget that takes the keyboard when the control has the focus, so it shows it.
    virtual QWidget* focusTarget() { return widget; }
    // Model to widget.
    virtual void sync();
    // A person's event on a watched widget; true keeps it from the widget.
    virtual bool event(QObject* watched, QEvent* event);
    virtual void paint() { }

protected:
    // The renderer sends the events of `object` to this binding.
    void watch(QObject* object);
    // Geometry, visibility, enabling, tooltip and font, handed over only when the control's
    // differ from what was handed over last: after every event every binding is synced, and
    // most controls have not changed. True when something was handed over.
    bool syncCommon();
    // The font the widget shows: the control's, unless the control needs another to show its text.
    virtual QFont shownFont() const;
    bool syncing() const;
    // A person's click on the button is a click on the control.
    void clickAsUser(QAbstractButton* button);
    QtRenderer::Impl& r;

private:
    // The renderer's show count when syncCommon last handed the control over: once a window is
    // shown, its widgets are polished and every binding hands everything over once more.
    int shownEpoch_ = -1;
    // What the control held when syncCommon last handed it over.
    struct CommonShown {
        int left, top, width, height;
        bool visible, enabled, showHint;
        std::string hint, caption;
        TFont font;
        bool matches(const TControl& c) const;
    };
    std::optional<CommonShown> commonShown_;
};

// Whether `now` differs from what `last` remembers; remembers `now`.
template<class T> bool changedFrom(std::optional<T>& last, const T& now)
{
    if (last && *last == now)
        return false;
    last = now;
    return true;
}

std::unique_ptr<Binding> makeBinding(QtRenderer::Impl& renderer, TControl& control, QWidget* parent);

// The window of a form: an optional menu bar over a client area of the form's size.
class FormWindow : public QDialog {
public:
    FormWindow(QtRenderer::Impl& renderer, TForm& form);
    TForm& form;
    QWidget* client;
    QMenuBar* menuBar = nullptr;
    bool placed = false;
    // The form's colour last handed to the window's palette.
    std::optional<TColor> shownColor;
    // Moves the window, frame and all, into the screen's available area where it lies outside.
    void keepInsideScreen();
    // What the window manager's frame adds on each side: measured once the window is framed,
    // a title bar and a border before.
    QMargins frameMargins() const;
    // Set while the window waits for its frame: its first activation puts it inside the screen
    // by the frame it really got.
    bool frameUnchecked = false;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void reject() override { }

private:
    QtRenderer::Impl& r_;
};

struct QtRenderer::Impl : public QObject {
    explicit Impl(QtRenderer& owner) : self(owner) { }
    ~Impl() override;

    QtRenderer& self;
    std::unordered_map<TControl*, std::unique_ptr<Binding>> bindings;
    std::unordered_map<QObject*, Binding*> watched;
    std::unordered_map<TForm*, FormWindow*> windows;
    std::unordered_map<TMenuItem*, QAction*> actions;
    // What each menu command's text was made from, and the captions of each menu bar.
    struct MenuTextShown {
        std::string caption;
        TShortCut shortCut;
        bool command;
    };
    std::unordered_map<TMenuItem*, MenuTextShown> menuTextShown;
    std::unordered_map<TMenuItem*, std::string> menuBarShown;
    std::unordered_map<TTimer*, QTimer*> timers;
    std::vector<std::pair<TForm*, QEventLoop*>> modalLoops;
    std::unique_ptr<QPrinter> printer;
    int syncing = 0;
    bool syncQueued = false;
    // Counts the windows shown: the bindings' memory of what they handed over lasts one count.
    int shownEpoch = 0;

    bool eventFilter(QObject* watchedObject, QEvent* event) override;
    // After every person's action: widgets follow the model, ended modal runs stop.
    void afterDispatch();
    // The same for a person's edit reported by a widget while it is still inside its own
    // change (a paste): the widgets follow the model once the widget's handler has returned,
    // since a widget whose text is set from inside its paste may end the program.
    void afterEdit();
    void queueSync();
    FormWindow* windowFor(TForm& form);
    void syncForm(TForm& form);
    void syncChildren(TWinControl& parent, QWidget* content);
    void buildMenu(QMenu* menu, TMenuItem& item);
    void buildMenuBar(FormWindow& window, TMenuItem& root);
    void syncMenu(TMenuItem& item);
    void syncFocus(TForm& form);
    Binding* bindingOf(TControl& control);
};

// The class library's key code of a Qt key (0 for keys it has none for).
int keyCodeOf(int qtKey);
TShiftState shiftOf(Qt::KeyboardModifiers modifiers);
