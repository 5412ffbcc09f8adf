// Sorting the person list, which happens after every edit of a shown field: on a shuffled list
// (a tree just opened) and on a sorted list with one changed row (typing), for each key, on
// 10,000 and 100,000 persons. Births come in two mixes: full dates and years alone, and a mix
// that also has month-only dates, where the birth test is no order.
#include "app/main_window.h"
#include "bench/main_window.h"
#include "bench/tree_parts.h"
#include "model/clovek.h"
#include "model/rod.h"
#include "system/collation.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>

namespace {

const char* kSurnames[] = {"Novák",  "Svoboda", "Novotný", "Dvořák", "Černý",    "Procházka", "Kučera",
                           "Veselý", "Horák",   "Němec",   "Marek",  "Pospíšil", "Hájek",     "Jelínek",
                           "Král",   "Růžička", "Beneš",   "Fiala",  "Sedláček", "Doležal",   "Zeman"};
const char* kFirstNames[] = {"Jan",  "Petr",  "Josef", "Pavel",  "Marie", "Jana",     "Eva",  "Anna",
                             "Hana", "Tomáš", "Jiří",  "Martin", "Lenka", "Kateřina", "Lucie"};

struct ListFixture {
    Thlavni main;
    std::mt19937 rng{42};
    std::vector<Clovek*> persons;

    ListFixture(int n, bool monthOnlyDates, bool oddIdentifiers = false)
    {
        setCollationLocale("cs");
        main.session.adopt(std::make_unique<Rod>());
        for (int i = 0; i < n; ++i) {
            auto pOwned = std::make_unique<Clovek>();
            Clovek* p = pOwned.get();
            p->surname = kSurnames[rng() % 21];
            p->firstName = kFirstNames[rng() % 15];
            p->birth = randomBirth(monthOnlyDates);
            p->percentFilled = int(rng() % 101);
            // A full-width digit collates among the numbers.
            bench::appendNumbered(*main.session.tree(), std::move(pOwned), i,
                                  oddIdentifiers && i % 1000 == 0 ? "\xef\xbc\x95" : "");
            persons.push_back(p);
        }
        bench::listEveryPerson(main);
    }
    ~ListFixture() { main.personList.dropView(); }
    Datum randomBirth(bool monthOnly)
    {
        int r = int(rng() % 100);
        std::string y = std::to_string(1600 + int(rng() % 400));
        std::string m = std::to_string(1 + int(rng() % 12));
        std::string d = std::to_string(1 + int(rng() % 28));
        if (r < 10)
            return Datum("?", "?", "?");
        if (r < 25)
            return Datum("?", "?", y);
        if (monthOnly && r < 35)
            return Datum("?", m, y);
        return Datum(d, m, y);
    }
    void shuffle()
    {
        std::shuffle(persons.begin(), persons.end(), rng);
        main.personList.clear();
        for (Clovek* p : persons)
            main.personList.add(p);
    }
    // One row's key changes, as one edit changes it.
    void changeOne()
    {
        Clovek* p = persons[rng() % persons.size()];
        p->surname = kSurnames[rng() % 21];
        p->birth.year = std::to_string(1600 + int(rng() % 400));
        p->identifier = std::to_string(rng() % persons.size());
        p->percentFilled = int(rng() % 101);
    }
};

void Shuffled(benchmark::State& state, bool monthOnly, bool oddIds = false)
{
    ListFixture f(int(state.range(1)), monthOnly, oddIds);
    for (auto _ : state) {
        state.PauseTiming();
        f.shuffle();
        state.ResumeTiming();
        f.main.personList.sort(*personSortKeyAt(int(state.range(0))));
    }
}

void OneChange(benchmark::State& state, bool monthOnly, bool oddIds = false)
{
    ListFixture f(int(state.range(1)), monthOnly, oddIds);
    f.main.personList.sort(*personSortKeyAt(int(state.range(0))));
    for (auto _ : state) {
        state.PauseTiming();
        f.changeOne();
        state.ResumeTiming();
        f.main.personList.sort(*personSortKeyAt(int(state.range(0))));
    }
}

void SortShuffled(benchmark::State& state)
{
    Shuffled(state, false);
}
void SortOneChange(benchmark::State& state)
{
    OneChange(state, false);
}
void BirthMonthOnlyShuffled(benchmark::State& state)
{
    Shuffled(state, true);
}
void BirthMonthOnlyOneChange(benchmark::State& state)
{
    OneChange(state, true);
}
// Identifiers where the test is no order: some texts collate among the numbers.
void IdTextsAmongNumbersShuffled(benchmark::State& state)
{
    Shuffled(state, false, true);
}
void IdTextsAmongNumbersOneChange(benchmark::State& state)
{
    OneChange(state, false, true);
}

} // namespace

// Keys: 0 name, 1 birth, 2 identifier, 3 share of filled fields.
BENCHMARK(SortShuffled)
    ->ArgsProduct({{0, 1, 2, 3}, {10000, 100000}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(SortOneChange)
    ->ArgsProduct({{0, 1, 2, 3}, {10000, 100000}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK(BirthMonthOnlyShuffled)
    ->ArgsProduct({{1}, {10000, 100000}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BirthMonthOnlyOneChange)
    ->ArgsProduct({{1}, {10000, 100000}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK(IdTextsAmongNumbersShuffled)
    ->ArgsProduct({{2}, {10000, 100000}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(IdTextsAmongNumbersOneChange)
    ->ArgsProduct({{2}, {10000, 100000}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
