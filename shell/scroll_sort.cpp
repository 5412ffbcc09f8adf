// Sorting the person list. The program has always sorted it by bubble passes over the rows,
// swapping two neighbours only when its key's test says so; users know the resulting order,
// including where rows whose birth dates cannot be compared end up. The list is re-sorted after
// every edit of a shown field, so the passes are not run literally on a big tree: the same order
// is found by faster means, and tests hold every key to the literal passes.
#include "model/clovek.h"
#include "model/datum.h"
#include "model/path_utils.h"
#include "shell/birth_order.h"
#include "shell/identifier_order.h"
#include "shell/scroll.h"
#include "shell/settings.h"
#include "system/collation.h"
#include "system/numbers.h"
#include "system/prefetch.h"
#include "toolkit/stdctrls.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
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

// Sorts items by their `head`, ascending or descending, equal heads by `place`. A long stretch
// is sorted a byte of the heads at a time from the highest, each item moved once per byte rather
// than compared some twenty times.
template<class Item> void sortByHeads(Item* first, Item* last, bool ascending, int shift = 56)
{
    constexpr ptrdiff_t byBytesFrom = 1024;
    if (last - first < byBytesFrom || shift < 0) {
        std::sort(first, last, [ascending](const Item& a, const Item& b) {
            if (a.head != b.head)
                return ascending ? a.head < b.head : b.head < a.head;
            return a.place < b.place;
        });
        return;
    }
    auto digit = [ascending, shift](const Item& item) {
        const unsigned byte = unsigned(item.head >> shift) & 0xffu;
        return ascending ? byte : 0xffu - byte;
    };
    size_t counts[256] = {};
    for (Item* item = first; item != last; ++item)
        ++counts[digit(*item)];
    Item* starts[256];
    Item* ends[256];
    Item* at = first;
    for (unsigned d = 0; d < 256; ++d) {
        starts[d] = at;
        at += counts[d];
        ends[d] = at;
    }
    if (counts[digit(*first)] != size_t(last - first)) {
        // Each item is swapped straight into the part of its byte.
        Item* next[256];
        std::copy(std::begin(starts), std::end(starts), next);
        for (unsigned d = 0; d < 256; ++d)
            while (next[d] != ends[d]) {
                Item item = *next[d];
                for (unsigned to = digit(item); to != d; to = digit(item))
                    std::swap(item, *next[to]++);
                *next[d]++ = item;
            }
    }
    for (unsigned d = 0; d < 256; ++d)
        if (counts[d] > 1)
            sortByHeads(starts[d], ends[d], ascending, shift - 8);
}

