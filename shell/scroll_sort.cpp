// Sorting the person list. The program has always sorted it by bubble passes over the rows,
// swapping two neighbours only when its key's test says so; users know the resulting order,
// including where rows whose birth dates cannot be compared end up. The list is re-sorted after
// every edit of a shown field, so the passes are not run literally on a big tree: the same order
// is found by faster means, and tests hold every key to the literal passes.
#include "model/clovek.h"
#include "model/datum.h"
#include "model/path_utils.h"
#include "platform/collation.h"
#include "platform/numbers.h"
#include "shell/birth_order.h"
#include "shell/hlavni.h"
#include "shell/scroll.h"

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace {

// Rows are named by their place before the sort; keys are indexed the same way.
using Order = std::vector<int>;

// The bubble passes exactly, visiting only neighbours that would swap: a pass does nothing
// between two such pairs, so its cost is that of its swaps. `swaps(r, s)`: the row r, standing
// just before s, changes places with it.
template <class Swaps>
void bubblePasses(Order& v, const Swaps& swaps)
{
    const int n = int(v.size());
    std::set<int> pending; // j: v[j] and v[j + 1] would swap
    for (int j = 0; j + 1 < n; ++j)
        if (swaps(v[j], v[j + 1]))
            pending.insert(pending.end(), j);
    auto update = [&](int j) {
        if (j < 0 || j + 1 >= n)
            return;
        if (swaps(v[j], v[j + 1]))
            pending.insert(j);
        else
            pending.erase(j);
    };
    for (int limit = n - 1; limit > 0; --limit) {
        if (pending.empty() || *pending.begin() >= limit)
            break; // a pass without a swap ends the sort
        int j = *pending.begin();
        while (j < limit) {
            std::swap(v[j], v[j + 1]);
            update(j - 1);
            update(j);
            update(j + 1);
            auto following = pending.lower_bound(j + 1);
            j = following == pending.end() ? limit : *following;
        }
    }
}

// Under a strict weak order (`before(a, b)`: a belongs strictly before b) the bubble passes
// give the stable sort. The list is mostly sorted already (one row changed since the last sort),
// so it is walked once, the rows out of place are set aside and put back by binary search; a
// list that is far from sorted is sorted whole.
template <class Before>
void stableSortRows(Order& v, const Before& before)
{
    // Stable means: equal keys keep their places, which are the row names themselves.
    auto ordered = [&](int a, int b) { return before(a, b) || (!before(b, a) && a < b); };
    const size_t maxAside = 32;
    Order kept, aside;
    kept.reserve(v.size());
    for (int x : v) {
        if (kept.empty() || !before(x, kept.back())) {
            kept.push_back(x);
            continue;
        }
        if (kept.size() >= 2 && !before(x, kept[kept.size() - 2])) {
            aside.push_back(kept.back()); // the row before x is the one out of place
            kept.back() = x;
        } else {
            aside.push_back(x);
        }
        if (aside.size() > maxAside) {
            std::stable_sort(v.begin(), v.end(), before);
            return;
        }
    }
    std::sort(aside.begin(), aside.end(), ordered);
    for (int x : aside)
        kept.insert(std::lower_bound(kept.begin(), kept.end(), x, ordered), x);
    v.swap(kept);
}

// Birth dates read as numbers; an unreadable part counts as unknown, so a damaged date never
// stops the sort.
DatumKey readBirth(const Datum& date)
{
    DatumKey k;
    k.yearKnown = !Datum::isUnknown(date.year) && tryStrToInt(date.year, k.year);
    k.monthKnown = !Datum::isUnknown(date.month) && tryStrToInt(date.month, k.month);
    k.dayKnown = !Datum::isUnknown(date.day) && tryStrToInt(date.day, k.day);
    return k;
}

} // namespace

void Scroll::relink(const std::vector<Polozka*>& rows)
{
    first = rows.empty() ? nullptr : rows.front();
    for (size_t i = 0; i < rows.size(); ++i) {
        rows[i]->prev = i ? rows[i - 1] : nullptr;
        rows[i]->next = i + 1 < rows.size() ? rows[i + 1] : nullptr;
    }
}

void Scroll::sort(int key)
{
    switch (key) {
    case byName: sortByName(); break;
    case byBirth: sortByBirth(); break;
    case byId: sortById(); break;
    case byPercent: sortByPercent(); break;
    default: break;
    }
    ensureVisible();
}

