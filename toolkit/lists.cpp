#include "toolkit/lists.h"

#include "toolkit/keys.h"

#include <algorithm>
#include <cctype>

TListBox::TListBox(TWinControl* parent, std::string name) : TWinControl(parent, std::move(name))
{
    Color = clWindow;
    Items.OnChange = [this] { itemsChanged(); };
}

TListBox::~TListBox()
{
    Items.OnChange = nullptr;
}

void TListBox::itemsChanged()
{
    if (itemIndex_ >= Items.Count())
        itemIndex_ = -1;
    topIndex_ = std::clamp(topIndex_, 0, std::max(Items.Count() - 1, 0));
}

int TListBox::visibleLines() const
{
    return std::max(1, Height / std::max(1, ItemHeight));
}

void TListBox::setItemIndex(int index)
{
    if (index < -1 || index >= Items.Count())
        index = -1;
    itemIndex_ = index;
    scrollIntoView();
}

void TListBox::setTopIndex(int index)
{
    topIndex_ = std::clamp(index, 0, std::max(Items.Count() - 1, 0));
}

void TListBox::scrollIntoView()
{
    if (itemIndex_ < 0)
        return;
    if (itemIndex_ < topIndex_)
        topIndex_ = itemIndex_;
    else if (itemIndex_ >= topIndex_ + visibleLines())
        topIndex_ = itemIndex_ - visibleLines() + 1;
}

void TListBox::userClickLine(int index)
{
    if (index >= 0 && index < Items.Count())
        setItemIndex(index);
}

void TListBox::keyDefault(int& key, TShiftState shift)
{
    const int n = Items.Count();
    if (n == 0)
        return;
    int next;
    switch (key) {
    case VK_UP:
        next = itemIndex_ - 1;
        break;
    case VK_DOWN:
        next = itemIndex_ + 1;
        break;
    case VK_HOME:
        next = 0;
        break;
    case VK_END:
        next = n - 1;
        break;
    case VK_PRIOR:
        next = itemIndex_ - visibleLines() + 1;
        break;
    case VK_NEXT:
        next = itemIndex_ + visibleLines() - 1;
        break;
    default:
        if (!shift.ctrl && !shift.alt && ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) &&
            typeAhead(char(std::tolower(key))))
            key = 0;
        return;
    }
    key = 0;
    next = std::clamp(next, 0, n - 1);
    if (next == itemIndex_)
        return;
    setItemIndex(next);
    Click();
}

bool TListBox::typeAhead(char letter)
{
    // A pause as long as a person takes to look starts a new search.
    const auto now = std::chrono::steady_clock::now();
    if (now - typedAt_ > std::chrono::seconds(1))
        typed_.clear();
    typedAt_ = now;
    typed_ += letter;
    const auto startsWithTyped = [this](const std::string& line) {
        const size_t from = line.find_first_not_of(' ');
        if (from == std::string::npos || line.size() - from < typed_.size())
            return false;
        for (size_t i = 0; i < typed_.size(); ++i)
            if (std::tolower(static_cast<unsigned char>(line[from + i])) != typed_[i])
                return false;
        return true;
    };
    // One letter goes on to the next line with it; more letters may stay on the line found.
    const int n = Items.Count();
    const int start = typed_.size() == 1 ? itemIndex_ + 1 : std::max(itemIndex_, 0);
    for (int i = 0; i < n; ++i) {
        const int line = (start + i) % n;
        if (startsWithTyped(Items[line])) {
            if (line != itemIndex_) {
                setItemIndex(line);
                Click();
            }
            return true;
        }
    }
    return false;
}

TCheckListBox::TCheckListBox(TWinControl* parent, std::string name) : TListBox(parent, std::move(name)) { }

bool TCheckListBox::Checked(int index) const
{
    return Items.lineFlag(index);
}

void TCheckListBox::setChecked(int index, bool checked)
{
    Items.setLineFlag(index, checked);
}

void TCheckListBox::userToggle(int index)
{
    if (index < 0 || index >= Items.Count())
        return;
    setItemIndex(index);
    setChecked(index, !Checked(index));
    if (OnClickCheck)
        OnClickCheck();
}

void TCheckListBox::keyDefault(int& key, TShiftState shift)
{
    if (key == VK_SPACE) {
        if (itemIndex_ >= 0)
            userToggle(itemIndex_);
        key = 0;
        return;
    }
    TListBox::keyDefault(key, shift);
}
