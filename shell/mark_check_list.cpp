#include "shell/mark_check_list.h"

#include "model/rod.h"
#include "toolkit/lists.h"

void fillMarkCheckList(TCheckListBox& box, const Rod& tree, const DisplaySettings& settings)
{
    fillPersonCheckList(box, tree.markRows(settings));
}

void fillPersonCheckList(TCheckListBox& box, const std::vector<std::pair<std::string, bool>>& rows)
{
    const int top = box.TopIndex();
    box.Items.Clear();
    box.setSorted(false);
    for (const auto& [name, marked] : rows) {
        const int row = box.Items.Add(name);
        box.setChecked(row, marked);
    }
    // Sorting carries each tick with its line.
    box.setSorted(true);
    if (top < box.Items.Count())
        box.setTopIndex(top);
}