// The stable sort of the rows by their collation keys (bytes, compared as unsigned), ascending
// or descending, equal keys keeping their places: row r's key is number `numbers[r]` of `keys`.
// Comparing keys through their views costs cache misses: the sort compares eight bytes of each
// key held beside the row, taken past the start that every key shares. Rows whose eight bytes tie
// (a big tree's namesakes share a long start) are sorted again among themselves by the next eight
// bytes, and so on, so a key is fetched once per round instead of once per comparison.
void sortByKeys(Order& v, const std::vector<uint32_t>& numbers, const SharedCollationKeys& keys,
                bool ascending)
{
    if (v.size() < 2)
        return;
    struct Item {
        uint64_t head; // eight bytes of the key from the round's start, the first the highest
        uint32_t number; // of the key; `settled` once the row's place is
        uint32_t place; // the row is v[place]
    };
    constexpr uint32_t settled = SharedCollationKeys::none;
    std::vector<Item> items;
    items.reserve(v.size());
    const std::string_view firstKey = keys.key(numbers[size_t(v[0])]);
    size_t shared = firstKey.size();
    for (size_t place = 0; place < v.size(); ++place) {
        const uint32_t number = numbers[size_t(v[place])];
        items.push_back(Item{0, number, uint32_t(place)});
        const std::string_view key = keys.key(number);
        const size_t most = std::min(shared, key.size());
        size_t same = 0;
        while (same < most && key[same] == firstKey[same])
            ++same;
        shared = same;
    }
    // Bytes past the end read as zero.
    auto headOf = [](std::string_view key, size_t from) {
        uint64_t head = 0;
        if (from + 8 <= key.size()) {
            std::memcpy(&head, key.data() + from, 8);
            return __builtin_bswap64(head);
        }
        for (size_t i = 0; i < 8; ++i) {
            const size_t at = from + i;
            head = (head << 8) | (at < key.size() ? static_cast<unsigned char>(key[at]) : 0u);
        }
        return head;
    };
    using It = std::vector<Item>::iterator;
    // A round reads the keys in the order of the sort, all over memory, through their entries:
    // a row asks for its entry some rows ahead, and for its key's bytes when the entry is there.
    constexpr ptrdiff_t entryAhead = 16, keyAhead = 8;
    auto askAhead = [&](It item, It last, size_t from) {
        if (last - item > entryAhead && item[entryAhead].number != settled)
            ask(keys.storage(item[entryAhead].number));
        if (last - item > keyAhead && item[keyAhead].number != settled)
            ask(keys.key(item[keyAhead].number).data() + from);
    };
    // The heads of the rows still unsettled between first and last, read from `from`.
    auto readHeads = [&](It first, It last, size_t from) {
        for (It item = first; item != last; ++item) {
            askAhead(item, last, from);
            if (item->number != settled)
                item->head = headOf(keys.key(item->number), from);
        }
    };
    readHeads(items.begin(), items.end(), shared);
    // Stretches of rows whose keys agree before `from`, their heads read from there. Kept as a
    // list rather than by recursion: namesakes with long equal keys take a round per 8 bytes.
    struct Stretch {
        It first, last;
        size_t from;
    };
    std::vector<Stretch> stretches{{items.begin(), items.end(), shared}};
    while (!stretches.empty()) {
        const auto [first, last, from] = stretches.back();
        stretches.pop_back();
        sortByHeads(&*first, &*first + (last - first), ascending);
        const size_t next = from + 8;
        auto length = [&](const Item& item) { return keys.key(item.number).size(); };
        for (It run = first; run != last;) {
            askAhead(run, last, next);
            It runEnd = run + 1;
            while (runEnd != last && runEnd->head == run->head) {
                askAhead(runEnd, last, next);
                ++runEnd;
            }
            if (runEnd - run == 1) {
                run->number = settled;
                run = runEnd;
                continue;
            }
            // Equal heads: a key that ends within them starts every longer one of the run
            // (the longer one's bytes beyond it read as zero there), so it is the smaller.
            It longer = std::partition(run, runEnd, [&](const Item& item) { return length(item) <= next; });
            std::sort(run, longer, [&](const Item& a, const Item& b) {
                const size_t la = length(a), lb = length(b);
                if (la != lb)
                    return ascending ? la < lb : lb < la;
                return a.place < b.place;
            });
            for (It item = run; item != longer; ++item)
                item->number = settled;
            // Descending, the longer keys come first.
            It longerEnd = runEnd;
            if (!ascending) {
                longerEnd = run + (runEnd - longer);
                std::rotate(run, longer, runEnd);
                longer = run;
            }
            if (longerEnd - longer > 1)
                stretches.push_back(Stretch{longer, longerEnd, next});
            else if (longerEnd != longer)
                longer->number = settled;
            run = runEnd;
        }
        // The rows of the stretches just made are all that is left unsettled here.
        readHeads(first, last, next);
    }
    // The rows in their new order, through the items: no second list of a million rows.
    for (Item& item : items)
        item.number = uint32_t(v[item.place]);
    for (size_t i = 0; i < items.size(); ++i)
        v[i] = int(items[i].number);
}

