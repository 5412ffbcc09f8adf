#pragma once
// A page control with its tab sheets.
#include "toolkit/control.h"

#include <vector>

class TTabSheet;

class TPageControl : public TWinControl {
public:
    TPageControl(TWinControl* parent, std::string name);

    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Pages(int index) const { return pages_.at(static_cast<size_t>(index)); }
    TTabSheet* ActivePage() const { return active_; }
    // Fires nothing.
    void setActivePage(TTabSheet* page);
    int ActivePageIndex() const;
    // A person picks a tab: OnChanging may refuse; the focus moves to the page control;
    // the page becomes active; OnChange.
    void userSelect(TTabSheet& page);

    TNotifyEvent OnChange;
    std::function<void(bool& allowChange)> OnChanging;

    const char* ClassName() const override { return "TPageControl"; }
    void keyDefault(int& key, TShiftState shift) override;

private:
    friend class TTabSheet;
    void tabHidden(TTabSheet& page);
    void tabShown(TTabSheet& page);
    std::vector<TTabSheet*> pages_;
    TTabSheet* active_ = nullptr;
};

class TTabSheet : public TWinControl {
public:
    TTabSheet(TPageControl* pageControl, std::string name);
    ~TTabSheet() override;
    TPageControl* PageControl() const { return pageControl_; }
    int PageIndex() const;
    bool TabVisible() const { return tabVisible_; }
    // Hiding the active page's tab makes the tab that takes its place active (or none);
    // showing a tab while no page is active makes it active. Fires nothing.
    void setTabVisible(bool visible);
    bool shownInParent() const override;
    const char* ClassName() const override { return "TTabSheet"; }

private:
    TPageControl* pageControl_;
    bool tabVisible_ = true;
};
