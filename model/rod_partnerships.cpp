// Partnership operations over the whole tree.
#include "model/clovek.h"
#include "model/rod.h"
#include "model/svatba.h"

#include <vector>

void Rod::sharePartnerships()
{
    for (Clovek* p = firstPerson; p; p = p->chainNext) {
        for (UkSvatba* e : p->partnerships.items<UkSvatba>()) {
            Svatba* s = e->partnership;
            Clovek* r = s ? s->partner2 : nullptr;
            if (!r || r == p || r->hasPartnership(s))
                continue;
            UkSvatba* own = r->unsharedPartnershipWith(p);
            if (!own) {
                r->partnerships.append(std::make_unique<UkSvatba>(s));
            } else {
                delete own->partnership;
                own->partnership = s;
            }
        }
    }
}

// Every record once, however many lists name it.
void Rod::freePartnerships()
{
    // Each record once, told by its mark rather than a set: a big tree has tens of thousands.
    for (Clovek* p = firstPerson; p; p = p->chainNext)
        for (UkSvatba* e : p->partnerships.items<UkSvatba>())
            if (e->partnership)
                e->partnership->visited = 0;
    std::vector<Svatba*> records;
    for (Clovek* p = firstPerson; p; p = p->chainNext) {
        for (UkSvatba* e : p->partnerships.items<UkSvatba>())
            if (e->partnership && !e->partnership->visited) {
                e->partnership->visited = 1;
                records.push_back(e->partnership);
            }
        p->partnerships.clear();
    }
    for (Svatba* s : records)
        delete s;
}

void Rod::setAllPartnershipFlags(uint8_t value)
{
    for (Clovek* p = firstPerson; p; p = p->chainNext)
        for (UkSvatba* e : p->partnerships.items<UkSvatba>())
            if (e->partnership)
                e->partnership->visited = value;
}

void Rod::setAllPartnershipNumbers(int value)
{
    for (Clovek* p = firstPerson; p; p = p->chainNext)
        for (UkSvatba* e : p->partnerships.items<UkSvatba>())
            if (e->partnership)
                e->partnership->number = value;
}
