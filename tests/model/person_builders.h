#pragma once
// Persons, their life periods and the links between them made by hand, as the editor and the
// loaders make them.
#include "model/casove_obdobi.h"
#include "model/clovek.h"
#include "model/datum.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "model/uk_clovek.h"

#include <string>

inline Clovek* makePerson(const std::string& first, const std::string& surname, int sex = 1,
                          const Datum& birth = Datum())
{
    Clovek* p = new Clovek;
    p->firstName = first;
    p->surname = surname;
    p->sex = uint8_t(sex);
    p->birth = birth;
    return p;
}

// A person made as above and added to the tree as the editor adds a new one (numbered and given
// its identifier by the tree).
inline Clovek* addPersonTo(Rod& tree, const std::string& first, const std::string& surname, int sex = 1,
                           const Datum& birth = Datum())
{
    Clovek* p = makePerson(first, surname, sex, birth);
    tree.addNewPerson(std::unique_ptr<Clovek>(p));
    return p;
}

// An education, occupation or residence with its years as typed ("" where none is given).
inline CasoveObdobi* period(const std::string& text, const std::string& from, const std::string& to)
{
    auto* e = new CasoveObdobi(text);
    e->from = from;
    e->to = to;
    return e;
}

// A partnership listed with both partners.
inline Svatba* partnership(Clovek* a, Clovek* b, PartnershipType type = PartnershipType::plain)
{
    Svatba* s = new Svatba;
    s->partner1 = a;
    s->partner2 = b;
    s->type = type;
    if (a)
        a->partnerships.append(std::make_unique<UkSvatba>(s));
    if (b && b != a)
        b->partnerships.append(std::make_unique<UkSvatba>(s));
    return s;
}

// Father and mother only, as a loader reads them; the tree's child lists are rebuilt afterwards.
inline void setParents(Clovek* child, Clovek* father, Clovek* mother)
{
    child->father = father;
    child->mother = mother;
}

// Father and mother with the child in their child lists, as a loaded tree has them.
inline void linkParents(Clovek* child, Clovek* father, Clovek* mother)
{
    setParents(child, father, mother);
    for (Clovek* p : {father, mother})
        if (p)
            p->children.append(std::make_unique<UkClovek>(child));
}
