// The tree operations that walk every person, on trees of 10,000 and 100,000 persons. Each
// operation on the larger tree should take no more than about fifteen times as long as on the
// smaller one.
#include "model/clovek.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "model/uk_clovek.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kGenerations = 25;
constexpr int kBigFamily = 5000;

class TreeBuilder {
public:
    TreeBuilder(Rod& tree, int seed) : tree_(tree), rng_(seed) {}

    Clovek* person(int generation, int sex)
    {
        Clovek* p = new Clovek;
        p->number = next_++;
        p->identifier = "I" + std::to_string(p->number);
        p->firstName = "Jméno" + std::to_string(rng_() % 300);
        p->surname = "Příjmení" + std::to_string(rng_() % 500);
        p->sex = uint8_t(sex);
        int year = 1400 + 25 * generation + int(rng_() % 20);
        p->birth = Datum(rng_() % 10 ? std::to_string(1 + rng_() % 28) : "?",
                         rng_() % 10 ? std::to_string(1 + rng_() % 12) : "?",
                         rng_() % 30 ? std::to_string(year) : "?");
        tree_.appendPerson(p);
        return p;
    }

    void marry(Clovek* a, Clovek* b)
    {
        Svatba* s = new Svatba;
        s->partner1 = a;
        s->partner2 = b;
        s->type = 1;
        a->partnerships.append(new UkSvatba(s));
        b->partnerships.append(new UkSvatba(s));
    }

    // Generations of about the same size; couples are drawn at random within a generation, so
    // cousins marry now and then (pedigree collapse), and some marry in from outside.
    void build(int persons)
    {
        int perGeneration = std::max(10, (persons - kBigFamily - 60) / kGenerations);
        std::vector<Clovek*> previous;
        for (int i = 0; i < perGeneration; ++i)
            previous.push_back(person(0, i % 2));
        for (int g = 1; g < kGenerations && next_ < persons - kBigFamily - 60; ++g) {
            std::shuffle(previous.begin(), previous.end(), rng_);
            std::vector<Clovek*> men, women, current;
            for (Clovek* p : previous)
                (p->sex ? men : women).push_back(p);
            size_t couples = std::min(men.size(), women.size());
            for (size_t c = 0; c < couples && int(current.size()) < perGeneration
                               && next_ < persons - kBigFamily - 60;
                 ++c) {
                Clovek* man = men[c];
                Clovek* woman = rng_() % 8 ? women[c] : person(g - 1, 0);
                marry(man, woman);
                int kids = 1 + int(rng_() % 5);
                for (int k = 0; k < kids; ++k) {
                    Clovek* child = person(g, int(rng_() % 2));
                    child->father = man;
                    child->mother = woman;
                    current.push_back(child);
                }
            }
            previous = current;
        }
        // One father of five thousand, with fifty mothers.
        Clovek* father = person(20, 1);
        std::vector<Clovek*> mothers;
        for (int m = 0; m < 50; ++m) {
            mothers.push_back(person(20, 0));
            marry(father, mothers.back());
        }
        for (int k = 0; k < kBigFamily; ++k) {
            Clovek* child = person(21, int(rng_() % 2));
            child->father = father;
            child->mother = mothers[k % mothers.size()];
        }
        while (next_ < persons)
            person(int(rng_() % kGenerations), int(rng_() % 2));
    }

private:
    Rod& tree_;
    std::mt19937 rng_;
    int next_ = 0;
};

std::unique_ptr<Rod> makeTree(int persons, bool withLists)
{
    auto tree = std::make_unique<Rod>();
    TreeBuilder(*tree, 42).build(persons);
    if (withLists) {
        tree->rebuildChildLists();
        tree->rebuildAllSiblingLists();
    }
    return tree;
}

void clearLists(Rod& tree)
{
    tree.forEachPerson([](Clovek* p) {
        p->children.clear();
        p->siblings.clear();
    });
}

void BM_RebuildChildAndSiblingLists(benchmark::State& state)
{
    auto tree = makeTree(int(state.range(0)), false);
    for (auto _ : state) {
        tree->rebuildChildLists();
        tree->rebuildAllSiblingLists();
        state.PauseTiming();
        clearLists(*tree);
        state.ResumeTiming();
    }
    state.counters["persons"] = tree->personCount();
}

// Not an operation of its own: one walk along the chain reading a flag of every person, the
// floor under every operation that visits each person once.
void BM_ChainWalkBaseline(benchmark::State& state)
{
    auto tree = makeTree(int(state.range(0)), false);
    for (auto _ : state)
        benchmark::DoNotOptimize(tree->countPersons(true, false));
}

void BM_MaxGenerations(benchmark::State& state)
{
    auto tree = makeTree(int(state.range(0)), false);
    for (auto _ : state)
        benchmark::DoNotOptimize(tree->maxGenerations());
    state.counters["generations"] = tree->maxGenerations();
}

void BM_FindByNumberAndIdentifier(benchmark::State& state)
{
    int n = int(state.range(0));
    auto tree = makeTree(n, false);
    std::mt19937 rng(7);
    std::vector<int> numbers(1000);
    for (int& x : numbers)
        x = int(rng() % n);
    for (auto _ : state) {
        for (int x : numbers) {
            benchmark::DoNotOptimize(tree->findPersonByNumber(x));
            benchmark::DoNotOptimize(tree->findPersonByIdentifier("I" + std::to_string(x)));
        }
    }
}

// The test after linking one parent walks that parent's ancestors only.
void BM_AncestorCycleAfterLinking(benchmark::State& state)
{
    auto tree = makeTree(int(state.range(0)), false);
    std::vector<Clovek*> parents;
    tree->forEachPerson([&](Clovek* p) {
        if (p->father)
            parents.push_back(p->father);
    });
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(tree->hasAncestorCycle(parents[i++ % parents.size()]));
}

void BM_AncestorCycleWholeTree(benchmark::State& state)
{
    auto tree = makeTree(int(state.range(0)), false);
    for (auto _ : state)
        benchmark::DoNotOptimize(tree->hasAncestorCycle());
}

void BM_Remove1000Persons(benchmark::State& state)
{
    int n = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto tree = makeTree(n, true);
        std::vector<Clovek*> all;
        tree->forEachPerson([&](Clovek* p) { all.push_back(p); });
        std::shuffle(all.begin(), all.end(), std::mt19937(99));
        all.resize(1000);
        state.ResumeTiming();
        for (Clovek* p : all)
            tree->removePerson(p);
        state.PauseTiming();
        tree.reset();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_RebuildChildAndSiblingLists)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ChainWalkBaseline)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MaxGenerations)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindByNumberAndIdentifier)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AncestorCycleAfterLinking)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AncestorCycleWholeTree)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Remove1000Persons)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(2);
