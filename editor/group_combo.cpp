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
    skupinyCB.OnChange = [this] { skupinyCBChange(); };
    zakladniSheet.skupinyBT.OnClick = [this] { skupinyBTClick(); };
    zakladniSheet.spravceSkupinBT.OnClick = [this] { spravceSkupinBTClick(); };
}

void PersonEditor::fillGroupsCombo(const std::string& groupName)
{
    skupinyCB.Items.Clear();
    skupinyCB.Items.Add(allPersonsGroupName);
    const std::string wanted = groupName.empty() ? allPersonsGroupName : groupName;
    if (session.tree())
        addGroupNames(skupinyCB.Items, *session.tree());
    skupinyCB.setItemIndex(exactIndexOf(skupinyCB.Items, wanted));
    if (session.tree() && session.tree()->personCount() > 0)
        filterListByGroup();
}

void PersonEditor::skupinyCBChange()
{
    filterListByGroup();
}

void PersonEditor::filterListByGroup()
{
    if (!session.tree() || !personList.hasView())
        return;
    PersonListPanel& list = personList;
    const int chosen = skupinyCB.ItemIndex();
    const std::string name =
        chosen >= 0 && chosen < skupinyCB.Items.Count() ? skupinyCB.Items[chosen] : skupinyCB.Text();
    if (name == allPersonsGroupName) {
        // A list that holds every person already (as opening a tree leaves it) keeps its rows
        // and the order they were sorted in: a big tree would only be listed and sorted twice.
        if (list.rowCount() != session.tree()->personCount()) {
            list.clear();
            list.fill();
        }
    } else {
        list.clear();
        if (const Group* group = session.tree()->findGroup(name))
            for (UkGrClovek* m : group->members.items<UkGrClovek>())
                if (m->person())
                    list.add(m->person());
    }
    list.settleNewRows();
}
