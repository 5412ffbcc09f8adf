#include "toolkit/form.h"

#include "system/exceptions.h"
#include "toolkit/application.h"
#include "toolkit/stdctrls.h"

#include <algorithm>

TForm::TForm(std::string name) : TWinControl(nullptr, std::move(name))
{
    Visible = false;
    TabStop = false;
}

TForm::~TForm()
{
    Application.removeForm(*this);
}

void TForm::focusControl(TWinControl* control, bool byMouse)
{
    ++focusMoves_;
    if (control == active_)
        return;
    const int move = focusMoves_;
    TWinControl* old = active_;
    if (old && old->OnExit) {
        old->OnExit();
        if (move != focusMoves_)
            return; // the exit handler put the focus somewhere itself
    }
    active_ = control;
    if (control && control->OnEnter)
        control->OnEnter();
    // After OnEnter: a combo box that refills its list there keeps its text selected.
    if (control && !byMouse && move == focusMoves_)
        control->focusArrived();
}

TWinControl* TForm::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop) const
{
    std::vector<TWinControl*> order;
    collectTabOrder(order);
    if (order.empty())
        return nullptr;
    const int n = static_cast<int>(order.size());
    auto it = std::find(order.begin(), order.end(), current);
    int start = it == order.end() ? (goForward ? -1 : n) : static_cast<int>(it - order.begin());
    for (int step = 1; step <= n; ++step) {
        int i = ((start + (goForward ? step : -step)) % n + n) % n;
        TWinControl* c = order[static_cast<size_t>(i)];
        if (c == current)
            break;
        if ((!checkTabStop || c->TabStop) && c->CanFocus())
            return c;
    }
    return nullptr;
}

void TForm::SelectNext(TWinControl* current, bool goForward, bool checkTabStop)
{
    if (TWinControl* next = FindNextControl(current, goForward, checkTabStop))
        next->SetFocus();
}

namespace {
TButton* findButton(const TWinControl& root, bool wantDefault)
{
    for (TControl* c : root.Controls()) {
        if (auto* b = dynamic_cast<TButton*>(c)) {
            if ((wantDefault ? b->Default : b->Cancel) && b->Showing() && b->enabledInWindow())
                return b;
        }
        if (auto* w = dynamic_cast<TWinControl*>(c))
            if (TButton* found = findButton(*w, wantDefault))
                return found;
    }
    return nullptr;
}
} // namespace

TButton* TForm::defaultButton() const
{
    return findButton(*this, true);
}

TButton* TForm::cancelButton() const
{
    return findButton(*this, false);
}

bool TForm::tryCloseModal()
{
    if (ModalResult == mrNone)
        return false;
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(canClose);
    if (!canClose) {
        ModalResult = mrNone;
        return false;
    }
    TCloseAction action = TCloseAction::caHide;
    if (OnClose)
        OnClose(action);
    if (action == TCloseAction::caNone) {
        ModalResult = mrNone;
        return false;
    }
    return true;
}

namespace {
// Where the focus stands when a window opens: the control that had it at the last showing, unless
// that was a button. A button pressed last time kept it, so Enter pressed the same button again
// whatever the default ("Ne" once clicked answered every later question), and what a person
// typed went to no field.
void focusFirst(TForm& form)
{
    TWinControl* active = form.ActiveControl();
    if (active && active->CanFocus() && !dynamic_cast<TButton*>(active)) {
        active->focusArrived();
        return;
    }
    if (TWinControl* first = form.FindNextControl(nullptr, true, true))
        form.focusControl(first);
}
} // namespace

int TForm::ShowModal()
{
    if (Visible || modal_)
        throw EInvalidOperation("Cannot make a visible window modal (" + Caption + ")");
    TForm* previous = Application.activeForm();
    ModalResult = mrNone;
    modal_ = true;
    Visible = true;
    struct Restore {
        TForm& form;
        ~Restore()
        {
            form.modal_ = false;
            form.Visible = false;
        }
    } restore{*this};
    if (OnShow)
        OnShow();
    Application.activate(this);
    focusFirst(*this);
    Application.runner().runModal(*this);
    modal_ = false;
    Visible = false;
    if (OnHide)
        OnHide();
    const int result = ModalResult;
    if (previous && previous != this && previous->Visible)
        Application.activate(previous);
    else
        Application.deactivate();
    return result;
}

void TForm::Show()
{
    if (!Visible) {
        Visible = true;
        if (OnShow)
            OnShow();
        if (RenderHost* h = Application.host())
            h->formShown(*this);
    }
    focusFirst(*this);
}

void TForm::Hide()
{
    if (modal_) {
        ModalResult = mrCancel;
        return;
    }
    if (!Visible)
        return;
    Visible = false;
    if (OnHide)
        OnHide();
    if (RenderHost* h = Application.host())
        h->formHidden(*this);
    if (Application.activeForm() == this)
        Application.deactivate();
}

void TForm::Close()
{
    if (modal_) {
        ModalResult = mrCancel;
        return;
    }
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(canClose);
    if (!canClose)
        return;
    TCloseAction action = TCloseAction::caHide;
    if (OnClose)
        OnClose(action);
    if (action == TCloseAction::caNone)
        return;
    Hide();
    if (Application.MainForm == this)
        Application.Terminate();
}
