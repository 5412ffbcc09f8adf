// Family links across the tree: relinking after the older format, the derived child and sibling
// lists, and the cycle test.
#include "model/chain_index.h"
#include "model/clovek.h"
#include "model/datum.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "model/uk_clovek.h"

#include "system/numbers.h"
#include "system/prefetch.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <unordered_set>
#include <vector>

void Rod::relinkParentsAndPartners()
{
    const ChainIndex chain(firstPerson);
    std::unordered_set<Clovek*> destroyed;
    auto resolve = [&](Clovek* placeholder) -> Clovek* {
        if (!placeholder || inChain(placeholder))
            return placeholder;
        Clovek* person = chain.find(placeholder->number);
        if (destroyed.insert(placeholder).second)
            delete placeholder;
        return person;
    };
    for (Clovek* p = firstPerson; p; p = p->chainNext) {
        p->mother = resolve(p->mother);
        p->father = resolve(p->father);
        for (UkSvatba* e : p->partnerships.items<UkSvatba>()) {
            Svatba* s = e->partnership;
            if (s && s->otherPartner(p))
                s->partner2 = resolve(s->otherPartner(p));
        }
    }
}

namespace {

// A child's birth in eight bytes, an unknown part being the least value of its room. A date
// whose parts do not fit has no such key.
struct SmallBirth {
    int32_t year;
    int16_t month, day;
};

bool makeSmallBirth(const DatumKey& key, SmallBirth& small)
{
    auto fits = [](bool known, int value, int16_t& part) {
        if (!known)
            part = INT16_MIN;
        else if (value > INT16_MIN && value <= INT16_MAX)
            part = int16_t(value);
        else
            return false;
        return true;
    };
    if (key.yearKnown && key.year == INT32_MIN)
        return false;
    small.year = key.yearKnown ? key.year : INT32_MIN;
    return fits(key.monthKnown, key.month, small.month) && fits(key.dayKnown, key.day, small.day);
}

DatumKey fullBirth(SmallBirth small)
{
    DatumKey key;
    key.yearKnown = small.year != INT32_MIN;
    key.monthKnown = small.month != INT16_MIN;
    key.dayKnown = small.day != INT16_MIN;
    key.year = small.year;
    key.month = small.month;
    key.day = small.day;
    return key;
}

// Reads birth dates as `tryDatumKey` does. The parts of a tree's dates are a few hundred shared
// texts (years, months, days): each is read as a number once and then known by its number in
// the table of texts, which stays while nothing is written.
class BirthReader {
public:
    bool read(const Datum& date, DatumKey& key)
    {
        return part(date.year, key.yearKnown, key.year) && part(date.month, key.monthKnown, key.month) &&
               part(date.day, key.dayKnown, key.day);
    }

private:
    enum Kind : uint8_t { kUnknown, kNumber, kNoNumber };
    struct Read {
        uint32_t slot = UINT32_MAX;
        Kind kind = kNoNumber;
        int value = 0;
    };
    bool part(const SparseText& text, bool& known, int& value)
    {
        Read& r = reads_[text.slot() % reads_.size()];
        if (r.slot != text.slot()) {
            r.slot = text.slot();
            r.kind = Datum::isUnknown(text) ? kUnknown : tryStrToInt(text, r.value) ? kNumber : kNoNumber;
        }
        known = r.kind != kUnknown;
        value = r.value;
        return r.kind != kNoNumber;
    }
    std::array<Read, 512> reads_{};
};

// A child's entry in a parent's list while the lists are made: the child's birth and the entry
// before it in the same list (-1 for the first).
struct ChildEntry {
    SmallBirth birth;
    int32_t previous;
};

// How a parent's list stands while the lists are made, told by which of the walk's stamps the
// person bears.
enum ListState : uint64_t {
    kInOrder,
    // Some child is born before the one listed before it.
    kOutOfOrder,
    // Sorted as it always was: the list held entries before, or a birth has no small key.
    kSortLiterally,
    kListStates
};

// How many persons ahead of their turn their memory is asked for: enough to cover a trip to
// memory, not so far that what was fetched is pushed out again.
constexpr size_t kAhead = 32;

// The chain one person at a time, with the persons up to `kAhead` steps on already in hand, so
// that their memory can be asked for before their turn.
class ChainWindow {
public:
    explicit ChainWindow(Clovek* first)
    {
        for (Clovek*& p : ring_) {
            p = first;
            first = first ? first->chainNext : nullptr;
        }
    }
    // The person `steps` on (0: the current one), or null past the end of the chain.
    Clovek* ahead(size_t steps) const { return ring_[(at_ + steps) % kAhead]; }
    void step()
    {
        const Clovek* last = ahead(kAhead - 1);
        Clovek* next = last ? last->chainNext : nullptr;
        if (next)
            ask(&next->chainNext);
        ring_[at_] = next;
        at_ = (at_ + 1) % kAhead;
    }

private:
    Clovek* ring_[kAhead];
    size_t at_ = 0;
};

// Puts `list` into birth order, `last` naming the entry of its last element: exactly what the
// bubble passes give, only from the births read once.
void sortByEntries(Prvky& list, const std::vector<ChildEntry>& entries, int32_t last,
                   std::vector<Prvek*>& elements, std::vector<DatumKey>& births)
{
    elements.clear();
    for (Prvek* e = list.first(); e; e = e->next)
        elements.push_back(e);
    const size_t n = elements.size();
    births.resize(n);
    for (size_t i = n; i-- > 0; last = entries[size_t(last)].previous)
        births[i] = fullBirth(entries[size_t(last)].birth);
    // Short lists, most of a tree's, are cheapest in the passes themselves.
    if (n <= 16) {
        for (size_t pass = n - 1; pass >= 1; --pass)
            for (size_t step = 0; step < pass; ++step)
                if (birthKeyBefore(births[step + 1], births[step])) {
                    std::swap(births[step], births[step + 1]);
                    std::swap(elements[step], elements[step + 1]);
                }
    } else {
        sortByBirthLikeBubble(elements, births);
    }
    list.setOrder(elements);
}

} // namespace

