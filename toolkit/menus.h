#pragma once
// Main menu, its items with shortcuts and separators, and pop-up menus.
#include "toolkit/control.h"

#include <string>
#include <vector>

class TMenuItem : public TComponent {
public:
    // The root item of a menu (no parent).
    TMenuItem() = default;
    TMenuItem(TMenuItem& parent, std::string name, std::string caption = {}, TShortCut shortCut = 0);
    ~TMenuItem() override;

    std::string Caption; // "-" makes a separator
    TShortCut ShortCut = 0;
    bool Enabled = true;
    bool Visible = true;
    bool Checked = false;
    std::string Hint;
    TNotifyEvent OnClick;

    bool isSeparator() const { return Caption == "-"; }
    TMenuItem* Parent() const { return parent_; }
    const std::vector<TMenuItem*>& Items() const { return items_; }
    int Count() const { return static_cast<int>(items_.size()); }
    // Fires OnClick (a command from code or from a person; the focus does not move).
    void Click();
    // Enabled and visible itself and in every parent menu.
    bool usable() const;
    // The usable item below this one whose shortcut is `shortCut`, or nullptr.
    TMenuItem* findShortCut(TShortCut shortCut);
    TMenuItem* findByName(const std::string& name);

private:
    TMenuItem* parent_ = nullptr;
    std::vector<TMenuItem*> items_;
};

class TMenu : public TComponent {
public:
    using TComponent::TComponent;
    TMenuItem Items;
};

class TMainMenu : public TMenu {
public:
    explicit TMainMenu(const std::string& name = "MainMenu1") : TMenu(name) { }
};

class TPopupMenu : public TMenu {
public:
    using TMenu::TMenu;
    // Opens at (x, y) in screen pixels and waits for the person's choice; the chosen item's
    // OnClick runs before Popup returns.
    void Popup(int x, int y);
};