namespace {

// The rows in their order, and the order of their places to be sorted.
struct Rows {
    std::vector<Polozka*> rows;
    Order order;
    explicit Rows(Polozka* first)
    {
        for (Polozka* r = first; r; r = r->next)
            rows.push_back(r);
        order.resize(rows.size());
        for (size_t i = 0; i < order.size(); ++i)
            order[i] = int(i);
    }
    std::vector<Polozka*> sorted() const
    {
        std::vector<Polozka*> out;
        out.reserve(order.size());
        for (int i : order)
            out.push_back(rows[i]);
        return out;
    }
};

} // namespace

void Scroll::sortByName()
{
    Rows r(first);
    const Nastaveni& s = main_.settings;
    std::vector<const std::string*> keys;
    keys.reserve(r.rows.size());
    for (Polozka* row : r.rows)
        keys.push_back(&row->textKey.of(row->person->displayName(s.showBirthSurname, s.showBirth, s.showNumber)));
    bool asc = s.sortAscending;
    stableSortRows(r.order, [&](int a, int b) { return asc ? *keys[a] < *keys[b] : *keys[b] < *keys[a]; });
    relink(r.sorted());
    selectCurrent(main_.currentRow);
}

void Scroll::sortByBirth()
{
    Rows r(first);
    std::vector<DatumKey> births;
    births.reserve(r.rows.size());
    for (Polozka* row : r.rows)
        births.push_back(readBirth(row->person->birth));
    std::vector<BirthPlace> places = birthPlaces(births, main_.settings.sortAscending);
    stableSortRows(r.order, [&](int a, int b) { return places[a] < places[b]; });
    relink(r.sorted());
    selectCurrent(main_.currentRow);
}

namespace {

// Where an identifier stands: identifiers beginning with a digit by their leading numbers, the
// others by collation before or after all of them (band 0 or 2).
struct IdPlace {
    int band = 1;
    int64_t number = 0;
    const std::string* key = nullptr;
    bool operator<(const IdPlace& o) const
    {
        if (band != o.band)
            return band < o.band;
        return band == 1 ? number < o.number : *key < *o.key;
    }
};

bool startsWithDigit(const std::string& id)
{
    return !id.empty() && id[0] >= '0' && id[0] <= '9';
}

// False when a text collates among the numbers: then the test is no order (10 before ５ before
// 9 before 10) and only the passes themselves say where the rows end up.
bool idPlaces(const std::vector<Polozka*>& rows, std::vector<IdPlace>& places)
{
    places.resize(rows.size());
    const std::string *lowest = nullptr, *highest = nullptr;
    bool texts = false;
    for (size_t i = 0; i < rows.size(); ++i) {
        const std::string& id = rows[i]->person->identifier;
        if (startsWithDigit(id))
            places[i].number = leadingNumber(id);
        else
            texts = true;
    }
    for (size_t i = 0; texts && i < rows.size(); ++i) {
        const std::string& key = rows[i]->textKey.of(rows[i]->person->identifier);
        places[i].key = &key;
        if (places[i].band == 1 && startsWithDigit(rows[i]->person->identifier)) {
            if (!lowest || key < *lowest)
                lowest = &key;
            if (!highest || *highest < key)
                highest = &key;
        }
    }
    for (size_t i = 0; texts && i < rows.size(); ++i) {
        if (startsWithDigit(rows[i]->person->identifier))
            continue;
        const std::string& key = *places[i].key;
        if (!lowest || key < *lowest)
            places[i].band = 0;
        else if (*highest < key)
            places[i].band = 2;
        else
            return false;
    }
    return true;
}

} // namespace

void Scroll::sortById()
{
    Rows r(first);
    bool asc = main_.settings.sortAscending;
    std::vector<IdPlace> places;
    if (idPlaces(r.rows, places)) {
        stableSortRows(r.order, [&](int a, int b) { return asc ? places[a] < places[b] : places[b] < places[a]; });
    } else {
        bubblePasses(r.order, [&](int x, int y) {
            const std::string &id1 = r.rows[x]->person->identifier, &id2 = r.rows[y]->person->identifier;
            return asc ? lessByNumberOrText(id2, id1) : lessByNumberOrText(id1, id2);
        });
    }
    relink(r.sorted());
    selectCurrent(main_.currentRow);
}

void Scroll::sortByPercent()
{
    Rows r(first);
    std::vector<int> shares;
    shares.reserve(r.rows.size());
    for (Polozka* row : r.rows)
        shares.push_back(row->person->percentFilled);
    bool asc = main_.settings.sortAscending;
    stableSortRows(r.order, [&](int a, int b) { return asc ? shares[a] < shares[b] : shares[a] > shares[b]; });
    relink(r.sorted());
    selectCurrent(main_.currentRow);
}
