// The person's side of family links: children, siblings and partnership entries.
#include "model/casove_obdobi.h"
#include "model/clovek.h"
#include "model/svatba.h"
#include "model/uk_clovek.h"

#include <algorithm>
#include <unordered_set>

namespace {

UkClovek* entryFor(const Prvky& list, const Clovek* person)
{
    for (UkClovek* e : list.items<UkClovek>())
        if (e->person() == person)
            return e;
    return nullptr;
}

std::unordered_set<const Clovek*> personsIn(const Prvky& list)
{
    std::unordered_set<const Clovek*> set;
    set.reserve(list.count());
    for (UkClovek* e : list.items<UkClovek>())
        set.insert(e->person());
    return set;
}

bool oldMissing(const std::string& part)
{
    return part == "X" || part == "x";
}

} // namespace

UkClovek* Clovek::childEntry(const Clovek* child) const
{
    return entryFor(children, child);
}

bool Clovek::hasChild(const Clovek* person) const
{
    return entryFor(children, person) != nullptr;
}

void Clovek::removeChild(const Clovek* child)
{
    buildChildrenSiblingLists();
    children.remove(entryFor(children, child));
}

void Clovek::appendChild(Clovek* child)
{
    buildChildrenSiblingLists();
    children.append(std::make_unique<UkClovek>(child));
}

namespace {

// Whether sorting would leave the list as it is: the bubble passes move an element only past a
// neighbour it sorts before.
bool inOrder(const Prvky& list)
{
    for (Prvek* e = list.first(); e && e->next; e = e->next)
        if (e->next->sortsBefore(e))
            return false;
    return true;
}

const Prvky& noSiblings()
{
    static const Prvky empty;
    return empty;
}

} // namespace

void Clovek::sortChildren()
{
    if (inOrder(children))
        return;
    buildChildrenSiblingLists();
    children.sort();
}

Prvky& Clovek::siblings()
{
    buildSiblingList();
    if (!siblings_)
        siblings_ = std::make_unique<Prvky>();
    return *siblings_;
}

const Prvky& Clovek::siblings() const
{
    buildSiblingList();
    return siblings_ ? *siblings_ : noSiblings();
}

void Clovek::buildSiblingList() const
{
    if (!siblingsPending_)
        return;
    siblingsPending_ = 0;
    // Made from the parents, which an edit changes only after making the list: the list is
    // derived data, so a const person makes it too.
    const_cast<Clovek*>(this)->addMissingSiblings();
}

void Clovek::buildChildrenSiblingLists() const
{
    for (UkClovek* e : children.items<UkClovek>())
        if (e->person())
            e->person()->buildSiblingList();
}

void Clovek::buildSiblingListsAround(const Clovek* newParent) const
{
    buildSiblingList();
    for (const Clovek* parent : std::initializer_list<const Clovek*>{father, mother, newParent})
        if (parent)
            parent->buildChildrenSiblingLists();
}

void Clovek::addMissingSiblings()
{
    // No walk stamps here: a list may be made in the middle of a walk that uses them.
    std::vector<Clovek*> found;
    std::unordered_set<const Clovek*> listed;
    const bool many = (father ? father->children.count() : 0) + (mother ? mother->children.count() : 0) > 16;
    auto isListed = [&](const Clovek* p) {
        if (many)
            return listed.count(p) != 0;
        if (std::find(found.begin(), found.end(), p) != found.end())
            return true;
        if (siblings_)
            for (UkClovek* e : siblings_->items<UkClovek>())
                if (e->person() == p)
                    return true;
        return false;
    };
    if (many && siblings_)
        listed = personsIn(*siblings_);
    for (Clovek* parent : {father, mother}) {
        if (!parent)
            continue;
        for (UkClovek* e : parent->children.items<UkClovek>()) {
            Clovek* child = e->person();
            if (!child || child == this || isListed(child))
                continue;
            found.push_back(child);
            if (many)
                listed.insert(child);
        }
    }
    if (found.empty() && !siblings_)
        return;
    Prvky& list = siblings();
    for (Clovek* child : found)
        list.append(std::make_unique<UkClovek>(child));
    list.sort();
}

bool Clovek::hasSibling(const Clovek* person) const
{
    return entryFor(siblings(), person) != nullptr;
}

UkClovek* Clovek::siblingEntry(const Clovek* person) const
{
    return entryFor(siblings(), person);
}

