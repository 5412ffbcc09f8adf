#include "model/group.h"

#include "model/uk_clovek.h"

bool Group::contains(const Clovek* person) const
{
    for (UkGrClovek* m : members.items<UkGrClovek>())
        if (m->person() == person)
            return true;
    return false;
}
