#include "model/uk_clovek.h"

#include "model/clovek.h"
#include "model/display_settings.h"
#include "system/codec.h"

#include <algorithm>
#include <numeric>

UkClovek::UkClovek(Clovek* person) : person_(person)
{
    attach();
}

UkClovek::~UkClovek()
{
    detach();
}

void UkClovek::setPerson(Clovek* person)
{
    detach();
    person_ = person;
    attach();
}

void UkClovek::attach()
{
    if (!person_)
        return;
    refPrev_ = nullptr;
    refNext_ = person_->firstReferrer_;
    if (refNext_)
        refNext_->refPrev_ = this;
    person_->firstReferrer_ = this;
}

void UkClovek::detach()
{
    if (!person_)
        return;
    if (refPrev_)
        refPrev_->refNext_ = refNext_;
    else
        person_->firstReferrer_ = refNext_;
    if (refNext_)
        refNext_->refPrev_ = refPrev_;
    refPrev_ = refNext_ = nullptr;
    person_ = nullptr;
}

namespace {

const Clovek* personOf(const Prvek* e)
{
    return static_cast<const UkClovek*>(e)->person();
}

std::string listName(const Clovek* p)
{
    return p->displayName(displaySettings().showBirthSurname(), true, true);
}

// One level (0 year, 1 month, 2 day) of the birth order over items[b, e). A date whose part at
// this level is unknown never changes place with any date that reaches this level, so it splits
// the range; between such dates the known parts are sorted stably, and dates equal at this level
// go on to the next level among themselves.
void sortLevel(std::vector<int>& idx, size_t b, size_t e, int level, const std::vector<DatumKey>& keys)
{
    auto known = [&](int i) {
        const DatumKey& k = keys[i];
        return level == 0 ? k.yearKnown : level == 1 ? k.monthKnown : k.dayKnown;
    };
    auto value = [&](int i) {
        const DatumKey& k = keys[i];
        return level == 0 ? k.year : level == 1 ? k.month : k.day;
    };
    size_t runStart = b;
    for (size_t i = b; i <= e; ++i) {
        if (i < e && known(idx[i]))
            continue;
        // [runStart, i) has this level known.
        if (i - runStart > 1) {
            std::stable_sort(idx.begin() + std::ptrdiff_t(runStart), idx.begin() + std::ptrdiff_t(i),
                             [&](int x, int y) { return value(x) < value(y); });
            if (level < 2) {
                size_t g = runStart;
                while (g < i) {
                    size_t h = g + 1;
                    while (h < i && value(idx[h]) == value(idx[g]))
                        ++h;
                    if (h - g > 1)
                        sortLevel(idx, g, h, level + 1, keys);
                    g = h;
                }
            }
        }
        runStart = i + 1;
    }
}

} // namespace

bool birthKeyBefore(const DatumKey& a, const DatumKey& b)
{
    if (!a.yearKnown || !b.yearKnown)
        return false;
    if (a.year != b.year)
        return a.year < b.year;
    if (!a.monthKnown || !b.monthKnown)
        return false;
    if (a.month != b.month)
        return a.month < b.month;
    return a.dayKnown && b.dayKnown && a.day < b.day;
}

void sortByBirthLikeBubble(std::vector<Prvek*>& items, const std::vector<DatumKey>& births)
{
    // No neighbour that would move: the bubble passes leave the list as it is.
    bool settled = true;
    for (size_t i = 1; i < births.size() && settled; ++i)
        settled = !birthKeyBefore(births[i], births[i - 1]);
    if (settled)
        return;
    std::vector<int> idx(items.size());
    std::iota(idx.begin(), idx.end(), 0);
    sortLevel(idx, 0, idx.size(), 0, births);
    std::vector<Prvek*> sorted;
    sorted.reserve(items.size());
    for (int i : idx)
        sorted.push_back(items[i]);
    items.swap(sorted);
}

bool UkClovek::sortsBefore(const Prvek* other) const
{
    return person_->birth.isBefore(personOf(other)->birth);
}

bool UkClovek::sortsAfter(const Prvek* other) const
{
    return compareCp1250Bytes(listName(person_), listName(personOf(other))) > 0;
}

bool UkClovek::sortElements(std::vector<Prvek*>& elements) const
{
    std::vector<DatumKey> births(elements.size());
    for (size_t i = 0; i < elements.size(); ++i) {
        const Clovek* p = personOf(elements[i]);
        if (!p || !tryDatumKey(p->birth, births[i]))
            return false;
    }
    sortByBirthLikeBubble(elements, births);
    return true;
}

bool UkGrClovek::sortsBefore(const Prvek* other) const
{
    return compareCp1250Bytes(listName(person()), listName(personOf(other))) < 0;
}

bool UkGrClovek::sortsAfter(const Prvek* other) const
{
    return person()->birth.isAfter(personOf(other)->birth);
}

bool UkGrClovek::sortElements(std::vector<Prvek*>& elements) const
{
    std::vector<std::pair<std::string, Prvek*>> named;
    named.reserve(elements.size());
    for (Prvek* e : elements) {
        const Clovek* p = personOf(e);
        if (!p)
            return false;
        named.emplace_back(listName(p), e);
    }
    std::stable_sort(named.begin(), named.end(),
                     [](const auto& a, const auto& b) { return compareCp1250Bytes(a.first, b.first) < 0; });
    for (size_t i = 0; i < named.size(); ++i)
        elements[i] = named[i].second;
    return true;
}
