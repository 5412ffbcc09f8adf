// Resolving what the loader of the current format could only name by number.
#include "model/clovek.h"
#include "model/rod.h"

#include <unordered_map>
#include <unordered_set>

void Rod::relinkParents()
{
    std::unordered_map<int, Clovek*> byNumber;
    std::unordered_set<const Clovek*> inChain;
    for (Clovek* p = firstPerson; p; p = p->chainNext) {
        byNumber.try_emplace(p->number, p);
        inChain.insert(p);
    }
    // A link that already names a person of the chain is left as it is; only placeholders are
    // replaced, each destroyed once.
    std::unordered_set<Clovek*> placeholders;
    auto resolve = [&](Clovek*& link) {
        if (!link || inChain.count(link))
            return;
        placeholders.insert(link);
        auto found = byNumber.find(link->number);
        link = found == byNumber.end() ? nullptr : found->second;
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
