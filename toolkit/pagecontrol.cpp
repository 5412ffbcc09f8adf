#include "toolkit/pagecontrol.h"

#include "toolkit/form.h"
#include "toolkit/keys.h"

#include <algorithm>

TPageControl::TPageControl(TWinControl* parent, std::string name) : TWinControl(parent, std::move(name)) { }

void TPageControl::setActivePage(TTabSheet* page)
{
    if (page && page->PageControl() != this)
        return;
    active_ = page;
}

int TPageControl::ActivePageIndex() const
{
    auto it = std::find(pages_.begin(), pages_.end(), active_);
    return it == pages_.end() ? -1 : static_cast<int>(it - pages_.begin());
}

void TPageControl::userSelect(TTabSheet& page)
{
    if (page.PageControl() != this || !page.TabVisible() || !page.Enabled)
        return;
    if (&page == active_)
        return;
    bool allow = true;
    if (OnChanging)
        OnChanging(allow);
    if (!allow)
        return;
    if (CanFocus() && !Focused())
        SetFocus();
    active_ = &page;
    if (OnChange)
        OnChange();
}

void TPageControl::keyDefault(int& key, TShiftState shift)
{
    // Ctrl+Tab and the arrow keys walk the visible tabs.
    const bool forward = (key == VK_RIGHT) || (key == VK_TAB && shift.ctrl && !shift.shift);
    const bool backward = (key == VK_LEFT) || (key == VK_TAB && shift.ctrl && shift.shift);
    if (!forward && !backward)
        return;
    key = 0;
    const int n = PageCount();
    int i = ActivePageIndex();
    for (int step = 1; step < n; ++step) {
        int j = ((i + (forward ? step : -step)) % n + n) % n;
        if (pages_[static_cast<size_t>(j)]->TabVisible()) {
            userSelect(*pages_[static_cast<size_t>(j)]);
            return;
        }
    }
}

void TPageControl::tabHidden(TTabSheet& page)
{
    if (active_ != &page)
        return;
    // The tab that slides into the hidden one's place becomes active, else the last one.
    auto it = std::find(pages_.begin(), pages_.end(), &page);
    for (auto next = it + 1; next != pages_.end(); ++next)
        if ((*next)->TabVisible()) {
            active_ = *next;
            return;
        }
    for (auto prev = it; prev != pages_.begin();) {
        --prev;
        if ((*prev)->TabVisible()) {
            active_ = *prev;
            return;
        }
    }
    active_ = nullptr;
}

void TPageControl::tabShown(TTabSheet& page)
{
    if (!active_)
        active_ = &page;
}

TTabSheet::TTabSheet(TPageControl* pageControl, std::string name)
    : TWinControl(pageControl, std::move(name)), pageControl_(pageControl)
{
    TabStop = false;
    pageControl_->pages_.push_back(this);
    if (!pageControl_->active_)
        pageControl_->active_ = this;
}

TTabSheet::~TTabSheet()
{
    auto& p = pageControl_->pages_;
    p.erase(std::remove(p.begin(), p.end(), this), p.end());
    if (pageControl_->active_ == this)
        pageControl_->active_ = p.empty() ? nullptr : p.front();
}

int TTabSheet::PageIndex() const
{
    const auto& p = pageControl_->pages_;
    return static_cast<int>(std::find(p.begin(), p.end(), this) - p.begin());
}

void TTabSheet::setTabVisible(bool visible)
{
    if (visible == tabVisible_)
        return;
    tabVisible_ = visible;
    if (visible)
        pageControl_->tabShown(*this);
    else
        pageControl_->tabHidden(*this);
}

bool TTabSheet::shownInParent() const
{
    return Visible && tabVisible_ && pageControl_->ActivePage() == this;
}
