#pragma once
// Groups of a tree made by hand, their members added as the group windows add them.
#include "model/clovek.h"
#include "model/group.h"
#include "model/rod.h"
#include "model/uk_clovek.h"

#include <initializer_list>
#include <string>
#include <vector>

inline Group* addGroup(Rod& tree, const std::string& name, std::initializer_list<Clovek*> members = {})
{
    auto* g = new Group(name);
    tree.groups.append(std::unique_ptr<Prvek>(g));
    for (Clovek* p : members)
        g->addMember(p);
    return g;
}

// The first names of a group's members, in the group's order.
inline std::vector<std::string> memberNames(const Group* g)
{
    std::vector<std::string> names;
    for (UkGrClovek* m : g->members.items<UkGrClovek>())
        names.push_back(m->person()->firstName);
    return names;
}
