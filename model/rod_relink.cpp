// Resolving what the loader of the current format could only name by number.
#include "model/chain_index.h"
#include "model/clovek.h"
#include "model/rod.h"

#include <unordered_set>

void Rod::relinkParents()
{
    const ChainIndex chain(firstPerson);
    // A link that already names a person of the chain is left as it is; only placeholders are
    // replaced, each destroyed once.
    std::unordered_set<Clovek*> placeholders;
    auto resolve = [&](Clovek*& link) {
        if (!link || inChain(link))
            return;
        placeholders.insert(link);
        link = chain.find(link->number);
    };
    for (Clovek* p = firstPerson; p; p = p->chainNext) {
        resolve(p->mother);
        resolve(p->father);
    }
    for (Clovek* placeholder : placeholders)
        delete placeholder;
}

void Rod::sortPartnershipLists()
{
    for (Clovek* p = firstPerson; p; p = p->chainNext)
        p->partnerships.sort();
}

Clovek* Rod::activePerson() const
{
    for (Clovek* p = firstPerson; p; p = p->chainNext) {
        if (p->number == activePersonNumber)
            return p;
    }
    return nullptr;
}
