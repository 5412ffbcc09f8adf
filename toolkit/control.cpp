#include "toolkit/control.h"

#include "system/exceptions.h"
#include "toolkit/application.h"
#include "toolkit/form.h"
#include "toolkit/pagecontrol.h"

#include <algorithm>

TControl::TControl(TWinControl* parent, std::string name) : TComponent(std::move(name)), parent_(parent)
{
    if (parent_) {
        int order = 0;
        for (TControl* sibling : parent_->children_)
            if (dynamic_cast<TWinControl*>(sibling))
                ++order;
        parent_->children_.push_back(this);
        // A TWinControl's own constructor has not run yet; it reads the order from here.
        pendingTabOrder_ = order;
    }
}

TControl::~TControl()
{
    if (parent_) {
        auto& c = parent_->children_;
        c.erase(std::remove(c.begin(), c.end(), this), c.end());
    }
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    Left = left;
    Top = top;
    Width = width;
    Height = height;
}

TForm* TControl::form() const
{
    const TControl* c = this;
    while (c->parent_)
        c = c->parent_;
    return dynamic_cast<TForm*>(const_cast<TControl*>(c));
}

bool TControl::Showing() const
{
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->shownInParent())
            return false;
    return form() != nullptr;
}

bool TControl::enabledInWindow() const
{
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->Enabled)
            return false;
    return true;
}

void TControl::Click()
{
    if (OnClick)
        OnClick();
}

void TControl::Invalidate()
{
    if (RenderHost* h = Application.host())
        h->invalidate(*this);
}

void TControl::Repaint()
{
    if (RenderHost* h = Application.host())
        h->repaintNow(*this);
}

void TControl::keyDefault(int&, TShiftState) { }

void TControl::userClick()
{
    Click();
}

TWinControl::TWinControl(TWinControl* parent, std::string name) : TControl(parent, std::move(name))
{
    TabOrder = pendingTabOrder_;
}

bool TWinControl::CanFocus() const
{
    const TForm* f = form();
    return f && Showing() && enabledInWindow();
}

void TWinControl::SetFocus()
{
    TForm* f = form();
    if (!CanFocus() || !f)
        throw EInvalidOperation("Cannot focus a disabled or invisible window (" + Name + ")");
    f->focusControl(this == f ? nullptr : this);
}

void TWinControl::SetFocusByMouse()
{
    TForm* f = form();
    if (!CanFocus() || !f)
        throw EInvalidOperation("Cannot focus a disabled or invisible window (" + Name + ")");
    f->focusControl(this == f ? nullptr : this, true);
}

bool TWinControl::Focused() const
{
    const TForm* f = form();
    return f && f->ActiveControl() == this;
}

void TWinControl::collectTabOrder(std::vector<TWinControl*>& out) const
{
    std::vector<TWinControl*> kids;
    for (TControl* c : children_)
        if (auto* w = dynamic_cast<TWinControl*>(c))
            kids.push_back(w);
    std::stable_sort(kids.begin(), kids.end(),
                     [](const TWinControl* a, const TWinControl* b) { return a->TabOrder < b->TabOrder; });
    for (TWinControl* w : kids) {
        out.push_back(w);
        w->collectTabOrder(out);
    }
}

TLabel::TLabel(TWinControl* parent, std::string name) : TControl(parent, std::move(name)) { }