void Clovek::addSiblingToChildren(Clovek* person)
{
    for (UkClovek* e : children.items<UkClovek>()) {
        Clovek* child = e->person();
        if (!child || child == person)
            continue;
        Prvky& list = child->siblings();
        if (!child->hasSibling(person))
            list.append(std::make_unique<UkClovek>(person));
        list.sort();
    }
}

void Clovek::addSiblingsFromParent(Clovek* parent)
{
    if (!parent)
        return;
    Prvky& own = siblings();
    std::unordered_set<const Clovek*> listed = personsIn(own);
    for (UkClovek* e : parent->children.items<UkClovek>()) {
        Clovek* child = e->person();
        if (!child || child == this || listed.count(child))
            continue;
        own.append(std::make_unique<UkClovek>(child));
        listed.insert(child);
        child->siblings().append(std::make_unique<UkClovek>(this));
    }
    own.sort();
}

void Clovek::pruneSiblings()
{
    Prvek* e = siblings().first();
    while (e) {
        Prvek* next = e->next;
        Clovek* s = static_cast<UkClovek*>(e)->person();
        bool shares = s && ((father && s->father == father) || (mother && s->mother == mother));
        if (!shares) {
            if (s)
                s->siblings().remove(s->siblingEntry(this));
            siblings_->remove(e);
        }
        e = next;
    }
}

bool Clovek::hasPartnership(const Svatba* partnership) const
{
    return partnershipIndex(partnership) >= 0;
}

bool Clovek::hasPartner() const
{
    for (UkSvatba* e : partnerships.items<UkSvatba>()) {
        const Svatba* s = e->partnership;
        if (!s)
            continue;
        const Clovek* other = s->otherPartner(this);
        if (other && other != this)
            return true;
    }
    return false;
}

int Clovek::partnershipIndex(const Svatba* partnership) const
{
    int i = 0;
    for (UkSvatba* e : partnerships.items<UkSvatba>()) {
        if (e->partnership == partnership)
            return i;
        ++i;
    }
    return -1;
}

void Clovek::removePartnership(const Svatba* partnership)
{
    for (UkSvatba* e : partnerships.items<UkSvatba>())
        if (e->partnership == partnership) {
            partnerships.remove(e);
            return;
        }
}

void Clovek::fillPartnerNames(std::vector<std::string>& names, const DisplaySettings& settings) const
{
    names.clear();
    for (UkSvatba* e : partnerships.items<UkSvatba>())
        names.push_back(e->partnership ? e->partnership->otherPartnerName(this, settings) : "");
}

void Clovek::dropPartnershipsWithoutPartner()
{
    for (;;) {
        UkSvatba* found = nullptr;
        for (UkSvatba* e : partnerships.items<UkSvatba>()) {
            const Svatba* s = e->partnership;
            const Clovek* other = s ? s->otherPartner(this) : nullptr;
            if (!other || other == this) {
                found = e;
                break;
            }
        }
        if (!found)
            return;
        Svatba* record = found->partnership;
        // A record listed twice here would otherwise be freed while still listed.
        Prvek* e = partnerships.first();
        while (e) {
            Prvek* next = e->next;
            if (static_cast<UkSvatba*>(e)->partnership == record)
                partnerships.remove(e);
            e = next;
        }
        delete record;
    }
}

UkSvatba* Clovek::unsharedPartnershipWith(const Clovek* person) const
{
    if (!person)
        return nullptr;
    for (UkSvatba* e : partnerships.items<UkSvatba>()) {
        Svatba* s = e->partnership;
        if (s && s->partner2 == person && !person->hasPartnership(s))
            return e;
    }
    return nullptr;
}

void Clovek::convertOldPartnershipDates()
{
    for (UkSvatba* e : partnerships.items<UkSvatba>()) {
        Svatba* s = e->partnership;
        if (!s)
            continue;
        Datum& w = s->wedding;
        Datum& d = s->divorce;
        if (oldMissing(w.day) || oldMissing(w.month) || oldMissing(w.year))
            s->type = PartnershipType::plain;
        else if (oldMissing(d.day) || oldMissing(d.month) || oldMissing(d.year))
            s->type = PartnershipType::married;
        else
            s->type = PartnershipType::divorced;
        for (SparseText* part : {&w.day, &w.month, &w.year, &d.day, &d.month, &d.year})
            if (oldMissing(*part))
                *part = "?";
    }
}

void Clovek::fillPeriodTexts(const Prvky& periods, std::vector<std::string>& lines) const
{
    lines.clear();
    for (CasoveObdobi* e : periods.items<CasoveObdobi>())
        lines.push_back(e->displayText());
}
