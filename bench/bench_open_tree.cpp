// Opening a tree file of 100,000 persons, split into its parts: reading the file, relinking the
// family lists, building the person list and sorting it; then the whole open as a person starts
// it. The list must not be what a person waits for.
#include "bench/program_run.h"
#include "bench/tree_builder.h"
#include "model/clovek.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "model/uk_clovek.h"
#include "storage/tree_writer.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <random>
#include <string>

namespace {

constexpr int kPersons = 100000;

// The program as it runs, its folder in a temporary place holding the big tree's file.
struct Program {
    bench::ProgramRun run;
    std::string file = run.folder() + "save/velky.rod";

    Program()
    {
        std::filesystem::create_directories(run.folder() + "save");
        Rod tree(file);
        bench::buildFamilies(tree, kPersons);
        TreeFileEnvironment env = main().session.fileEnvironment();
        saveTreeFile(tree, tree.firstPerson, env);
    }
    Thlavni& main() { return run.main(); }
    void load() { main().session.open(file); }
    PersonListPanel& newList()
    {
        main().personList.makeView();
        return main().personList;
    }
};

Program& program()
{
    static Program p;
    return p;
}

void BM_OpenLoadFile(benchmark::State& state)
{
    Program& p = program();
    for (auto _ : state)
        p.load();
    state.counters["persons"] = p.main().session.tree()->personCount();
}

void BM_OpenRelinkFamilyLists(benchmark::State& state)
{
    Program& p = program();
    for (auto _ : state) {
        state.PauseTiming();
        p.load();
        state.ResumeTiming();
        p.main().session.tree()->fillEmptyIdentifiers();
        p.main().session.tree()->rebuildChildLists();
        p.main().session.tree()->rebuildAllSiblingLists();
    }
}

void BM_OpenBuildList(benchmark::State& state)
{
    Program& p = program();
    p.load();
    for (auto _ : state)
        p.newList().fill();
}

void BM_OpenSortList(benchmark::State& state)
{
    Program& p = program();
    p.load();
    p.main().settings.sortOrder = *personSortKeyAt(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        PersonListPanel& list = p.newList();
        list.fill();
        list.selectPerson(p.main().session.tree()->firstPerson);
        state.ResumeTiming();
        list.sort(p.main().settings.sortOrder);
    }
    p.main().personList.setCurrentRow(nullptr);
}

void BM_OpenWholeTree(benchmark::State& state)
{
    Program& p = program();
    p.main().settings.sortOrder = PersonSortKey::byName;
    for (auto _ : state) {
        p.main().openTree(p.file);
        state.PauseTiming();
        p.main().closeTreeData();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_OpenLoadFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenRelinkFamilyLists)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenBuildList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenSortList)
    ->Arg(itemIndexOf(PersonSortKey::byName))
    ->Arg(itemIndexOf(PersonSortKey::byBirth))
    ->Arg(itemIndexOf(PersonSortKey::byId))
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenWholeTree)->Unit(benchmark::kMillisecond);
