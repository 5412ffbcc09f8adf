// Sorting the person list. The program has always sorted it by bubble passes over the rows,
// swapping two neighbours only when its key's test says so; users know the resulting order,
// including where rows whose birth dates cannot be compared end up. The list is re-sorted after
// every edit of a shown field, so the passes are not run literally on a big tree: the same order
// is found by faster means, and tests hold every key to the literal passes.
#include "model/clovek.h"
#include "model/datum.h"
#include "model/path_utils.h"
#include "shell/birth_order.h"
#include "shell/hlavni.h"
#include "shell/identifier_order.h"
#include "shell/scroll.h"
#include "system/collation.h"
#include "system/numbers.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// Rows are named by their place before the sort; keys are indexed the same way.
using Order = std::vector<int>;

// The rows as they stand, to be sorted.
Order unsorted(size_t n)
{
    Order order(n);
    for (size_t i = 0; i < n; ++i)
        order[i] = int(i);
    return order;
}

// Under a strict weak order (`before(a, b)`: a belongs strictly before b) the bubble passes
// give the stable sort. The list is mostly sorted already (one row changed since the last sort),
// so it is walked once, the rows out of place are set aside and put back by binary search; a
// list that is far from sorted is sorted whole.
template<class Before, class WholeSort>
void stableSortRows(Order& v, const Before& before, const WholeSort& sortWhole)
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
            sortWhole(v);
            return;
        }
    }
    std::sort(aside.begin(), aside.end(), ordered);
    for (int x : aside)
        kept.insert(std::lower_bound(kept.begin(), kept.end(), x, ordered), x);
    v.swap(kept);
}

template<class Before> void stableSortRows(Order& v, const Before& before)
{
    stableSortRows(v, before, [&](Order& all) { std::stable_sort(all.begin(), all.end(), before); });
}

// The stable sort of the rows by their collation keys (bytes, compared as unsigned), ascending
// or descending, equal keys keeping their places. Comparing keys through their views costs a
// cache miss and a library call each; most comparisons are decided by eight bytes of the keys
// held beside the row, taken past the start that every key shares (a list where all names
// begin alike is told apart by what follows).
void sortByKeys(Order& v, const std::vector<std::string_view>& keys, bool ascending)
{
    if (v.size() < 2)
        return;
    const std::string_view firstKey = keys[size_t(v[0])];
    size_t shared = firstKey.size();
    for (int row : v) {
        const std::string_view key = keys[size_t(row)];
        const size_t most = std::min(shared, key.size());
        size_t same = 0;
        while (same < most && key[same] == firstKey[same])
            ++same;
        shared = same;
    }
    struct Item {
        uint64_t head; // the eight bytes after the shared start, the first the highest
        uint32_t place;
        int32_t row;
    };
    std::vector<Item> items;
    items.reserve(v.size());
    for (size_t place = 0; place < v.size(); ++place) {
        const std::string_view key = keys[size_t(v[place])];
        uint64_t head = 0;
        for (size_t i = 0; i < 8; ++i) {
            const size_t at = shared + i;
            head = (head << 8) | (at < key.size() ? static_cast<unsigned char>(key[at]) : 0u);
        }
        items.push_back(Item{head, uint32_t(place), v[place]});
    }
    // Equal heads with bytes missing (read as zero) still compare right by the whole keys.
    auto rest = [&](const Item& a, const Item& b) {
        const std::string_view ka = keys[size_t(a.row)], kb = keys[size_t(b.row)];
        const size_t from = std::min({shared + 8, ka.size(), kb.size()});
        return ka.substr(from).compare(kb.substr(from));
    };
    std::sort(items.begin(), items.end(), [&](const Item& a, const Item& b) {
        if (a.head != b.head)
            return ascending ? a.head < b.head : b.head < a.head;
        const int c = rest(a, b);
        if (c != 0)
            return ascending ? c < 0 : c > 0;
        return a.place < b.place;
    });
    for (size_t i = 0; i < items.size(); ++i)
        v[i] = items[i].row;
}

// Asks for the memory at these places ahead of use.
template<class... Places> void ask(const Places*... places)
{
    (__builtin_prefetch(places), ...);
}

// Reading the persons is most of a sort's time: they lie all over memory, and a step that waits
// for one person's fields holds up the fetching of the next ones. So each step asks for what
// will be read of the row some rows ahead (`askFields`), and for the row further ahead.
// `read(i, person)` for each row i.
template<class Ask, class Read>
void readPersons(const std::vector<Polozka*>& rows, const Ask& askFields, const Read& read)
{
    constexpr size_t ahead = 16;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (i + 2 * ahead < rows.size())
            ask(rows[i + 2 * ahead]);
        if (i + ahead < rows.size())
            askFields(*rows[i + ahead]);
        read(i, *rows[i]->person);
    }
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

const std::vector<Polozka*>& Scroll::rowsInOrder()
{
    if (inOrder_.empty()) {
        inOrder_.reserve(size_t(count));
        personsInOrder_.clear();
        personsInOrder_.reserve(size_t(count));
        for (Polozka* r = first; r; r = r->next) {
            inOrder_.push_back(r);
            personsInOrder_.push_back(r->person);
        }
    }
    return inOrder_;
}

