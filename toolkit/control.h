#pragma once
// The window toolkit's controls, headless. Every control is a plain object the program reads
// and writes; the Qt renderer mirrors it on screen and feeds a person's actions back through the
// user actions of toolkit/useractions.h, which the tests call too.
//
// When events fire. Handlers rely on exactly these rules; each has a test in tests/platform.
//
//  | what happens                                   | fires                                      |
//  |------------------------------------------------|--------------------------------------------|
//  | TEdit::setText from code, text differs         | OnChange                                   |
//  | TComboBox::setText / setItemIndex from code    | nothing                                    |
//  | TCheckBox::setChecked, state differs           | OnClick                                    |
//  | TListBox / TCheckListBox::setItemIndex         | nothing                                    |
//  | TPageControl::setActivePage from code          | nothing                                    |
//  | TRadioGroup::setItemIndex, index differs       | OnClick                                    |
//  | TScrollBar::setPosition, position differs      | OnChange                                   |
//  | TScrollBar::setMax / setMin clamping Position  | OnChange (when the position moves)         |
//  | TMemo / TRichEdit Lines changed by code        | OnChange; Modified := false                |
//  | a person types or pastes into a memo           | OnChange once; Modified := true            |
//  | a person types into an edit or combo box       | OnChange once per character                |
//  | a person pastes into an edit or combo box      | OnChange once (line ends left out)         |
//  | a person deletes (Backspace, Delete, Ctrl+X)   | OnChange once                              |
//  | a person moves the caret or selects text       | nothing                                    |
//  | a person picks a combo box item                | OnClick, then OnChange                     |
//  | a person clicks a list box line                | OnClick (then OnDblClick on a double click)|
//  | a person ticks a check list box line           | OnClickCheck                               |
//  | focus moves (SetFocus, click, Tab, tab select) | OnExit of the old control, then OnEnter of |
//  |                                                | the new one, inside one window             |
//  | a modal window opens or windows switch         | no OnExit, no OnEnter                      |
//  | menu item, tool button, shortcut               | OnClick; the focus stays where it was      |
//  | key press                                      | menu shortcut of the window if one matches |
//  |                                                | (and nothing else); else the focused       |
//  |                                                | control's OnKeyDown, or the form's when no |
//  |                                                | control has the focus; then, unless the    |
//  |                                                | handler set the key to 0: Tab moves focus, |
//  |                                                | Enter clicks the focused button or the     |
//  |                                                | default button, Esc the cancel button      |
//  | the mouse moves over a control                 | OnMouseMove; a Hint it sets shows there    |
//  | mouse wheel                                    | the form's OnMouseWheel; when it leaves    |
//  |                                                | Handled false, the control's OnMouseWheel- |
//  |                                                | Up/Down                                    |
//  | button with ModalResult clicked                | form's ModalResult := it, then OnClick;    |
//  |                                                | the window closes after the handler returns|
//  | a handler sets a form's ModalResult            | the window closes after the handler returns|
//  | close box of a modal window                    | ModalResult := mrCancel (2)                |
//  | a modal window closes                          | OnCloseQuery, OnClose, then OnActivate of  |
//  |                                                | the window that was active before          |
//  | an exception escapes a handler of a person's   | caught; TApplication::ShowException shows  |
//  | action, a timer or a queued call               | it; the program goes on                    |
//
// Events fired by a property set from code run inside that code: an exception of the handler
// reaches the code that set the property, as any other call's would.
#include "toolkit/canvas.h"
#include "toolkit/keys.h"

#include <functional>
#include <string>
#include <vector>

class TForm;
class TWinControl;

using TNotifyEvent = std::function<void()>;
// The handler may set the key to 0 to keep it from going further.
using TKeyEvent = std::function<void(int& key, TShiftState shift)>;
using TMouseEvent = std::function<void(TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TShiftState shift, int x, int y)>;
// Handled starts false; a handler that sets it keeps the wheel from the control under the mouse.
using TMouseWheelEvent = std::function<void(TShiftState shift, int wheelDelta, int x, int y, bool& handled)>;
using TMouseWheelUpDownEvent = std::function<void(TShiftState shift, int x, int y, bool& handled)>;

