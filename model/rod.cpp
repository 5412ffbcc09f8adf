#include "model/rod.h"

#include "model/clovek.h"
#include "model/display_settings.h"
#include "model/distinct_texts.h"
#include "model/generations.h"
#include "model/group.h"
#include "model/svatba.h"
#include "model/uk_clovek.h"
#include "system/numbers.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

Rod::Rod(std::string file) : fileName(std::move(file)), undoHistory(new ActionList) { }

Rod::~Rod()
{
    freePartnerships();
    Clovek* p = firstPerson;
    while (p) {
        Clovek* next = p->chainNext;
        delete p;
        p = next;
    }
    firstPerson = nullptr;
    personCount_ = 0;
    photoStore.clear();
    documentStore.clear();
    fileStore.clear();
    groups.clear();
    undoHistory.reset();
}

Clovek* Rod::nextInChain(const Clovek* p)
{
    return p->chainNext;
}

Clovek* Rod::appendPerson(std::unique_ptr<Clovek> owned)
{
    if (!owned)
        return nullptr;
    Clovek* person = owned.release();
    chainChanged();
    numbersStale_ = true;
    ++chainChanges_;
    linkAtHead(person);
    return person;
}

void Rod::linkAtHead(Clovek* person)
{
    ++personCount_;
    person->chainPrev = nullptr;
    person->chainNext = firstPerson;
    if (firstPerson)
        firstPerson->chainPrev = person;
    firstPerson = person;
}

Clovek* Rod::addNewPerson(std::unique_ptr<Clovek> owned)
{
    if (!owned)
        return nullptr;
    const int number = firstFreePersonNumber();
    owned->number = number;
    owned->identifier = intToStr(number);
    chainChanged();
    if (holdsValueListTexts(*owned))
        ++chainChanges_;
    Clovek* person = owned.release();
    linkAtHead(person);
    numberUsed_[size_t(number)] = true;
    lowestFreeHint_ = number + 1;
    return person;
}

// With n persons the lowest free number is at most n; room for as many again means a walk of
// the chain only after that many new persons.
void Rod::startNumberIndex() const
{
    // A portrait of the folder counts as a person: its number is never given again.
    numberUsed_.assign((size_t(personCount_) + folderNumbers_.portraits.size()) * 2 + 64, false);
    numberRepeats_.clear();
    lowestFreeHint_ = 0;
    for (int number : folderNumbers_.portraits)
        noteNumberInUse(number);
}

void Rod::holdFolderNumbers(FolderNumbers numbers)
{
    folderNumbers_ = std::move(numbers);
    numbersStale_ = true;
}

void Rod::noteNumberInUse(int number) const
{
    if (number < 0 || number >= int(numberUsed_.size()))
        return;
    if (numberUsed_[size_t(number)])
        ++numberRepeats_[number];
    else
        numberUsed_[size_t(number)] = true;
}

void Rod::indexNumbersInUse() const
{
    startNumberIndex();
    for (const Clovek* p = firstPerson; p; p = p->chainNext)
        noteNumberInUse(p->number);
    numbersStale_ = false;
}

int Rod::firstFreePersonNumber() const
{
    for (;;) {
        if (numbersStale_)
            indexNumbersInUse();
        const int size = int(numberUsed_.size());
        while (lowestFreeHint_ < size && numberUsed_[size_t(lowestFreeHint_)])
            ++lowestFreeHint_;
        if (lowestFreeHint_ < size)
            return lowestFreeHint_;
        numbersStale_ = true;
    }
}

void Rod::forgetNumber(int number)
{
    if (numbersStale_ || number < 0 || number >= int(numberUsed_.size()))
        return;
    auto repeat = numberRepeats_.find(number);
    if (repeat != numberRepeats_.end()) {
        if (--repeat->second == 0)
            numberRepeats_.erase(repeat);
        return;
    }
    numberUsed_[size_t(number)] = false;
    lowestFreeHint_ = std::min(lowestFreeHint_, number);
}

void Rod::removePerson(Clovek* person)
{
    if (!inChain(person))
        return;
    removeFromAllGroups(person);
    freeRemovedPerson(person);
}

