// Saving and loading big trees: each person with a few texts, dates, a residence and a
// partnership, no media. Both must grow about linearly with the number of persons, and loading
// 100,000 persons must stay well under the time a person waits before thinking the program hangs.
#include "bench/tree_file_folders.h"
#include "bench/tree_parts.h"
#include "model/casove_obdobi.h"
#include "model/clovek.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "storage/tree_loader.h"
#include "storage/tree_writer.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

namespace fs = std::filesystem;

namespace {

// Couples of a man and a woman, each couple the parents of the next couple's man.
void fillTree(Rod& tree, int persons)
{
    Clovek* previousMan = nullptr;
    Clovek* previousWoman = nullptr;
    for (int i = 0; i + 1 < persons; i += 2) {
        auto manOwned = std::make_unique<Clovek>();
        Clovek* man = manOwned.get();
        auto womanOwned = std::make_unique<Clovek>();
        Clovek* woman = womanOwned.get();
        man->firstName = "Václav " + std::to_string(i);
        man->surname = "Dvořák";
        man->birth =
            Datum(std::to_string(1 + i % 28), std::to_string(1 + i % 12), std::to_string(1700 + i % 300));
        man->birthPlace = "Kolín";
        man->alive = 0;
        man->death = Datum("?", "?", std::to_string(1760 + i % 300));
        man->setFurtherTexts({"Poznámka k osobě", "druhý řádek"});
        man->residences.append(std::make_unique<CasoveObdobi>("Kolín"));
        woman->firstName = "Božena " + std::to_string(i);
        woman->surname = "Dvořáková";
        woman->birthSurname = "Nováková";
        woman->sex = 0;
        woman->birth = Datum("?", "5", std::to_string(1702 + i % 300));
        bench::appendNumbered(tree, std::move(manOwned), i);
        bench::appendNumbered(tree, std::move(womanOwned), i + 1);
        bench::setParents(man, previousMan, previousWoman);
        Svatba* s = bench::marry(man, woman);
        s->wedding = Datum("1", "6", std::to_string(1725 + i % 300));
        s->place = "Kolín";
        previousMan = man;
        previousWoman = woman;
    }
}

void SaveTree(benchmark::State& state)
{
    bench::TreeFileFolders folders;
    TreeFileEnvironment env = folders.environment();
    const std::string file = folders.saved("velky.rod");
    Rod tree(file);
    fillTree(tree, static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(saveTreeFile(tree, tree.firstPerson, env));
    state.counters["bytes"] = static_cast<double>(fs::file_size(file));
}

void LoadTree(benchmark::State& state)
{
    bench::TreeFileFolders folders;
    TreeFileEnvironment env = folders.environment();
    const std::string file = folders.saved("velky.rod");
    {
        Rod tree(file);
        fillTree(tree, static_cast<int>(state.range(0)));
        saveTreeFile(tree, tree.firstPerson, env);
    }
    for (auto _ : state) {
        auto tree = std::make_unique<Rod>(file);
        loadCurrentFormat(*tree, env);
        benchmark::DoNotOptimize(tree->personCount());
        state.PauseTiming(); // freeing the tree is the close's work, not the load's
        tree.reset();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(SaveTree)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(LoadTree)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->Iterations(3);
