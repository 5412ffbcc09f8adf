#include "toolkit/useractions.h"

#include "toolkit/application.h"
#include "toolkit/commonctrls.h"
#include "toolkit/form.h"
#include "toolkit/grid.h"
#include "toolkit/lists.h"
#include "toolkit/menus.h"
#include "toolkit/pagecontrol.h"
#include "toolkit/stdctrls.h"

namespace user {

namespace {
bool reachable(const TControl& c)
{
    const TForm* f = c.form();
    return f && f->Visible && c.Showing() && c.enabledInWindow();
}

// The focus moves to the control as a click into it moves it.
void focusByClick(TControl& c)
{
    if (!c.focusOnClick())
        return;
    if (auto* w = dynamic_cast<TWinControl*>(&c); w && w->CanFocus() && !w->Focused())
        w->SetFocusByMouse();
}

void focusIfNeeded(TWinControl& w)
{
    if (w.CanFocus() && !w.Focused())
        w.SetFocusByMouse();
}
} // namespace

bool click(TControl& control, int x, int y)
{
    if (!reachable(control))
        return false;
    Application.guarded([&] {
        focusByClick(control);
        if (control.OnMouseDown)
            control.OnMouseDown(TMouseButton::mbLeft, ssNone, x, y);
        control.userClick();
        if (control.OnMouseUp)
            control.OnMouseUp(TMouseButton::mbLeft, ssNone, x, y);
    });
    return true;
}

bool doubleClick(TControl& control, int x, int y)
{
    if (!click(control, x, y))
        return false;
    if (reachable(control) && control.OnDblClick)
        Application.guarded(control.OnDblClick);
    return true;
}

bool mouseDown(TControl& control, TMouseButton button, int x, int y, TShiftState shift)
{
    if (!reachable(control))
        return false;
    Application.guarded([&] {
        if (button == TMouseButton::mbLeft || dynamic_cast<TDrawGrid*>(&control))
            focusByClick(control);
        if (control.OnMouseDown)
            control.OnMouseDown(button, shift, x, y);
    });
    return true;
}

bool mouseUp(TControl& control, TMouseButton button, int x, int y, TShiftState shift)
{
    if (!reachable(control))
        return false;
    if (control.OnMouseUp)
        Application.guarded([&] { control.OnMouseUp(button, shift, x, y); });
    return true;
}

bool mouseMove(TControl& control, int x, int y, TShiftState shift)
{
    if (!reachable(control))
        return false;
    if (control.OnMouseMove)
        Application.guarded([&] { control.OnMouseMove(shift, x, y); });
    return true;
}

bool click(TMenuItem& item)
{
    if (!item.usable())
        return false;
    Application.guarded([&] { item.Click(); });
    return true;
}

bool focus(TWinControl& control)
{
    if (!reachable(control) || !control.CanFocus())
        return false;
    Application.guarded([&] { control.SetFocusByMouse(); });
    return true;
}

bool tab(TForm& form, bool backwards)
{
    if (!form.Visible)
        return false;
    Application.guarded([&] { form.SelectNext(form.ActiveControl(), !backwards, true); });
    return true;
}

namespace {
// Runs `act` on the control as an edit, a combo box or a memo (they share their typing
// operations), after a person has put the focus there; false for any other control.
template<class Act> bool onTextControl(TWinControl& control, Act act)
{
    if (!reachable(control))
        return false;
    auto* edit = dynamic_cast<TEdit*>(&control);
    auto* combo = dynamic_cast<TComboBox*>(&control);
    auto* memo = dynamic_cast<TMemo*>(&control);
    if (!edit && !combo && !memo)
        return false;
    Application.guarded([&] {
        focusIfNeeded(control);
        if (edit)
            act(*edit);
        else if (combo)
            act(*combo);
        else
            act(*memo);
    });
    return true;
}
} // namespace

bool type(TWinControl& control, const std::string& text)
{
    return onTextControl(control, [&](auto& c) { c.userType(text); });
}

bool paste(TWinControl& control, const std::string& text)
{
    return onTextControl(control, [&](auto& c) { c.userPaste(text); });
}

bool replaceText(TWinControl& control, const std::string& text)
{
    if (auto* combo = dynamic_cast<TComboBox*>(&control); combo && combo->Style == TComboBox::csDropDownList)
        return type(control, text);
    return onTextControl(control, [&](auto& c) {
        c.SelectAll();
        if (text.empty())
            c.userBackspace();
        else
            c.userType(text);
    });
}

bool backspace(TWinControl& control)
{
    return onTextControl(control, [](auto& c) { c.userBackspace(); });
}

bool select(TWinControl& control, int start, int length)
{
    if (auto* combo = dynamic_cast<TComboBox*>(&control); combo && combo->Style == TComboBox::csDropDownList)
        return false;
    return onTextControl(control, [&](auto& c) {
        c.setSelStart(start);
        c.setSelLength(length);
    });
}

bool pick(TComboBox& combo, int index)
{
    if (!reachable(combo) || index < 0 || index >= combo.Items.Count())
        return false;
    Application.guarded([&] {
        focusIfNeeded(combo);
        combo.userPick(index);
    });
    return true;
}

bool pick(TComboBox& combo, const std::string& itemText)
{
    for (int i = 0; i < combo.Items.Count(); ++i)
        if (combo.Items[i] == itemText)
            return pick(combo, i);
    return false;
}

bool pick(TListBox& list, int index)
{
    if (!reachable(list) || index < 0 || index >= list.Items.Count())
        return false;
    Application.guarded([&] {
        focusIfNeeded(list);
        list.userClickLine(index);
        list.Click();
    });
    return true;
}

bool pick(TRadioGroup& group, int index)
{
    if (!reachable(group) || index < 0 || index >= group.Items.Count())
        return false;
    Application.guarded([&] {
        focusIfNeeded(group);
        group.setItemIndex(index);
    });
    return true;
}

bool doubleClickLine(TListBox& list, int index)
{
    if (!reachable(list))
        return false;
    if (index >= 0 && index < list.Items.Count())
        pick(list, index);
    else
        focus(list);
    if (list.OnDblClick)
        Application.guarded(list.OnDblClick);
    return true;
}

bool tick(TCheckListBox& list, int index)
{
    if (!reachable(list) || index < 0 || index >= list.Items.Count())
        return false;
    Application.guarded([&] {
        focusIfNeeded(list);
        list.userToggle(index);
    });
    return true;
}

bool selectTab(TPageControl& pages, TTabSheet& page)
{
    if (!reachable(pages) || page.PageControl() != &pages || !page.TabVisible())
        return false;
    Application.guarded([&] { pages.userSelect(page); });
    return true;
}

bool scrollTo(TScrollBar& bar, int position)
{
    if (!reachable(bar))
        return false;
    Application.guarded([&] {
        focusByClick(bar);
        bar.setPosition(position);
    });
    return true;
}

bool step(TUpDown& upDown, bool up)
{
    if (!reachable(upDown))
        return false;
    Application.guarded([&] { upDown.userStep(up); });
    return true;
}

bool pickDate(TMonthCalendar& calendar, double date)
{
    if (!reachable(calendar))
        return false;
    Application.guarded([&] {
        focusIfNeeded(calendar);
        calendar.userPick(date);
    });
    return true;
}

bool pressKey(TForm& form, int key, TShiftState shift)
{
    if (!form.Visible)
        return false;
    keyDown(form, key, shift);
    return true;
}

int keyDown(TForm& form, int key, TShiftState shift)
{
    if (!form.Visible)
        return key;
    int k = key;
    Application.guarded([&] {
        if (form.Menu)
            if (TMenuItem* item = form.Menu->Items.findShortCut(ShortCut(k, shift))) {
                k = 0;
                item->Click();
                return;
            }
        TWinControl* target = form.ActiveControl();
        if (target && !target->CanFocus())
            target = nullptr;
        if (k == VK_TAB && !shift.ctrl && !shift.alt) {
            k = 0;
            form.SelectNext(target, !shift.shift, true);
            return;
        }
        if (target) {
            if (target->OnKeyDown)
                target->OnKeyDown(k, shift);
            if (k != 0)
                target->keyDefault(k, shift);
        } else if (form.OnKeyDown) {
            form.OnKeyDown(k, shift);
        }
        if (k == VK_RETURN) {
            auto* button = dynamic_cast<TButton*>(target);
            if (!button)
                button = form.defaultButton();
            if (button) {
                k = 0;
                button->Click();
            }
        } else if (k == VK_ESCAPE) {
            if (TButton* button = form.cancelButton()) {
                k = 0;
                button->Click();
            }
        } else if (k == VK_SPACE && !shift.ctrl && !shift.alt && target &&
                   (dynamic_cast<TButton*>(target) || dynamic_cast<TCheckBox*>(target) ||
                    dynamic_cast<TRadioButton*>(target))) {
            k = 0;
            target->userClick();
        }
    });
    return k;
}

bool wheel(TForm& form, int delta, TControl* over, int x, int y)
{
    if (!form.Visible)
        return false;
    bool taken = false;
    Application.guarded([&] {
        bool handled = false;
        if (form.OnMouseWheel)
            form.OnMouseWheel(ssNone, delta, x, y, handled);
        if (handled) {
            taken = true;
            return;
        }
        TControl* target = over ? over : form.ActiveControl();
        if (!target || !reachable(*target))
            return;
        bool done = false;
        if (delta > 0 && target->OnMouseWheelUp) {
            taken = true;
            target->OnMouseWheelUp(ssNone, x, y, done);
        } else if (delta <= 0 && target->OnMouseWheelDown) {
            taken = true;
            target->OnMouseWheelDown(ssNone, x, y, done);
        }
    });
    return taken;
}

void activate(TForm& form)
{
    if (!form.Visible)
        return;
    Application.guarded([&] { Application.activate(&form); });
}

bool closeWindow(TForm& form)
{
    if (!form.Visible || !form.CloseBox)
        return false;
    Application.guarded([&] { form.Close(); });
    return true;
}

void tick(TTimer& timer)
{
    timer.fire();
}

} // namespace user