// A big tree's persons lie all over memory. So each child's birth is read once, while its
// entries are made, instead of in every comparison of both of its parents' lists; persons are
// asked for ahead of use, and a parent's own scratch keeps how its list stands. Only the lists
// whose children are out of birth order are touched again.
void Rod::rebuildChildLists()
{
    // `walkValue_` names a person's last entry (-1 for none); before its first, the list holds
    // what it held before.
    const uint64_t stamps = Clovek::nextWalkStamps(kListStates);
    // The parents whose lists must be sorted, as they are found; while no list is to be sorted
    // literally, nothing can raise, and the order they are sorted in leaves no trace. A parent
    // outside the chain, as ever, is not sorted.
    std::vector<Clovek*> outOfOrder;
    outOfOrder.reserve(size_t(std::max(personCount_, 0)) / 2);
    bool anyLiterally = false;
    auto stateOf = [&](const Clovek* p) { return p->seenStamp_ - stamps; };
    auto reach = [&](const Clovek* p) {
        if (stateOf(p) < kListStates)
            return;
        p->seenStamp_ = stamps + kInOrder;
        p->walkValue_ = -1;
        if (p->children.count()) {
            p->seenStamp_ = stamps + kSortLiterally;
            anyLiterally = true;
        }
    };
    std::vector<ChildEntry> entries;
    entries.reserve(size_t(std::max(personCount_, 0)) * 2);
    BirthReader birthReader;
    for (ChainWindow w(firstPerson); Clovek* p = w.ahead(0); w.step()) {
        if (const Clovek* later = w.ahead(kAhead - 1)) {
            // What of a child is read or written here, no more: the room for asking is short.
            ask(&later->seenStamp_, &later->birth, &later->children, &later->firstReferrer_);
        }
        if (const Clovek* soon = w.ahead(kAhead / 2))
            for (const Clovek* parent : {soon->father, soon->mother})
                if (parent)
                    ask(&parent->seenStamp_, &parent->children);
        reach(p);
        DatumKey birth;
        ChildEntry entry{{}, -1};
        const bool readable = birthReader.read(p->birth, birth) && makeSmallBirth(birth, entry.birth);
        for (Clovek* parent : {p->father, p->mother}) {
            if (!parent)
                continue;
            reach(parent);
            parent->children.append(std::make_unique<UkClovek>(p));
            entry.previous = parent->walkValue_;
            if (!readable) {
                parent->seenStamp_ = stamps + kSortLiterally;
                anyLiterally = true;
            } else if (stateOf(parent) == kInOrder && entry.previous >= 0 &&
                       birthKeyBefore(birth, fullBirth(entries[size_t(entry.previous)].birth))) {
                parent->seenStamp_ = stamps + kOutOfOrder;
                outOfOrder.push_back(parent);
            }
            parent->walkValue_ = int32_t(entries.size());
            entries.push_back(entry);
        }
    }

    // A list in order stays as the passes would leave it. The others are sorted in chain order
    // when one of them is sorted literally, so that a date the passes cannot compare raises where
    // it always did.
    std::vector<Prvek*> elements;
    std::vector<DatumKey> keys;
    auto askForList = [&](const Clovek* soon) {
        ask(&soon->children);
        // A parent's entries were made for children that stand together in the chain: they
        // lie close before its last one.
        const ChildEntry* last = &entries[size_t(soon->walkValue_)];
        ask(last);
        if (last - entries.data() >= 5)
            ask(last - 5);
    };
    auto askForElements = [&](const Clovek* near) {
        // The elements were made one child after another: they lie together.
        const char* first = reinterpret_cast<const char*>(near->children.first());
        const int span = std::min(near->children.count(), 4) * 2 * int(sizeof(UkClovek));
        for (int at = 0; at < span; at += 64)
            ask(first + at);
    };
    if (!anyLiterally) {
        for (size_t i = 0; i < outOfOrder.size(); ++i) {
            if (i + kAhead < outOfOrder.size())
                ask(&outOfOrder[i + kAhead]->seenStamp_);
            if (i + kAhead / 2 < outOfOrder.size())
                askForList(outOfOrder[i + kAhead / 2]);
            if (i + kAhead / 4 < outOfOrder.size())
                askForElements(outOfOrder[i + kAhead / 4]);
            if (inChain(outOfOrder[i]))
                sortByEntries(outOfOrder[i]->children, entries, outOfOrder[i]->walkValue_, elements, keys);
        }
    } else {
        for (ChainWindow w(firstPerson); Clovek* p = w.ahead(0); w.step()) {
            const Clovek* soon = w.ahead(kAhead / 2);
            if (soon && stateOf(soon) == kOutOfOrder)
                askForList(soon);
            const Clovek* near = w.ahead(kAhead / 4);
            if (near && stateOf(near) == kOutOfOrder)
                askForElements(near);
            if (stateOf(p) == kSortLiterally)
                p->children.sort();
            else if (stateOf(p) == kOutOfOrder)
                sortByEntries(p->children, entries, p->walkValue_, elements, keys);
        }
    }
}

