#include "toolkit/menus.h"

#include "toolkit/application.h"

#include <algorithm>

TMenuItem::TMenuItem(TMenuItem& parent, std::string name, std::string caption, TShortCut shortCut)
    : TComponent(std::move(name)), Caption(std::move(caption)), ShortCut(shortCut), parent_(&parent)
{
    parent.items_.push_back(this);
}

TMenuItem::~TMenuItem()
{
    if (parent_) {
        auto& v = parent_->items_;
        v.erase(std::remove(v.begin(), v.end(), this), v.end());
    }
    for (TMenuItem* child : items_)
        child->parent_ = nullptr;
}

void TMenuItem::Click()
{
    if (OnClick)
        OnClick();
}

bool TMenuItem::usable() const
{
    for (const TMenuItem* i = this; i; i = i->parent_)
        if (!i->Enabled || !i->Visible)
            return false;
    return true;
}

TMenuItem* TMenuItem::findShortCut(TShortCut shortCut)
{
    if (shortCut == 0)
        return nullptr;
    for (TMenuItem* child : items_) {
        if (child->ShortCut == shortCut && child->usable())
            return child;
        if (TMenuItem* found = child->findShortCut(shortCut))
            return found;
    }
    return nullptr;
}

TMenuItem* TMenuItem::findByName(const std::string& name)
{
    for (TMenuItem* child : items_) {
        if (child->Name == name)
            return child;
        if (TMenuItem* found = child->findByName(name))
            return found;
    }
    return nullptr;
}

void TPopupMenu::Popup(int x, int y)
{
    if (TMenuItem* chosen = Application.runner().popup(*this, x, y))
        if (chosen->usable())
            chosen->Click();
}
