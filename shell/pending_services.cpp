// The least of the person editor and the person summary that showing a person,
// the page refill and the language command call. Each is replaced by its full version where its
// page is built; until then a page keeps what it shows.
#include "model/clovek.h"
#include "model/group.h"
#include "model/person_texts.h"
#include "model/prev_next.h"
#include "model/rod.h"
#include "shell/hlavni.h"

void Thlavni::fillGroupsCombo(const std::string& groupName)
{
    skupinyCB.Items.Clear();
    skupinyCB.Items.Add(allPersonsGroupName);
    if (tree)
        for (Group* g : tree->groups.items<Group>())
            skupinyCB.Items.Add(g->name);
    int index = 0;
    if (!groupName.empty())
        for (int i = 1; i < skupinyCB.Items.Count(); ++i)
            if (skupinyCB.Items[i] == groupName) {
                index = i;
                break;
            }
    skupinyCB.setItemIndex(index);
}

void Thlavni::showPartnership()
{
}

void Thlavni::fillPartnerList(int)
{
}
