// The tree's groups: lookups, removing a person, and linking members after a load.
#include "model/chain_index.h"
#include "model/clovek.h"
#include "model/group.h"
#include "model/rod.h"
#include "model/uk_clovek.h"

#include <unordered_set>

bool Rod::groupExists(const std::string& name) const
{
    return findGroup(name) != nullptr;
}

Group* Rod::findGroup(const std::string& name) const
{
    for (Group* g : groups.items<Group>()) {
        if (g->name == name)
            return g;
    }
    return nullptr;
}

UkGrClovek* Rod::findGroupMember(const Prvky& members, const Clovek* person)
{
    for (UkGrClovek* m : members.items<UkGrClovek>()) {
        if (m->person() == person)
            return m;
    }
    return nullptr;
}

bool Rod::isGroupMember(const Prvky& members, const Clovek* person)
{
    return findGroupMember(members, person) != nullptr;
}

void Rod::removeFromAllGroups(const Clovek* person)
{
    // Every entry, not just the first: a damaged file may list a person twice.
    for (Group* g : groups.items<Group>()) {
        while (UkGrClovek* m = findGroupMember(g->members, person))
            g->members.remove(m);
    }
}

void Rod::relinkGroupMembers()
{
    const ChainIndex chain(firstPerson);
    // Placeholders are destroyed only after every entry has been moved off them, so a
    // placeholder shared by two entries still tells its number to the second.
    std::unordered_set<Clovek*> placeholders;
    for (Group* g : groups.items<Group>()) {
        std::unordered_set<const Clovek*> seen;
        for (Prvek* e = g->members.first(); e;) {
            auto* m = static_cast<UkGrClovek*>(e);
            e = e->next;
            Clovek* person = m->person();
            if (person && !chain.contains(person)) {
                placeholders.insert(person);
                person = chain.find(person->number);
                m->setPerson(person);
            }
            if (!person || !seen.insert(person).second)
                g->members.remove(m);
        }
    }
    for (Clovek* placeholder : placeholders)
        delete placeholder;
}
