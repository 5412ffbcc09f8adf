// How the bubble passes place the dates of one year. There are three kinds of date in a year:
// the year alone (no month; a day without a month is the same), a month without a day, and a
// full date. A year alone never changes places with another year alone nor with a month, so the
// years alone cut the year's rows into blocks that its months never leave. Months and full dates
// are ordered among themselves (a month counting as less than every full date of that month);
// each block ends up sorted, the years alone keeping their order between the blocks. A full date
// crosses years alone, and where it stops is found thus:
// - ascending, it climbs past smaller dates and years alone until a later month stops it: it
//   lands in the nearest block at or above its own holding a later month, counting in its own
//   block only the months above it, or else in the first block;
// - descending, the years alone climb past it, carrying it down past the block's end unless
//   that block holds a later month anywhere: it lands in the nearest block at or below its own
//   holding one, or else in the last block.
// Different years and unknown years keep their plain order around all this.
#include "shell/birth_order.h"

#include <algorithm>
#include <limits>
#include <unordered_map>

namespace {

constexpr int noMonth = std::numeric_limits<int>::min();

struct Year {
    std::vector<int> latestMonth; // per block, the latest month without a day
    // Blocks that could still stop a full date, nearest last; their months strictly fall
    // towards the nearest.
    std::vector<std::pair<int, int>> stops; // block, month

    void raise(int block, int month)
    {
        if (month == noMonth ||
            (!stops.empty() && stops.back().first == block && stops.back().second >= month))
            return;
        while (!stops.empty() && stops.back().second <= month)
            stops.pop_back();
        stops.emplace_back(block, month);
    }
    // The nearest block holding a month later than this one, or `otherwise`.
    int stopFor(int month, int otherwise) const
    {
        auto later = std::partition_point(stops.begin(), stops.end(),
                                          [&](const std::pair<int, int>& s) { return s.second > month; });
        return later == stops.begin() ? otherwise : std::prev(later)->first;
    }
};

} // namespace

std::vector<BirthPlace> birthPlaces(const std::vector<DatumKey>& births, bool ascending)
{
    const int n = int(births.size());
    const int64_t sign = ascending ? -1 : 1;
    std::vector<BirthPlace> places(n);
    std::vector<int> blockOf(n); // for a year alone: the block before it
    std::unordered_map<int, Year> years;
    for (int i = 0; i < n; ++i) {
        const DatumKey& d = births[i];
        if (!d.yearKnown) {
            places[i].year =
                ascending ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min();
            continue;
        }
        places[i].year = sign * d.year;
        std::vector<int>& latest = years[d.year].latestMonth;
        if (latest.empty())
            latest.push_back(noMonth);
        blockOf[i] = int(latest.size()) - 1;
        if (!d.monthKnown) {
            places[i].block = 2 * int64_t(blockOf[i]) + 1;
            latest.push_back(noMonth);
            continue;
        }
        places[i].month = sign * d.month;
        places[i].full = sign * d.dayKnown;
        places[i].day = d.dayKnown ? sign * d.day : 0;
        if (!d.dayKnown)
            latest.back() = std::max(latest.back(), d.month);
    }
    // The full dates meet the blocks in the order they travel: ascending from the top down,
    // descending from the bottom up.
    for (int k = 0; k < n; ++k) {
        const int i = ascending ? k : n - 1 - k;
        const DatumKey& d = births[i];
        if (!d.yearKnown || !d.monthKnown)
            continue;
        Year& y = years[d.year];
        const int block = blockOf[i];
        if (!d.dayKnown) {
            y.raise(block, ascending ? d.month : y.latestMonth[block]);
            places[i].block = 2 * int64_t(block);
            continue;
        }
        if (!ascending)
            y.raise(block, y.latestMonth[block]);
        int lands = y.stopFor(d.month, ascending ? 0 : int(y.latestMonth.size()) - 1);
        places[i].block = 2 * int64_t(lands);
    }
    return places;
}
