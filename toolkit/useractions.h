#pragma once
// What a person does, as functions. The Qt renderer calls them when a person acts on the
// screen, and tests call them to act as a person would; both walk one path. Every action runs
// under the dispatcher: an exception escaping a handler is shown by the application object.
//
// An action on a control a person cannot reach (hidden, disabled, in a hidden window) does
// nothing and returns false.
#include "toolkit/keys.h"

#include <string>

class TControl;
class TWinControl;
class TForm;
class TMenuItem;
class TComboBox;
class TListBox;
class TCheckListBox;
class TRadioGroup;
class TPageControl;
class TTabSheet;
class TScrollBar;
class TUpDown;
class TMonthCalendar;
class TTimer;

namespace user {

// A click with the left button: the focus moves to a control that takes it on a click, then
// OnMouseDown, what the control does (a check box ticks, a button presses), OnClick, OnMouseUp.
bool click(TControl& control, int x = 0, int y = 0);
// A click and then OnDblClick.
bool doubleClick(TControl& control, int x = 0, int y = 0);
// Mouse button pressed and released without a click (the right button).
bool mouseDown(TControl& control, TMouseButton button, int x, int y, TShiftState shift = ssNone);
bool mouseUp(TControl& control, TMouseButton button, int x, int y, TShiftState shift = ssNone);
// The mouse moved to x, y over the control, no button held.
bool mouseMove(TControl& control, int x, int y, TShiftState shift = ssNone);
// A menu command.
bool click(TMenuItem& item);

// Focus: a click into the control (the caret stays where the control has it), or Tab /
// Shift+Tab in its window (an edit line reached so has its text selected).
bool focus(TWinControl& control);
bool tab(TForm& form, bool backwards = false);

// Typing or a paste at the caret of the focused edit, combo box or memo (focusing it first); a
// memo takes the whole text as one edit.
bool type(TWinControl& control, const std::string& text);
// A paste at the caret of the focused edit, combo box or memo (focusing it first): one edit,
// whatever its length.
bool paste(TWinControl& control, const std::string& text);
// Selects everything in the control, then types `text` (an empty text just deletes).
bool replaceText(TWinControl& control, const std::string& text);
// Backspace in an edit, combo box or memo: deletes the selection or the character before the
// caret.
bool backspace(TWinControl& control);
// The caret placed (length 0) or text selected in an edit, combo box or memo, as a click, the
// mouse, Home, End, the arrow keys or Ctrl+A do; positions count characters. Fires nothing.
// A Delete is this selection of what goes, then backspace; a paste or a typed letter over a
// selection is `type`.
bool select(TWinControl& control, int start, int length = 0);

// Items: a combo box's drop-down, a list box line, a radio group button.
bool pick(TComboBox& combo, int index);
bool pick(TComboBox& combo, const std::string& itemText);
bool pick(TListBox& list, int index);
bool pick(TRadioGroup& group, int index);
bool doubleClickLine(TListBox& list, int index);
bool tick(TCheckListBox& list, int index);
bool selectTab(TPageControl& pages, TTabSheet& page);
bool scrollTo(TScrollBar& bar, int position);
bool step(TUpDown& upDown, bool up);
bool pickDate(TMonthCalendar& calendar, double date);

// A key pressed in a window (key codes of toolkit/keys.h).
bool pressKey(TForm& form, int key, TShiftState shift = ssNone);
// The same, returning what is left of the key: 0 when a shortcut, a handler, the control or
// the window used it; otherwise the key, for the screen's own editing (a letter typed).
int keyDown(TForm& form, int key, TShiftState shift = ssNone);
// The wheel turned over `over` (the focused control when nullptr); delta 120 per notch,
// positive away from the person. True when the window or the control handled it.
bool wheel(TForm& form, int delta, TControl* over = nullptr, int x = 0, int y = 0);
// The person brings the window to the front (OnActivate when it was not the active one).
void activate(TForm& form);
// The close box of a window.
bool closeWindow(TForm& form);
// A timer's tick.
void tick(TTimer& timer);

} // namespace user
