#pragma once
// The pieces every made-up tree of the benches is built from: a person numbered as a loader
// numbers it and added at the head of the chain, a marriage listed with both partners and the
// parents of a child as a loader reads them (the child lists are rebuilt afterwards).
#include "model/clovek.h"
#include "model/rod.h"
#include "model/svatba.h"

#include <string>

namespace bench {

// Numbered directly: finding the lowest free number for each new person would make building the
// tree, not what a bench measures, dominate.
inline Clovek* appendNumbered(Rod& tree, std::unique_ptr<Clovek> p, int number,
                              const std::string& identifierPrefix = "")
{
    p->number = number;
    p->identifier = identifierPrefix + std::to_string(number);
    return tree.appendPerson(std::move(p));
}

inline Svatba* marry(Clovek* a, Clovek* b)
{
    auto* s = new Svatba;
    s->partner1 = a;
    s->partner2 = b;
    s->type = PartnershipType::married;
    a->partnerships.append(std::make_unique<UkSvatba>(s));
    b->partnerships.append(std::make_unique<UkSvatba>(s));
    return s;
}

inline void setParents(Clovek* child, Clovek* father, Clovek* mother)
{
    child->father = father;
    child->mother = mother;
}

} // namespace bench
