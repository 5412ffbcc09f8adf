// The tree's groups: lookups, removing a person, and linking members after a load.
#include "model/chain_index.h"
#include "model/clovek.h"
#include "model/display_settings.h"
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
    relinkGroupMembers(ChainIndex(firstPerson));
}

void Rod::relinkGroupMembers(const ChainIndex& chain)
{
    // Placeholders are destroyed only after every entry has been moved off them, so a
    // placeholder shared by two entries still tells its number to the second.
    std::unordered_set<Clovek*> placeholders;
    for (Group* g : groups.items<Group>()) {
        std::unordered_set<const Clovek*> seen;
        for (Prvek* e = g->members.first(); e;) {
            auto* m = static_cast<UkGrClovek*>(e);
            e = e->next;
            Clovek* person = m->person();
            if (person && !inChain(person)) {
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

namespace {

std::unordered_set<const Clovek*> memberSet(const Group& group)
{
    std::unordered_set<const Clovek*> set;
    set.reserve(static_cast<size_t>(group.members.count()));
    for (UkGrClovek* m : group.members.items<UkGrClovek>())
        set.insert(m->person());
    return set;
}

} // namespace

void Rod::invertGroup(Group& group)
{
    const std::unordered_set<const Clovek*> wereMembers = memberSet(group);
    group.members.clear();
    for (Clovek* p = firstPerson; p; p = p->chainNext)
        if (!wereMembers.count(p))
            group.addMember(p);
}

void Rod::refillGroup(Group& group, const std::function<bool(const Clovek&)>& qualifies)
{
    group.members.clear();
    for (Clovek* p = firstPerson; p; p = p->chainNext)
        if (qualifies(*p))
            group.addMember(p);
}

void Rod::addMarkedToGroup(Group& group)
{
    const std::unordered_set<const Clovek*> members = memberSet(group);
    for (Clovek* p = firstPerson; p; p = p->chainNext)
        if (p->mark && !members.count(p))
            group.addMember(p);
}

std::vector<std::pair<std::string, bool>> Rod::memberRows(const Group* group,
                                                          const DisplaySettings& settings) const
{
    std::unordered_set<const Clovek*> members;
    if (group)
        members = memberSet(*group);
    std::vector<std::pair<std::string, bool>> rows;
    rows.reserve(static_cast<size_t>(personCount()));
    for (const Clovek* p = firstPerson; p; p = p->chainNext)
        rows.emplace_back(p->displayName(settings.showBirthSurname(), true, true), members.count(p) != 0);
    return rows;
}

std::unordered_map<std::string, Clovek*> Rod::personsByDisplayName(const DisplaySettings& settings) const
{
    std::unordered_map<std::string, Clovek*> byName;
    byName.reserve(static_cast<size_t>(personCount()));
    std::string name;
    for (Clovek* p = firstPerson; p; p = p->chainNext) {
        p->displayNameInto(name, settings.showBirthSurname(), true, true);
        byName.try_emplace(name, p);
    }
    return byName;
}
