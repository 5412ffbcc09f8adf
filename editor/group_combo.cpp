// The group box above the person list: the all-persons entry and the tree's groups, and the
// list rebuilt from the chosen one.
#include "editor/group_lists.h"
#include "editor/person_editor.h"
#include "model/group.h"
#include "model/rod.h"
#include "model/uk_clovek.h"
#include "shell/scroll.h"

#include <algorithm>

void PersonEditor::bindGroupEvents()
{
    window.skupinyCB.OnChange = [this] { skupinyCBChange(); };
    zakladniSheet.skupinyBT.OnClick = [this] { skupinyBTClick(); };
    zakladniSheet.spravceSkupinBT.OnClick = [this] { spravceSkupinBTClick(); };
}

void PersonEditor::fillGroupsCombo(const std::string& groupName)
{
    window.skupinyCB.Items.Clear();
    window.skupinyCB.Items.Add(port.allPersonsEntry());
    const std::string wanted = groupName.empty() ? port.allPersonsEntry() : groupName;
    if (tree())
        addGroupNames(window.skupinyCB.Items, *tree());
    window.skupinyCB.setItemIndex(exactIndexOf(window.skupinyCB.Items, wanted));
    if (tree() && tree()->personCount() > 0)
        filterListByGroup();
}

void PersonEditor::skupinyCBChange()
{
    filterListByGroup();
}

void PersonEditor::filterListByGroup()
{
    if (!tree() || !personList.hasView())
        return;
    PersonListPanel& list = personList;
    const int chosen = window.skupinyCB.ItemIndex();
    const std::string name = chosen >= 0 && chosen < window.skupinyCB.Items.Count()
                                 ? window.skupinyCB.Items[chosen]
                                 : window.skupinyCB.Text();
    if (name == port.allPersonsEntry()) {
        // A list that holds every person already (as opening a tree leaves it) keeps its rows
        // and the order they were sorted in: a big tree would only be listed and sorted twice.
        if (list.rowCount() != tree()->personCount()) {
            list.clear();
            list.fill();
        }
    } else {
        list.clear();
        if (const Group* group = tree()->findGroup(name))
            for (UkGrClovek* m : group->members.items<UkGrClovek>())
                if (m->person())
                    list.add(m->person());
    }
    list.settleNewRows();
}
