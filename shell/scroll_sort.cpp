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
#include "shell/hlavni.h"
#include "shell/scroll.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <set>
#include <string>
#include <unordered_map>
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
struct Birth {
    DatumKey key;
    int completeness = 0;
};

Birth readBirth(const Datum& date)
{
    Birth b;
    DatumKey& k = b.key;
    k.yearKnown = !Datum::isUnknown(date.year) && tryStrToInt(date.year, k.year);
    k.monthKnown = !Datum::isUnknown(date.month) && tryStrToInt(date.month, k.month);
    k.dayKnown = !Datum::isUnknown(date.day) && tryStrToInt(date.day, k.day);
    b.completeness = !k.yearKnown ? 0 : (k.monthKnown && k.dayKnown ? 2 : 1);
    return b;
}

// `Datum::isBefore`: year, month, day, false at the first unknown part.
bool isBefore(const DatumKey& a, const DatumKey& b)
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

// A place in the birth order, earliest first.
struct BirthRank {
    int yearKnown, year, month, full, day;
    auto operator<=>(const BirthRank&) const = default;
};

// The birth test is no order in general: a year alone cannot be compared with any date of its
// year, while the dates of that year are ordered among themselves. It is one when no year holds
// both a year alone and dates with their month but no day in different months or after a full
// date of an earlier month; then `birthRanks` gives each date its place in that order (an
// unknown year before everything), else false.
bool birthRanks(const std::vector<Birth>& births, std::vector<BirthRank>& ranks)
{
    constexpr int none = std::numeric_limits<int>::min();
    struct Year {
        bool yearOnly = false;
        int partMonth = none;    // month of the dates with a month and no day
        bool partMonths = false; // such dates in more than one month
        int firstFullMonth = std::numeric_limits<int>::max(); // earliest month of the full dates
    };
    std::unordered_map<int, Year> years;
    for (const Birth& b : births) {
        const DatumKey& k = b.key;
        if (!k.yearKnown)
            continue;
        Year& y = years[k.year];
        if (!k.monthKnown) {
            y.yearOnly = true;
        } else if (!k.dayKnown) {
            if (y.partMonth != none && y.partMonth != k.month)
                y.partMonths = true;
            y.partMonth = k.month;
        } else {
            y.firstFullMonth = std::min(y.firstFullMonth, k.month);
        }
    }
    for (const auto& entry : years) {
        const Year& y = entry.second;
        if (y.yearOnly && y.partMonth != none && (y.partMonths || y.firstFullMonth < y.partMonth))
            return false;
    }
    ranks.resize(births.size());
    for (size_t i = 0; i < births.size(); ++i) {
        const DatumKey& k = births[i].key;
        if (!k.yearKnown)
            ranks[i] = {0, 0, 0, 0, 0};
        else if (!k.monthKnown) // before the full dates of its year, level with month-only ones
            ranks[i] = {1, k.year, years[k.year].partMonth, 0, 0};
        else if (!k.dayKnown) // before the full dates of its month
            ranks[i] = {1, k.year, k.month, 0, 0};
        else
            ranks[i] = {1, k.year, k.month, 1, k.day};
    }
    return true;
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
    std::vector<std::string> captions;
    captions.reserve(r.rows.size());
    for (Polozka* row : r.rows)
        captions.push_back(row->person->displayName(s.showBirthSurname, s.showBirth, s.showNumber));
    bool asc = s.sortAscending;
    stableSortRows(r.order, [&](int a, int b) {
        int c = compareCollated(captions[a], captions[b]);
        return asc ? c < 0 : c > 0;
    });
    relink(r.sorted());
    selectCurrent(main_.currentRow);
}

void Scroll::sortByBirth()
{
    Rows r(first);
    std::vector<Birth> births;
    births.reserve(r.rows.size());
    for (Polozka* row : r.rows)
        births.push_back(readBirth(row->person->birth));
    bool asc = main_.settings.sortAscending;
    std::vector<BirthRank> ranks;
    if (birthRanks(births, ranks)) {
        // Ascending puts the latest birth first and an unknown year last.
        stableSortRows(r.order, [&](int a, int b) { return asc ? ranks[a] > ranks[b] : ranks[a] < ranks[b]; });
    } else {
        bubblePasses(r.order, [&](int x, int y) {
            const Birth &b1 = births[x], &b2 = births[y];
            if (asc)
                return isBefore(b1.key, b2.key)
                    || (!isBefore(b2.key, b1.key) && b1.completeness < b2.completeness);
            return isBefore(b2.key, b1.key)
                || (!isBefore(b1.key, b2.key) && b1.completeness > b2.completeness);
        });
    }
    relink(r.sorted());
    selectCurrent(main_.currentRow);
}

void Scroll::sortById()
{
    Rows r(first);
    std::vector<const std::string*> ids;
    ids.reserve(r.rows.size());
    size_t digitStarts = 0;
    for (Polozka* row : r.rows) {
        ids.push_back(&row->person->identifier);
        const std::string& id = row->person->identifier;
        if (!id.empty() && id[0] >= '0' && id[0] <= '9')
            ++digitStarts;
    }
    bool asc = main_.settings.sortAscending;
    if (digitStarts == ids.size()) {
        // Numbers alone: by their leading numbers.
        std::vector<int64_t> numbers;
        numbers.reserve(ids.size());
        for (const std::string* id : ids)
            numbers.push_back(leadingNumber(*id));
        stableSortRows(r.order, [&](int a, int b) { return asc ? numbers[a] < numbers[b] : numbers[a] > numbers[b]; });
    } else if (digitStarts == 0) {
        stableSortRows(r.order, [&](int a, int b) {
            int c = compareCollated(*ids[a], *ids[b]);
            return asc ? c < 0 : c > 0;
        });
    } else {
        // Numbers mixed with texts compare by number among themselves and as text otherwise,
        // which need not be an order.
        bubblePasses(r.order, [&](int x, int y) {
            return asc ? lessByNumberOrText(*ids[y], *ids[x]) : lessByNumberOrText(*ids[x], *ids[y]);
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