void Rod::rebuildSiblingList(Clovek* person)
{
    if (!person)
        return;
    // A list left for later is made whole by its first use; sorting it a second time could
    // move siblings whose births cannot be compared.
    if (person->siblingListBuilt())
        person->addMissingSiblings();
    else
        person->buildSiblingList();
}

void Rod::rebuildAllSiblingLists()
{
    for (Clovek* p = firstPerson; p; p = p->chainNext)
        rebuildSiblingList(p);
}

void Rod::buildSiblingListsOnFirstUse()
{
    for (Clovek* p = firstPerson; p; p = p->chainNext)
        if (!p->siblings_ || p->siblings_->count() == 0) {
            p->siblings_.reset();
            p->siblingsPending_ = 1;
        } else {
            rebuildSiblingList(p);
        }
}

bool Rod::hasAncestorCycle(const Clovek* parent) const
{
    if (!parent)
        return false;
    std::unordered_set<const Clovek*> visited;
    std::vector<const Clovek*> stack{parent};
    while (!stack.empty()) {
        const Clovek* p = stack.back();
        stack.pop_back();
        if (p->father == parent || p->mother == parent)
            return true;
        if (!visited.insert(p).second)
            continue;
        if (p->mother)
            stack.push_back(p->mother);
        if (p->father)
            stack.push_back(p->father);
    }
    return false;
}

