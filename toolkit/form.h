#pragma once
// A window: its frame, its place on the screen, its focus and its modal run.
#include "toolkit/control.h"

class TMainMenu;

// The class library's modal results; several windows use them as plain codes.
constexpr int mrNone = 0;
constexpr int mrOk = 1;
constexpr int mrCancel = 2;
constexpr int mrAbort = 3;
constexpr int mrRetry = 4;
constexpr int mrIgnore = 5;
constexpr int mrYes = 6;
constexpr int mrNo = 7;

enum class TFormBorderStyle { bsSizeable, bsDialog, bsSingle, bsNone, bsToolWindow };
enum class TPosition { poDesigned, poScreenCenter, poMainFormCenter, poDefault };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };

class TForm : public TWinControl {
public:
    explicit TForm(std::string name);
    ~TForm() override;

    // Left/Top place the window on the screen; Width/Height are its client area (the menu bar
    // and the frame come on top of it).
    TFormBorderStyle BorderStyle = TFormBorderStyle::bsSizeable;
    bool CloseBox = true; // the system menu with its close box
    TPosition Position = TPosition::poDesigned;
    TWindowState WindowState = TWindowState::wsNormal;
    TMainMenu* Menu = nullptr;
    int ModalResult = mrNone;

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnResize;
    std::function<void(TCloseAction& action)> OnClose;
    std::function<void(bool& canClose)> OnCloseQuery;
    TMouseWheelEvent OnMouseWheel;

    // Shows the window modally through the application's runner and returns the modal result.
    int ShowModal();
    // Shows or hides a modeless window.
    void Show();
    void Hide();
    // Asks the window to close: a modal one ends with mrCancel; another one runs OnCloseQuery
    // and OnClose and hides; closing the main window ends the application.
    void Close();
    bool Modal() const { return modal_; }

    TWinControl* ActiveControl() const { return active_; }
    // Moves the focus inside this window (nullptr: no control). Fires OnExit and OnEnter;
    // when OnExit moves the focus itself, that move wins. Unless a click brought it, the control
    // that takes the focus then does what it does on arrival (an edit line selects its text).
    void focusControl(TWinControl* control, bool byMouse = false);
    // The next (or previous) control in the window's tab order after `current`, wrapping
    // round; only controls that can take the focus, and only tab stops when asked.
    TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop) const;
    void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);
    // The Default (Enter) and Cancel (Esc) buttons that can be pressed now, or nullptr.
    class TButton* defaultButton() const;
    class TButton* cancelButton() const;

    // Called by runners once the window's ModalResult is set: runs OnCloseQuery and OnClose and
    // says whether the modal run ends (a refusal puts ModalResult back to mrNone).
    bool tryCloseModal();

    bool shownInParent() const override { return Visible; }
    const char* ClassName() const override { return "TForm"; }

private:
    TWinControl* active_ = nullptr;
    int focusMoves_ = 0;
    bool modal_ = false;
};
