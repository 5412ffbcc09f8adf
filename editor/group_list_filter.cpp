// The person list narrowed to the group chosen under it, or every person for the all-persons
// entry.
#include "model/group.h"
#include "model/rod.h"
#include "model/uk_clovek.h"
#include "shell/hlavni.h"
#include "shell/scroll.h"

#include <algorithm>

void Thlavni::filterListByGroup()
{
    if (!tree || !personList)
        return;
    Scroll& list = *personList;
    list.clear();
    const int index = skupinyCB.ItemIndex();
    const std::string name = index >= 0 && index < skupinyCB.Items.Count() ? skupinyCB.Items[index] : skupinyCB.Text();
    if (name == allPersonsGroupName) {
        list.fill();
    } else if (Group* group = tree->findGroup(name)) {
        for (UkGrClovek* member : group->members.items<UkGrClovek>())
            if (member->person())
                list.add(member->person());
    }
    currentRow = list.locate(currentPerson);
    list.sort(setrid.ItemIndex());
    list.ensureVisible();
    list.paint();
    scrollingBar.setMax(std::max(list.count - list.visibleRows, 0));
    scrollingBar.setPosition(std::max(list.selected, 0));
}