// A person is among its own ancestors exactly when it lies on a cycle of parent links: in a
// strongly connected group of more than one person, or its own parent. The groups are found in
// one pass (Tarjan's method, without recursion); the ancestor test then runs once, on the first
// such person of the chain (or the last person when there is none), so the marks end as a test
// of every person in turn would leave them.
bool Rod::hasAncestorCycle()
{
    if (!firstPerson)
        return false;
    const uint64_t stamp = Clovek::nextWalkStamp();
    std::vector<const Clovek*> nodes;
    auto idOf = [&](const Clovek* p) {
        if (p->seenStamp_ != stamp) {
            p->seenStamp_ = stamp;
            p->walkValue_ = int(nodes.size());
            nodes.push_back(p);
        }
        return int(p->walkValue_);
    };
    Clovek* last = nullptr;
    for (Clovek* p = firstPerson; p; p = p->chainNext) {
        idOf(p);
        last = p;
    }

    std::vector<int> index, low;
    std::vector<char> onStack, onCycle;
    auto grow = [&] {
        index.resize(nodes.size(), -1);
        low.resize(nodes.size(), 0);
        onStack.resize(nodes.size(), 0);
        onCycle.resize(nodes.size(), 0);
    };
    grow();
    std::vector<int> sccStack;
    struct Frame {
        int v;
        int edge;
    };
    std::vector<Frame> calls;
    int counter = 0;
    for (size_t root = 0; root < nodes.size(); ++root) {
        if (index[root] >= 0)
            continue;
        calls.push_back({int(root), 0});
        index[root] = low[root] = counter++;
        sccStack.push_back(int(root));
        onStack[root] = 1;
        while (!calls.empty()) {
            Frame& f = calls.back();
            const Clovek* p = nodes[f.v];
            const Clovek* parents[2] = {p->father, p->mother};
            if (f.edge < 2) {
                const Clovek* q = parents[f.edge++];
                if (!q)
                    continue;
                int w = idOf(q);
                grow();
                if (index[w] < 0) {
                    index[w] = low[w] = counter++;
                    sccStack.push_back(w);
                    onStack[w] = 1;
                    calls.push_back({w, 0});
                } else if (onStack[w]) {
                    low[f.v] = std::min(low[f.v], index[w]);
                }
                continue;
            }
            int v = f.v;
            calls.pop_back();
            if (!calls.empty())
                low[calls.back().v] = std::min(low[calls.back().v], low[v]);
            if (low[v] == index[v]) {
                std::vector<int> members;
                int w;
                do {
                    w = sccStack.back();
                    sccStack.pop_back();
                    onStack[w] = 0;
                    members.push_back(w);
                } while (w != v);
                bool cycle = members.size() > 1 || p->father == p || p->mother == p;
                if (cycle)
                    for (int m : members)
                        onCycle[m] = 1;
            }
        }
    }

    Clovek* found = nullptr;
    for (Clovek* p = firstPerson; p && !found; p = p->chainNext)
        if (onCycle[p->walkValue_])
            found = p;
    Clovek* tested = found ? found : last;
    clearMarks();
    tested->isAncestor(tested);
    return found != nullptr;
}
