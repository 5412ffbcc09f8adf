#pragma once
// List boxes and check list boxes.
#include "system/stringlist.h"
#include "toolkit/control.h"

#include <chrono>
#include <string>

class TListBox : public TWinControl {
public:
    TListBox(TWinControl* parent, std::string name);
    ~TListBox() override;

    // Lines; a sorted list keeps them in the collation's order whatever order they are added.
    TStringList Items;
    bool Sorted() const { return Items.Sorted(); }
    void setSorted(bool sorted) { Items.setSorted(sorted); }
    int ItemHeight = 13;
    int ItemIndex() const { return itemIndex_; }
    // Fires nothing.
    void setItemIndex(int index);
    int TopIndex() const { return topIndex_; }
    void setTopIndex(int index);
    int visibleLines() const;

    // A person clicks line `index` (-1: below the last line, the selection stays).
    void userClickLine(int index);
    // Up, Down, Home, End, Page Up and Page Down move the selection (OnClick). Letters and
    // digits typed one soon after another select the next line that begins with them, its
    // leading blanks passed over (OnClick).
    void keyDefault(int& key, TShiftState shift) override;
    const char* ClassName() const override { return "TListBox"; }

protected:
    virtual void itemsChanged();
    void scrollIntoView();
    int itemIndex_ = -1;
    int topIndex_ = 0;

private:
    bool typeAhead(char letter);
    std::string typed_;
    std::chrono::steady_clock::time_point typedAt_;
};

// Every line has a tick that stays with its line when lines are sorted, added or deleted.
class TCheckListBox : public TListBox {
public:
    TCheckListBox(TWinControl* parent, std::string name);
    bool Checked(int index) const;
    // Fires nothing.
    void setChecked(int index, bool checked);
    TNotifyEvent OnClickCheck;
    // A person clicks the tick of line `index`: the tick flips, the line is selected, OnClickCheck.
    void userToggle(int index);
    // Space flips the tick of the selected line.
    void keyDefault(int& key, TShiftState shift) override;
    const char* ClassName() const override { return "TCheckListBox"; }
};
