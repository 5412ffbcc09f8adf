// The tree operations that walk every person, on trees of 10,000 and 100,000 persons. Each
// operation on the larger tree should take no more than about fifteen times as long as on the
// smaller one.
#include "bench/tree_builder.h"
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

using bench::makeTree;

void clearLists(Rod& tree)
{
    tree.forEachPerson([](Clovek* p) {
        p->children.clear();
        p->siblings().clear();
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

BENCHMARK(BM_RebuildChildAndSiblingLists)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_ChainWalkBaseline)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MaxGenerations)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindByNumberAndIdentifier)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AncestorCycleAfterLinking)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AncestorCycleWholeTree)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Remove1000Persons)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(2);