// Reading the persons is most of a sort's time: they lie all over memory, and a step that waits
// for one person's fields holds up the fetching of the next ones. So the step at row i asks for
// what will be read of the row some rows ahead (`askFields`), and for the row further ahead.
template<class Ask> void askAhead(const std::vector<Polozka*>& rows, size_t i, const Ask& askFields)
{
    constexpr size_t ahead = 16;
    if (i + 2 * ahead < rows.size())
        ask(rows[i + 2 * ahead]);
    if (i + ahead < rows.size())
        askFields(*rows[i + ahead]);
}

// `read(i, person)` for each row i, asking ahead.
template<class Ask, class Read>
void readPersons(const std::vector<Polozka*>& rows, const Ask& askFields, const Read& read)
{
    for (size_t i = 0; i < rows.size(); ++i) {
        askAhead(rows, i, askFields);
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

// Room for the rows of persons made after a sort: a full list would be copied whole, with both
// copies held for a moment, by the first new person (28 ms at a million rows). Room not used
// costs nothing.
size_t withRoomForNewRows(size_t rows)
{
    return rows + rows / 16 + 16;
}

} // namespace

const std::vector<Polozka*>& Scroll::rowsInOrder()
{
    if (inOrder_.empty()) {
        inOrder_.reserve(withRoomForNewRows(size_t(count)));
        personsInOrder_.clear();
        personsInOrder_.reserve(withRoomForNewRows(size_t(count)));
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
    rows.reserve(withRoomForNewRows(order.size()));
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
    selectCurrent(current_);
}

void Scroll::sort(PersonSortKey key)
{
    switch (key) {
    case PersonSortKey::byName:
        sortByName();
        break;
    case PersonSortKey::byBirth:
        sortByBirth();
        break;
    case PersonSortKey::byId:
        sortById();
        break;
    case PersonSortKey::byPercent:
        sortByPercent();
        break;
    }
    ensureVisible();
}

void Scroll::sortAsChosen()
{
    if (const std::optional<PersonSortKey> key = personSortKeyAt(controls_.setrid.ItemIndex()))
        sort(*key);
    else
        ensureVisible();
}

void Scroll::sortByName()
{
    const std::vector<Polozka*>& rows = rowsInOrder();
    const Nastaveni& s = window_.programSettings();
    // The rows' key numbers, not views of the keys: a million views would cost 16 MB more.
    std::vector<uint32_t> keys(rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        keys[i] = rows[i]->textKey;
    keys_.tidy();
    // With room to spare: the captions typed next need entries before theirs are let go, and a
    // full table would be copied whole for the first keystroke. Room not used costs nothing.
    keys_.reserve(rows.size() + rows.size() / 4 + 16);
    // Reading the persons is most of the captions' time (see askAhead).
    keys_.holdAll(keys, [&](size_t i, std::string& caption) {
        askAhead(rows, i, [&](const Polozka& row) {
            const Clovek& p = *row.person;
            ask(&p.identifier, &p.firstName, &p.surname, &p.birthSurname, &p.sex, &p.birth.year,
                keys_.storage(row.textKey));
        });
        rows[i]->person->displayNameInto(caption, s.showBirthSurname, s.showBirth, s.showNumber);
    });
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i]->textKey = keys[i];
    auto keyOf = [&](int row) { return keys_.key(keys[size_t(row)]); };
    bool asc = s.sortAscending;
    Order order = unsorted(rows.size());
    stableSortRows(
        order, [&](int a, int b) { return asc ? keyOf(a) < keyOf(b) : keyOf(b) < keyOf(a); },
        [&](Order& all) { sortByKeys(all, keys, keys_, asc); });
    placeRows(order);
    sortedBy_ = sortedByNow(PersonSortKey::byName);
}

Scroll::SortedBy Scroll::sortedByNow(PersonSortKey key) const
{
    const Nastaveni& s = window_.programSettings();
    if (key != PersonSortKey::byName)
        return SortedBy{key, s.sortAscending};
    return SortedBy{key, s.sortAscending, s.showBirthSurname, s.showBirth, s.showNumber};
}

void Scroll::sortAfterEditOf(const Clovek* person, PersonSortKey key)
{
    Polozka* row = nullptr;
    if (sortedBy_ == sortedByNow(key) && !inOrder_.empty() && inOrder_.size() == size_t(count) &&
        (!unsortedRow_ || unsortedRow_->person == person))
        // The edited person is nearly always the current one: no walk over the rows for it.
        row = current_ && current_->person == person ? current_ : rowOf(person);
    if (!row || !resortRow(row, key)) {
        sort(key);
        return;
    }
    ensureVisible();
}

namespace {

// How a key stands to another: negative before it, positive after, 0 equal; none when it
// cannot be told without the full sort.
using Standing = std::optional<int>;

template<class T> int compared(const T& a, const T& b)
{
    return a < b ? -1 : b < a ? 1 : 0;
}

// The slot among the other rows where the edited row at place `mine` of `count` lands:
// `standing(other)` tells how its key stands to that of the row at place `other`, equal keys
// keeping the order of the places.
template<class StandingTo> std::optional<int> landing(int mine, int count, const StandingTo& standing)
{
    int low = 0, high = count - 1;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        const int other = middle < mine ? middle : middle + 1;
        const Standing c = standing(other);
        if (!c)
            return std::nullopt;
        if (*c < 0 || (*c == 0 && mine < other))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

// A birth's place where no year holds both a year alone and a date with a month, the same as
// birthPlaces gives it there: a year alone comes after the dates of its year ascending and
// before them descending, every year alone of a year equal.
BirthPlace orderedBirthPlace(const DatumKey& d, bool ascending)
{
    BirthPlace place;
    if (!d.yearKnown) {
        place.year = ascending ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min();
        return place;
    }
    const int64_t sign = ascending ? -1 : 1;
    place.year = sign * d.year;
    if (!d.monthKnown) {
        place.block = ascending ? 1 : -1;
        return place;
    }
    place.month = sign * d.month;
    place.full = sign * d.dayKnown;
    place.day = d.dayKnown ? sign * d.day : 0;
    return place;
}

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

} // namespace

void Scroll::noteBirthKind(const DatumKey& birth)
{
    if (!birth.yearKnown || (birth.monthKnown && birth.dayKnown))
        return;
    uint8_t& kinds = birthYearKinds_[birth.year];
    kinds |= birth.monthKnown ? 2 : 1;
    mixedBirthYears_ = mixedBirthYears_ || kinds == 3;
}

// The other rows are in the order of the last sort and their keys have not changed, so they
// stay sorted among themselves; where the key's test is an order the full sort (stable: equal
// keys keep their places) puts the edited row at the one place among them where its key and
// place fit, which a binary search finds. For the name the keys kept from that sort are read,
// for the others the few persons met.
bool Scroll::resortRow(Polozka* row, PersonSortKey key)
{
    const int mine = indexOf(row);
    if (mine < 0)
        return false;
    const Nastaveni& s = window_.programSettings();
    const bool asc = s.sortAscending;
    const Clovek& edited = *row->person;
    const int rows = int(inOrder_.size());
    std::optional<int> place;
    switch (key) {
    case PersonSortKey::byName: {
        std::string caption;
        edited.displayNameInto(caption, s.showBirthSurname, s.showBirth, s.showNumber);
        keys_.tidy();
        row->textKey = keys_.hold(row->textKey, caption);
        const std::string_view mineKey = keys_.key(row->textKey);
        place = landing(mine, rows, [&](int other) -> Standing {
            std::string_view otherKey;
            if (!keys_.lastKey(inOrder_[size_t(other)]->textKey, otherKey))
                return std::nullopt;
            return asc ? mineKey.compare(otherKey) : otherKey.compare(mineKey);
        });
        break;
    }
    case PersonSortKey::byBirth: {
        const DatumKey birth = readBirth(edited.birth);
        // A year where the test is no order decides the places of all its dates together: the
        // edited date leaving such a year may move the others. A new row leaves none, and passes
        // other years whole.
        noteBirthKind(birth);
        if (mixedBirthYears_ &&
            (row != unsortedRow_ || (birth.yearKnown && birthYearKinds_[birth.year] == 3)))
            return false;
        const BirthPlace minePlace = orderedBirthPlace(birth, asc);
        place = landing(mine, rows, [&](int other) -> Standing {
            return compared(minePlace,
                            orderedBirthPlace(readBirth(personsInOrder_[size_t(other)]->birth), asc));
        });
        break;
    }
    case PersonSortKey::byId: {
        IdBands& bands = idBands_;
        if (!bands.order)
            return false;
        IdPlace minePlace;
        minePlace.id.digit = startsWithDigit(edited.identifier);
        if (minePlace.id.digit)
            minePlace.id.number = leadingNumber(edited.identifier);
        if (bands.keyed) {
            keys_.tidy();
            row->textKey = keys_.hold(row->textKey, edited.identifier);
            const std::string_view idKey = keys_.key(row->textKey);
            minePlace.id.key = idKey;
            // The row may join a band or widen it, but no text may come to collate among the
            // numbers: then the test is no order.
            if (minePlace.id.digit) {
                if ((bands.lowTexts && idKey <= bands.highestLowText) ||
                    (bands.highTexts && idKey >= bands.lowestHighText))
                    return false;
                if (!bands.numbers || idKey < bands.lowestNumber)
                    bands.lowestNumber = idKey;
                if (!bands.numbers || idKey > bands.highestNumber)
                    bands.highestNumber = idKey;
                bands.numbers = true;
            } else if (!bands.numbers || idKey < bands.lowestNumber) {
                minePlace.band = 0;
                if (!bands.lowTexts || idKey > bands.highestLowText)
                    bands.highestLowText = idKey;
                bands.lowTexts = true;
            } else if (idKey > bands.highestNumber) {
                minePlace.band = 2;
                if (!bands.highTexts || idKey < bands.lowestHighText)
                    bands.lowestHighText = idKey;
                bands.highTexts = true;
            } else {
                return false;
            }
        } else if (!minePlace.id.digit) {
            return false;
        }
        place = landing(mine, rows, [&](int other) -> Standing {
            IdPlace otherPlace;
            const std::string& id = personsInOrder_[size_t(other)]->identifier;
            otherPlace.id.digit = startsWithDigit(id);
            if (otherPlace.id.digit)
                otherPlace.id.number = leadingNumber(id);
            if (bands.keyed) {
                if (!keys_.lastKey(inOrder_[size_t(other)]->textKey, otherPlace.id.key))
                    return std::nullopt;
                if (!otherPlace.id.digit)
                    otherPlace.band = !bands.numbers || otherPlace.id.key < bands.lowestNumber ? 0 : 2;
            } else if (!otherPlace.id.digit) {
                return std::nullopt;
            }
            return asc ? compared(minePlace, otherPlace) : compared(otherPlace, minePlace);
        });
        break;
    }
    case PersonSortKey::byPercent: {
        const int share = edited.percentFilled;
        place = landing(mine, rows, [&](int other) -> Standing {
            const int otherShare = personsInOrder_[size_t(other)]->percentFilled;
            return asc ? compared(share, otherShare) : compared(otherShare, share);
        });
        break;
    }
    }
    if (!place)
        return false;
    moveRow(mine, *place);
    unsortedRow_ = nullptr;
    selectCurrent(current_);
    sortedBy_ = sortedByNow(key);
    return true;
}

// The row alone moves, in place: a list of a million rows is neither copied nor linked anew.
void Scroll::moveRow(int mine, int place)
{
    const auto rows = inOrder_.begin();
    const auto persons = personsInOrder_.begin();
    if (place < mine) {
        std::rotate(rows + place, rows + mine, rows + mine + 1);
        std::rotate(persons + place, persons + mine, persons + mine + 1);
    } else if (place > mine) {
        std::rotate(rows + mine, rows + mine + 1, rows + place + 1);
        std::rotate(persons + mine, persons + mine + 1, persons + place + 1);
    } else {
        return;
    }
    Polozka* row = inOrder_[size_t(place)];
    if (row->prev)
        row->prev->next = row->next;
    if (row->next)
        row->next->prev = row->prev;
    row->prev = place > 0 ? inOrder_[size_t(place) - 1] : nullptr;
    row->next = size_t(place) + 1 < inOrder_.size() ? inOrder_[size_t(place) + 1] : nullptr;
    if (row->prev)
        row->prev->next = row;
    if (row->next)
        row->next->prev = row;
    first = inOrder_.front();
}

void Scroll::sortByBirth()
{
    const std::vector<Polozka*>& rows = rowsInOrder();
    std::vector<DatumKey> births;
    births.reserve(rows.size());
    birthYearKinds_.clear();
    mixedBirthYears_ = false;
    readPersons(
        rows, [](const Polozka& row) { ask(&row.person->birth.day, &row.person->birth.year); },
        [&](size_t, const Clovek& p) {
            births.push_back(readBirth(p.birth));
            noteBirthKind(births.back());
        });
    std::vector<BirthPlace> places = birthPlaces(births, window_.programSettings().sortAscending);
    Order order = unsorted(rows.size());
    stableSortRows(order, [&](int a, int b) { return places[a] < places[b]; });
    placeRows(order);
    sortedBy_ = sortedByNow(PersonSortKey::byBirth);
}

namespace {

// False when a text collates among the numbers: then the test is no order.
template<class Bands>
bool idPlaces(const std::vector<Polozka*>& rows, SharedCollationKeys& keys, std::vector<IdPlace>& places,
              Bands& bands)
{
    places.resize(rows.size());
    bands = Bands();
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
        return bands.order = true;
    std::string_view lowest, highest, highestLow, lowestHigh;
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
        const std::string_view key = place.id.key;
        if (!numbers || key < lowest) {
            place.band = 0;
            highestLow = !bands.lowTexts || highestLow < key ? key : highestLow;
            bands.lowTexts = true;
        } else if (highest < key) {
            place.band = 2;
            lowestHigh = !bands.highTexts || key < lowestHigh ? key : lowestHigh;
            bands.highTexts = true;
        } else {
            order = false;
        }
    }
    bands.order = order;
    bands.keyed = true;
    bands.numbers = numbers;
    bands.lowestNumber = lowest;
    bands.highestNumber = highest;
    bands.highestLowText = highestLow;
    bands.lowestHighText = lowestHigh;
    return order;
}

} // namespace

void Scroll::sortById()
{
    const std::vector<Polozka*>& rows = rowsInOrder();
    bool asc = window_.programSettings().sortAscending;
    std::vector<IdPlace> places;
    Order order = unsorted(rows.size());
    keys_.tidy();
    if (idPlaces(rows, keys_, places, idBands_)) {
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
    sortedBy_ = sortedByNow(PersonSortKey::byId);
}

void Scroll::sortByPercent()
{
    const std::vector<Polozka*>& rows = rowsInOrder();
    std::vector<int> shares;
    shares.reserve(rows.size());
    readPersons(
        rows, [](const Polozka& row) { ask(&row.person->percentFilled); },
        [&](size_t, const Clovek& p) { shares.push_back(p.percentFilled); });
    bool asc = window_.programSettings().sortAscending;
    Order order = unsorted(rows.size());
    stableSortRows(order, [&](int a, int b) { return asc ? shares[a] < shares[b] : shares[a] > shares[b]; });
    placeRows(order);
    sortedBy_ = sortedByNow(PersonSortKey::byPercent);
}