void Rod::removePersons(const std::vector<Clovek*>& persons)
{
    // One walk over the members of every group, instead of one per person.
    std::unordered_set<const Clovek*> leaving;
    for (Clovek* p : persons)
        if (inChain(p))
            leaving.insert(p);
    for (Group* g : groups.items<Group>())
        for (Prvek* e = g->members.first(); e;) {
            auto* m = static_cast<UkGrClovek*>(e);
            e = e->next;
            if (leaving.count(m->person()))
                g->members.remove(m);
        }
    for (Clovek* p : persons)
        if (leaving.erase(p))
            freeRemovedPerson(p);
}

bool Rod::inChain(const Clovek* person) const
{
    return person && (person == firstPerson || person->chainPrev);
}

void Rod::freeRemovedPerson(Clovek* person)
{
    if (person->chainPrev)
        person->chainPrev->chainNext = person->chainNext;
    else
        firstPerson = person->chainNext;
    if (person->chainNext)
        person->chainNext->chainPrev = person->chainPrev;
    person->chainPrev = person->chainNext = nullptr;
    chainChanged();
    forgetNumber(person->number);
    if (holdsValueListTexts(*person))
        ++chainChanges_;
    // No undo step may reach the person once it is gone, nor the partnerships that go with it
    // (those are forgotten as they are freed below).
    const bool historyChanged = undoHistory->forget(person);
    unlinkFromRelatives(person);
    // Whatever list still names the person (a sibling entry that was never mirrored) lets go of
    // it, so no list is left pointing at a destroyed person.
    while (UkClovek* e = person->firstReferrer()) {
        if (e->list())
            e->list()->remove(e);
        else
            e->setPerson(nullptr);
    }
    delete person;
    --personCount_;
    if (historyChanged)
        tellUndoButtons();
}

void Rod::unlinkFromRelatives(Clovek* person)
{
    if (!person)
        return;
    // The lists that the person's going changes what they would be made of are made first.
    person->buildSiblingListsAround();
    person->buildChildrenSiblingLists();
    // 1. Out of the parents' children lists.
    if (person->father)
        person->father->removeChild(person);
    if (person->mother)
        person->mother->removeChild(person);

    // 2. Out of each sibling's list, found through the entries that name the person rather than
    // by searching every sibling's list.
    std::unordered_set<const Prvky*> siblingLists;
    for (UkClovek* e : person->siblings().items<UkClovek>())
        if (e->person() && e->person() != person)
            siblingLists.insert(&std::as_const(*e->person()).siblings());
    for (UkClovek* e = person->firstReferrer(); e && !siblingLists.empty();) {
        UkClovek* next = e->nextReferrer();
        if (siblingLists.erase(e->list()))
            e->list()->remove(e);
        e = next;
    }

    // 3. Partnerships: out of the other partner's list, each record freed once.
    std::vector<Svatba*> records;
    for (UkSvatba* e : person->partnerships.items<UkSvatba>())
        if (e->partnership && std::find(records.begin(), records.end(), e->partnership) == records.end())
            records.push_back(e->partnership);
    person->partnerships.clear();
    for (Svatba* s : records) {
        for (Clovek* partner : {s->partner1, s->partner2})
            if (partner && partner != person)
                partner->removePartnership(s);
        if (undoHistory->forget(s))
            tellUndoButtons();
        delete s;
    }

    // 4. No longer anyone's parent. The children lists name everyone whose parent this is.
    std::vector<Clovek*> orphaned;
    for (UkClovek* e : person->children.items<UkClovek>()) {
        Clovek* child = e->person();
        if (!child)
            continue;
        if (child->father == person)
            child->father = nullptr;
        if (child->mother == person)
            child->mother = nullptr;
        orphaned.push_back(child);
    }
    // Children that shared only this parent are siblings no more, as the saved file says and
    // the next open would show; those sharing the other parent stay.
    for (Clovek* child : orphaned)
        child->pruneSiblings();
}

bool Rod::canChangeSex(const Clovek* person) const
{
    if (!person || person->hasPartner())
        return false;
    for (const Clovek* p = firstPerson; p; p = p->chainNext)
        if (p->father == person || p->mother == person)
            return false;
    return true;
}

