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
    if (!session.tree() || !currentPerson || !mojeSkupinyFORM)
        return;
    TmojeSkupinyFORM& w = *mojeSkupinyFORM;
    w.skupinyLIST.Items.Clear();
    int row = 0;
    for (Group* g : session.tree()->groups.items<Group>()) {
        w.skupinyLIST.Items.Add(g->name);
        w.skupinyLIST.setChecked(row++, g->contains(currentPerson));
    }
    w.skupinyLIST.OnClickCheck = [this, &w] {
        const int line = w.skupinyLIST.ItemIndex();
        if (!session.tree() || !currentPerson || line < 0 || line >= w.skupinyLIST.Items.Count())
            return;
        // The lines are in the tree's order: the line's place names its group even when two
        // groups share a name.
        Group* group = static_cast<Group*>(session.tree()->groups.at(line));
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
    fillGroupsCombo(selectedText(skupinyCB));
}

void PersonEditor::spravceSkupinBTClick()
{
    if (!session.tree() || !spravceSkupinFORM)
        return;
    GroupManager::bind(*this);
    fillGroupManagerLists();
    spravceSkupinFORM->ShowModal();
    const std::string remembered = selectedText(skupinyCB);
    refreshPage();
    fillGroupsCombo(session.tree()->groupExists(remembered) ? remembered : std::string());
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
    if (session.tree())
        addGroupNames(w.skupinyLIST.Items, *session.tree());
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
    if (!session.tree() || line < 0 || line >= w.skupinyLIST.Items.Count()) {
        w.clenoveLIST.Items.Clear();
        return;
    }
    const Group* group = session.tree()->findGroup(w.skupinyLIST.Items[line]);
    fillPersonCheckList(w.clenoveLIST, session.tree()->memberRows(group, ListDisplay(settings)));
}
