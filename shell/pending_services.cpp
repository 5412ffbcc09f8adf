// The least of the person editor, the person summary and the statistics that the language
// command and the language load call. Each is replaced by its full version where its page is
// built; until then a page keeps what it shows.
#include "model/group.h"
#include "model/rod.h"
#include "model/prev_next.h"
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

void Thlavni::showBasicPage()
{
}

void Thlavni::showPersonSummary()
{
}

void Thlavni::showTreeStatistics()
{
}

// The page refill and the heading follow with the person editor.
void Thlavni::showPerson(Clovek* person)
{
    struct Restore {
        bool& flag;
        bool was;
        ~Restore() { flag = was; }
    } restore{showingPerson, showingPerson};
    showingPerson = true;
    currentPerson = person;
    if (history && !navigatingHistory)
        history->push(person);
    paintPersonList();
}
