// The two group commands of the basic-data page: the groups of the shown person, and the group
// manager with its lists.
#include "editor/group_lists.h"
#include "editor/group_windows.h"
#include "editor/person_editor.h"
#include "forms/moje_skupiny_form.h"
#include "forms/spravce_skupin_form.h"
#include "model/group.h"
#include "model/rod.h"
#include "shell/list_display.h"
#include "shell/mark_check_list.h"

namespace {

std::string selectedText(const TComboBox& box)
{
    const int i = box.ItemIndex();
    return i >= 0 && i < box.Items.Count() ? box.Items[i] : std::string();
}

} // namespace

void PersonEditor::skupinyBTClick()
{
    if (!tree() || !currentPerson || !mojeSkupinyFORM)
        return;
    TmojeSkupinyFORM& w = *mojeSkupinyFORM;
    w.skupinyLIST.Items.Clear();
    int row = 0;
    for (Group* g : tree()->groups.items<Group>()) {
        w.skupinyLIST.Items.Add(g->name);
        w.skupinyLIST.setChecked(row++, g->contains(currentPerson));
    }
    w.skupinyLIST.OnClickCheck = [this, &w] {
        const int line = w.skupinyLIST.ItemIndex();
        if (!tree() || !currentPerson || line < 0 || line >= w.skupinyLIST.Items.Count())
            return;
        // The lines are in the tree's order: the line's place names its group even when two
        // groups share a name.
        Group* group = static_cast<Group*>(tree()->groups.at(line));
        if (!group)
            return;
        if (w.skupinyLIST.Checked(line)) {
            if (!group->contains(currentPerson))
                group->addMember(currentPerson);
        } else {
            group->removeMember(currentPerson);
        }
    };
    w.ShowModal();
    fillGroupsCombo(selectedText(window.skupinyCB));
}

void PersonEditor::spravceSkupinBTClick()
{
    if (!tree() || !spravceSkupinFORM)
        return;
    GroupManager::bind(*this);
    fillGroupManagerLists();
    spravceSkupinFORM->ShowModal();
    const std::string remembered = selectedText(window.skupinyCB);
    port.refreshPage();
    fillGroupsCombo(tree()->groupExists(remembered) ? remembered : std::string());
}

void PersonEditor::fillGroupManagerLists()
{
    selectManagedGroup("");
    showManagedGroupMembers();
}

void PersonEditor::selectManagedGroup(const std::string& name)
{
    TspravceSkupinFORM& w = *spravceSkupinFORM;
    w.skupinyLIST.Items.Clear();
    if (tree())
        addGroupNames(w.skupinyLIST.Items, *tree());
    w.skupinyLIST.setItemIndex(-1);
    if (name.empty())
        return;
    w.skupinyLIST.setItemIndex(exactIndexOf(w.skupinyLIST.Items, name));
    showManagedGroupMembers();
}

void PersonEditor::showManagedGroupMembers()
{
    TspravceSkupinFORM& w = *spravceSkupinFORM;
    const int line = w.skupinyLIST.ItemIndex();
    if (!tree() || line < 0 || line >= w.skupinyLIST.Items.Count()) {
        w.clenoveLIST.Items.Clear();
        return;
    }
    const Group* group = tree()->findGroup(w.skupinyLIST.Items[line]);
    fillPersonCheckList(w.clenoveLIST, tree()->memberRows(group, ListDisplay(settings)));
}