void Rod::indexNumbers() const
{
    byNumber_ = ChainIndex(firstPerson);
    numberIndexStale_ = false;
}

void Rod::indexIdentifiers() const
{
    byIdentifier_.clear();
    byIdentifier_.reserve(personCount_);
    for (Clovek* p = firstPerson; p; p = p->chainNext)
        byIdentifier_.try_emplace(p->identifier, p);
    identifierIndexStale_ = false;
}

// A person's number never changes once it is in the tree, so the index answers exactly.
Clovek* Rod::findPersonByNumber(int number) const
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (numberIndexStale_)
            indexNumbers();
        Clovek* found = byNumber_.find(number);
        if (!found)
            return nullptr;
        if (found->number == number)
            return found;
        numberIndexStale_ = true;
    }
    return nullptr;
}

Clovek* Rod::findPersonByIdentifier(const std::string& identifier) const
{
    if (identifierIndexStale_)
        indexIdentifiers();
    auto found = byIdentifier_.find(identifier);
    if (found != byIdentifier_.end() && found->second->identifier == identifier)
        return found->second;
    for (Clovek* p = firstPerson; p; p = p->chainNext)
        if (p->identifier == identifier) {
            identifierIndexStale_ = true;
            return p;
        }
    return nullptr;
}

bool Rod::isIdentifierUsed(const std::string& identifier) const
{
    return findPersonByIdentifier(identifier) != nullptr;
}

Clovek* Rod::findPersonByImportId(const std::string& importId) const
{
    for (Clovek* p = firstPerson; p; p = p->chainNext)
        if (p->importId == importId)
            return p;
    return nullptr;
}

Clovek* Rod::findPersonByDisplayName(const std::string& text, bool useBirthSurname, bool showBirthYear,
                                     bool showIdentifier) const
{
    for (Clovek* p = firstPerson; p; p = p->chainNext)
        if (p->displayName(useBirthSurname, showBirthYear, showIdentifier) == text)
            return p;
    return nullptr;
}

Clovek* Rod::findPersonByDisplayName(const std::string& text, const DisplaySettings& settings) const
{
    return findPersonByDisplayName(text, settings.showBirthSurname(), settings.showBirth(), true);
}

void Rod::fillEmptyIdentifiers()
{
    // The numbers in use and the first names are noted on the way: this walk is what an open
    // pays anyway, and a walk of their own would be the first new person's to wait for.
    startNumberIndex();
    SlotsSeen firstNamesSeen;
    std::vector<const Clovek*> firstOfEachName;
    for (Clovek* p = firstPerson; p; p = p->chainNext) {
        if (p->identifier.empty())
            p->identifier = intToStr(p->number);
        noteNumberInUse(p->number);
        if (firstNamesSeen.firstTime(p->firstName))
            firstOfEachName.push_back(p);
    }
    numbersStale_ = false;
    keepFirstNames(firstOfEachName);
}

int Rod::countPersons(bool living, bool dead) const
{
    if (living && dead)
        return personCount_;
    int n = 0;
    for (const Clovek* p = firstPerson; p; p = p->chainNext)
        if ((living && p->alive) || (dead && !p->alive))
            ++n;
    return n;
}

namespace {
int countOfSex(const Clovek* first, int sex, bool living, bool dead)
{
    int n = 0;
    for (const Clovek* p = first; p; p = p->chainNext)
        if (p->sex == sex && ((living && dead) || (living && p->alive) || (dead && !p->alive)))
            ++n;
    return n;
}
} // namespace

int Rod::countWomen(bool living, bool dead) const
{
    return countOfSex(firstPerson, 0, living, dead);
}

int Rod::countMen(bool living, bool dead) const
{
    return countOfSex(firstPerson, 1, living, dead);
}

// Each person's depth is computed once and remembered for the rest of the walk.
int Rod::maxGenerations() const
{
    if (!firstPerson)
        return 0;
    GenerationCounter counter;
    int most = 0;
    for (const Clovek* p = firstPerson; p; p = p->chainNext)
        most = std::max(most, counter.of(p));
    return most + 1;
}

void Rod::clearMarks()
{
    for (Clovek* p = firstPerson; p; p = p->chainNext)
        p->mark = 0;
}
