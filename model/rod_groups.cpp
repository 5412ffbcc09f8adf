// The tree's groups as far as removing a person needs them.
#include "model/group.h"
#include "model/rod.h"
#include "model/uk_clovek.h"

void Rod::removeFromAllGroups(const Clovek* person)
{
    for (Group* g : groups.items<Group>()) {
        for (UkGrClovek* m : g->members.items<UkGrClovek>())
            if (m->person() == person) {
                g->members.remove(m);
                break;
            }
    }
}
