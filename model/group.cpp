#include "model/group.h"

#include "model/uk_clovek.h"

bool Group::contains(const Clovek* person) const
{
    for (UkGrClovek* m : members.items<UkGrClovek>())
        if (m->person() == person)
            return true;
    return false;
}

void Group::addMember(Clovek* person)
{
    members.append(std::make_unique<UkGrClovek>(person));
}

void Group::removeMember(const Clovek* person)
{
    for (UkGrClovek* m : members.items<UkGrClovek>())
        if (m->person() == person) {
            members.remove(m);
            return;
        }
}