void Scroll::placeRows(const std::vector<int>& order)
{
    std::vector<Polozka*> rows;
    rows.reserve(order.size());
    for (int i : order)
        rows.push_back(inOrder_[i]);
    // Only the stretch that moved is linked anew; the rows around it keep their neighbours.
    size_t from = 0, to = rows.size();
    while (from < to && rows[from] == inOrder_[from])
        ++from;
    while (to > from && rows[to - 1] == inOrder_[to - 1])
        --to;
    first = rows.empty() ? nullptr : rows.front();
    for (size_t i = from ? from - 1 : 0; i < std::min(to + 1, rows.size()); ++i) {
        rows[i]->prev = i ? rows[i - 1] : nullptr;
        rows[i]->next = i + 1 < rows.size() ? rows[i + 1] : nullptr;
    }
    inOrder_.swap(rows);
    for (size_t i = from; i < to; ++i)
        personsInOrder_[i] = inOrder_[i]->person;
    unsortedRow_ = nullptr;
    selectCurrent(main_.currentRow);
}

void Scroll::sort(int key)
{
    switch (key) {
    case byName:
        sortByName();
        break;
    case byBirth:
        sortByBirth();
        break;
    case byId:
        sortById();
        break;
    case byPercent:
        sortByPercent();
        break;
    default:
        break;
    }
    ensureVisible();
}

void Scroll::sortByName()
{
    const std::vector<Polozka*>& rows = rowsInOrder();
    const Nastaveni& s = main_.settings;
    std::vector<std::string_view> keys;
    std::string caption;
    keys.reserve(rows.size());
    readPersons(
        rows,
        [&](const Polozka& row) {
            const Clovek& p = *row.person;
            ask(&p.identifier, &p.firstName, &p.surname, &p.birthSurname, &p.sex, &p.birth.year,
                keys_.storage(row.textKey));
        },
        [&](size_t i, const Clovek& p) {
            p.displayNameInto(caption, s.showBirthSurname, s.showBirth, s.showNumber);
            // A key no row holds any more goes, but never one of the keys taken so far: each is
            // held by a row that is not keyed again in this sort.
            Polozka& row = *rows[i];
            row.textKey = keys_.hold(row.textKey, caption);
            keys.push_back(keys_.key(row.textKey));
        });
    bool asc = s.sortAscending;
    Order order = unsorted(rows.size());
    stableSortRows(
        order, [&](int a, int b) { return asc ? keys[a] < keys[b] : keys[b] < keys[a]; },
        [&](Order& all) { sortByKeys(all, keys, asc); });
    placeRows(order);
    nameSort_ = nameSortNow();
}

Scroll::NameSort Scroll::nameSortNow() const
{
    const Nastaveni& s = main_.settings;
    return NameSort{true, s.sortAscending, s.showBirthSurname, s.showBirth, s.showNumber};
}

void Scroll::sortAfterEditOf(const Clovek* person, int key)
{
    Polozka* row = nullptr;
    if (key == byName && nameSort_ == nameSortNow() && !inOrder_.empty() &&
        inOrder_.size() == size_t(count) && (!unsortedRow_ || unsortedRow_->person == person))
        // The edited person is nearly always the current one: no walk over the rows for it.
        row = main_.currentRow && main_.currentRow->person == person ? main_.currentRow : rowOf(person);
    if (!row || !resortRow(row)) {
        sort(key);
        return;
    }
    ensureVisible();
}

// The other rows are in the order of the last sort and their captions have not changed, so
// they stay sorted among themselves; the full sort (stable: equal keys keep their places) would
// put the edited row at the one place among them where its key and place fit, which a binary
// search over their kept keys finds.
bool Scroll::resortRow(Polozka* row)
{
    const int mine = indexOf(row);
    if (mine < 0)
        return false;
    const Nastaveni& s = main_.settings;
    std::string caption;
    row->person->displayNameInto(caption, s.showBirthSurname, s.showBirth, s.showNumber);
    row->textKey = keys_.hold(row->textKey, caption);
    const std::string_view key = keys_.key(row->textKey);
    const bool asc = s.sortAscending;
    auto before = [&](std::string_view a, std::string_view b) { return asc ? a < b : b < a; };
    // The other rows without the edited one: slot t is place t, or t + 1 from the edited on.
    const int others = int(inOrder_.size()) - 1;
    auto place = [&](int slot) { return slot < mine ? slot : slot + 1; };
    int low = 0, high = others;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        const int other = place(middle);
        std::string_view otherKey;
        if (!keys_.lastKey(inOrder_[size_t(other)]->textKey, otherKey))
            return false;
        const bool mineFirst = before(key, otherKey) || (!before(otherKey, key) && mine < other);
        if (mineFirst)
            high = middle;
        else
            low = middle + 1;
    }
    // Slot `low` among the others is the row's place in the whole list. The row alone moves,
    // in place: a list of a million rows is neither copied nor linked anew.
    const auto rows = inOrder_.begin();
    const auto persons = personsInOrder_.begin();
    if (low < mine) {
        std::rotate(rows + low, rows + mine, rows + mine + 1);
        std::rotate(persons + low, persons + mine, persons + mine + 1);
    } else if (low > mine) {
        std::rotate(rows + mine, rows + mine + 1, rows + low + 1);
        std::rotate(persons + mine, persons + mine + 1, persons + low + 1);
    }
    if (low != mine) {
        if (row->prev)
            row->prev->next = row->next;
        if (row->next)
            row->next->prev = row->prev;
        row->prev = low > 0 ? inOrder_[size_t(low - 1)] : nullptr;
        row->next = size_t(low + 1) < inOrder_.size() ? inOrder_[size_t(low + 1)] : nullptr;
        if (row->prev)
            row->prev->next = row;
        if (row->next)
            row->next->prev = row;
        first = inOrder_.front();
    }
    unsortedRow_ = nullptr;
    selectCurrent(main_.currentRow);
    nameSort_ = nameSortNow();
    return true;
}

