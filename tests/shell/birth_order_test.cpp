// The birth places against the bubble passes run literally with the date comparisons themselves,
// on the lists where the birth test is no order: few years, many years alone and months without
// a day, every arrangement of short lists and random longer ones.
#include "model/datum.h"
#include "shell/birth_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace {

bool swapsLiterally(const Datum& r, const Datum& s, bool asc)
{
    bool tie = !r.isBefore(s) && !r.isAfter(s);
    return asc ? r.isBefore(s) || (tie && r.completeness() < s.completeness())
               : r.isAfter(s) || (tie && r.completeness() > s.completeness());
}

// The order the passes leave, as indices into `dates`.
std::vector<int> bubbleLiterally(const std::vector<Datum>& dates, bool asc)
{
    std::vector<int> v(dates.size());
    std::iota(v.begin(), v.end(), 0);
    for (int n = int(v.size()) - 1; n > 0; --n) {
        bool swapped = false;
        for (int j = 0; j < n; ++j)
            if (swapsLiterally(dates[v[j]], dates[v[j + 1]], asc)) {
                std::swap(v[j], v[j + 1]);
                swapped = true;
            }
        if (!swapped)
            break;
    }
    return v;
}

std::vector<int> byPlaces(const std::vector<Datum>& dates, bool asc)
{
    std::vector<DatumKey> keys(dates.size());
    for (size_t i = 0; i < dates.size(); ++i)
        EXPECT_TRUE(tryDatumKey(dates[i], keys[i]));
    std::vector<BirthPlace> places = birthPlaces(keys, asc);
    std::vector<int> v(dates.size());
    std::iota(v.begin(), v.end(), 0);
    std::stable_sort(v.begin(), v.end(), [&](int a, int b) { return places[a] < places[b]; });
    return v;
}

std::string describe(const std::vector<Datum>& dates)
{
    std::string s;
    for (const Datum& d : dates)
        s += d.day + "." + d.month + "." + d.year + " ";
    return s;
}

} // namespace

TEST(BirthOrder, EveryArrangementOfShortListsGivesThePassesOrder)
{
    // Years alone (one with a day), months 1-3 without a day, full dates around them (a day 0
    // included), an unknown year and the neighbouring years.
    const std::vector<Datum> kinds = {
        Datum("?", "?", "1900"), Datum("5", "?", "1900"), Datum("?", "1", "1900"), Datum("?", "2", "1900"),
        Datum("?", "3", "1900"), Datum("1", "1", "1900"), Datum("0", "2", "1900"), Datum("2", "2", "1900"),
        Datum("1", "3", "1900"), Datum("?", "?", "?"),    Datum("?", "?", "1901"), Datum("1", "2", "1899")};
    const int length = 4;
    std::vector<int> pick(length, 0);
    for (;;) {
        std::vector<Datum> dates;
        for (int k : pick)
            dates.push_back(kinds[k]);
        for (bool asc : {true, false})
            ASSERT_EQ(byPlaces(dates, asc), bubbleLiterally(dates, asc)) << describe(dates) << "asc " << asc;
        int i = 0;
        while (i < length && ++pick[i] == int(kinds.size()))
            pick[i++] = 0;
        if (i == length)
            break;
    }
}

TEST(BirthOrder, RandomListsGiveThePassesOrder)
{
    std::mt19937 rng(1900);
    auto part = [&](int lo, int hi, int unknownPercent) {
        return int(rng() % 100) < unknownPercent ? std::string("?")
                                                 : std::to_string(lo + int(rng() % (hi - lo + 1)));
    };
    for (int round = 0; round < 1000; ++round) {
        int n = round % 20 == 0 ? 50 + int(rng() % 150) : 1 + int(rng() % 14);
        int years = 1 + int(rng() % 3), months = 1 + int(rng() % 5);
        int dayless = int(rng() % 60), monthless = int(rng() % 60);
        std::vector<Datum> dates;
        for (int i = 0; i < n; ++i)
            dates.emplace_back(part(0, 2, dayless), part(0, months, monthless), part(1900, 1899 + years, 10));
        for (bool asc : {true, false})
            ASSERT_EQ(byPlaces(dates, asc), bubbleLiterally(dates, asc)) << describe(dates) << "asc " << asc;
    }
}