// Anything with a name that a window owns: controls, menu items, dialogs, timers.
class TComponent {
public:
    explicit TComponent(std::string name = {}) : Name(std::move(name)) { }
    virtual ~TComponent() = default;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    std::string Name;
    int Tag = 0;
};

class TControl : public TComponent {
public:
    // A control belongs to its parent for its whole life; the parent must outlive it (a form
    // declares its controls as members after their parents).
    TControl(TWinControl* parent, std::string name);
    ~TControl() override;

    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool Visible = true;
    bool Enabled = true;
    std::string Caption;
    std::string Hint;
    bool ShowHint = false;
    TColor Color = clBtnFace;
    TFont Font;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TMouseWheelUpDownEvent OnMouseWheelUp;
    TMouseWheelUpDownEvent OnMouseWheelDown;

    void SetBounds(int left, int top, int width, int height);
    TWinControl* Parent() const { return parent_; }
    // The window the control stands in (the form itself for a form).
    TForm* form() const;
    // Visible itself, on a visible parent and, on a tab sheet, only while that sheet is active.
    bool Showing() const;
    // Enabled itself and every parent up to the window.
    bool enabledInWindow() const;

    // A click from code: what the library's Click does for this kind of control.
    virtual void Click();
    // Ask the renderer to paint the control again soon / at once (long work pumps no messages).
    void Invalidate();
    void Repaint();
    // The class library's class name ("TEdit"); the program tests kinds exactly by it.
    virtual const char* ClassName() const { return "TControl"; }

    // Visible as seen by the parent: a tab sheet counts only while it is the active page.
    virtual bool shownInParent() const { return Visible; }
    // Whether a person's click on it moves the focus to it.
    virtual bool focusOnClick() const { return false; }
    // What the control itself does with a key its OnKeyDown left alone (a list box moves its
    // selection, a memo takes Enter); sets the key to 0 when it used it.
    virtual void keyDefault(int& key, TShiftState shift);
    // What a person's click does beyond OnClick (ticks a check box, presses a button).
    virtual void userClick();

protected:
    int pendingTabOrder_ = 0;

private:
    TWinControl* parent_;
};

class TWinControl : public TControl {
public:
    TWinControl(TWinControl* parent, std::string name);

    int TabOrder = 0; // assigned in creation order among siblings
    bool TabStop = true;

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;

    const std::vector<TControl*>& Controls() const { return children_; }
    int ControlCount() const { return static_cast<int>(children_.size()); }

    // Shown and enabled in a shown window: a control that can take the focus.
    virtual bool CanFocus() const;
    // Moves the focus here (OnExit of the old control, OnEnter of this one). Raises
    // EInvalidOperation for a hidden or disabled control.
    void SetFocus();
    // The focus put here as a click puts it: the caret stays where the control has it.
    void SetFocusByMouse();
    bool Focused() const;
    // What the control does when the keyboard or the program brings the focus to it (an edit
    // line selects its text, so what a person types next replaces it).
    virtual void focusArrived() { }
    const char* ClassName() const override { return "TWinControl"; }
    bool focusOnClick() const override { return TabStop; }

    // Controls below this one in tab order (depth first, by TabOrder among siblings).
    void collectTabOrder(std::vector<TWinControl*>& out) const;

private:
    friend class TControl;
    std::vector<TControl*> children_;
};

// A text shown beside other controls; never takes the focus.
class TLabel : public TControl {
public:
    TLabel(TWinControl* parent, std::string name);
    enum TAlignment { taLeftJustify, taRightJustify, taCenter };
    TAlignment Alignment = taLeftJustify;
    bool AutoSize = true;
    bool WordWrap = false;
    bool Transparent = true;
    TWinControl* FocusControl = nullptr;
    const char* ClassName() const override { return "TLabel"; }
};