void Scroll::sortByBirth()
{
    nameSort_ = NameSort();
    const std::vector<Polozka*>& rows = rowsInOrder();
    std::vector<DatumKey> births;
    births.reserve(rows.size());
    readPersons(
        rows, [](const Polozka& row) { ask(&row.person->birth.day, &row.person->birth.year); },
        [&](size_t, const Clovek& p) { births.push_back(readBirth(p.birth)); });
    std::vector<BirthPlace> places = birthPlaces(births, main_.settings.sortAscending);
    Order order = unsorted(rows.size());
    stableSortRows(order, [&](int a, int b) { return places[a] < places[b]; });
    placeRows(order);
}

namespace {

// Where an identifier stands when the test is an order: the texts that collate before every
// number (band 0), the numbers (1), the texts after them (2).
struct IdPlace {
    int band = 1;
    IdentifierKey id;
    bool operator<(const IdPlace& o) const
    {
        return band != o.band ? band < o.band : identifierBefore(id, o.id);
    }
};

bool startsWithDigit(const std::string& id)
{
    return !id.empty() && id[0] >= '0' && id[0] <= '9';
}

// False when a text collates among the numbers: then the test is no order.
bool idPlaces(const std::vector<Polozka*>& rows, SharedCollationKeys& keys, std::vector<IdPlace>& places)
{
    places.resize(rows.size());
    bool texts = false;
    readPersons(
        rows, [](const Polozka& row) { ask(&row.person->identifier); },
        [&](size_t i, const Clovek& p) {
            IdentifierKey& id = places[i].id;
            id.digit = startsWithDigit(p.identifier);
            if (id.digit)
                id.number = leadingNumber(p.identifier);
            texts = texts || !id.digit;
        });
    if (!texts)
        return true;
    std::string_view lowest, highest;
    bool numbers = false;
    for (size_t i = 0; i < rows.size(); ++i) {
        IdentifierKey& id = places[i].id;
        Polozka& row = *rows[i];
        row.textKey = keys.hold(row.textKey, row.person->identifier);
        id.key = keys.key(row.textKey);
        if (id.digit) {
            lowest = !numbers || id.key < lowest ? id.key : lowest;
            highest = !numbers || highest < id.key ? id.key : highest;
            numbers = true;
        }
    }
    bool order = true;
    for (IdPlace& place : places) {
        if (place.id.digit)
            continue;
        if (!numbers || place.id.key < lowest)
            place.band = 0;
        else if (highest < place.id.key)
            place.band = 2;
        else
            order = false;
    }
    return order;
}

} // namespace

void Scroll::sortById()
{
    nameSort_ = NameSort();
    const std::vector<Polozka*>& rows = rowsInOrder();
    bool asc = main_.settings.sortAscending;
    std::vector<IdPlace> places;
    Order order = unsorted(rows.size());
    if (idPlaces(rows, keys_, places)) {
        stableSortRows(order,
                       [&](int a, int b) { return asc ? places[a] < places[b] : places[b] < places[a]; });
    } else {
        std::vector<IdentifierKey> ids;
        ids.reserve(places.size());
        for (const IdPlace& place : places)
            ids.push_back(place.id);
        passIdentifiers(order, ids, asc);
    }
    placeRows(order);
}

void Scroll::sortByPercent()
{
    nameSort_ = NameSort();
    const std::vector<Polozka*>& rows = rowsInOrder();
    std::vector<int> shares;
    shares.reserve(rows.size());
    readPersons(
        rows, [](const Polozka& row) { ask(&row.person->percentFilled); },
        [&](size_t, const Clovek& p) { shares.push_back(p.percentFilled); });
    bool asc = main_.settings.sortAscending;
    Order order = unsorted(rows.size());
    stableSortRows(order, [&](int a, int b) { return asc ? shares[a] < shares[b] : shares[a] > shares[b]; });
    placeRows(order);
}
