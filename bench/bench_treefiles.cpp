// Saving and loading big trees: each person with a few texts, dates, a residence and a
// partnership, no media. Both must grow about linearly with the number of persons, and loading
// 100,000 persons must stay well under the time a person waits before thinking the program hangs.
#include "model/casove_obdobi.h"
#include "model/clovek.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "model/text_source.h"
#include "storage/media_folders.h"
#include "storage/tree_loader.h"
#include "storage/tree_writer.h"
#include "storage/wait_window.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class DefaultTexts : public TextSource {
public:
    std::string langText(const std::string&, const std::string&, const std::string& d) override
    {
        return d;
    }
    std::string readText(const std::string&, const std::string&, const std::string& d) override
    {
        return d;
    }
};

// Couples of a man and a woman, each couple the parents of the next couple's man.
void fillTree(Rod& tree, int persons)
{
    Clovek* previousMan = nullptr;
    Clovek* previousWoman = nullptr;
    for (int i = 0; i + 1 < persons; i += 2) {
        auto* man = new Clovek;
        auto* woman = new Clovek;
        man->firstName = "Václav " + std::to_string(i);
        man->surname = "Dvořák";
        man->birth = Datum(std::to_string(1 + i % 28), std::to_string(1 + i % 12),
                           std::to_string(1700 + i % 300));
        man->birthPlace = "Kolín";
        man->alive = 0;
        man->death = Datum("?", "?", std::to_string(1760 + i % 300));
        man->furtherTexts = {"Poznámka k osobě", "druhý řádek"};
        man->residences.append(new CasoveObdobi("Kolín"));
        woman->firstName = "Božena " + std::to_string(i);
        woman->surname = "Dvořáková";
        woman->birthSurname = "Nováková";
        woman->sex = 0;
        woman->birth = Datum("?", "5", std::to_string(1702 + i % 300));
        // Numbered here: finding the lowest free number for each new person would make the
        // building, not the file work, dominate.
        man->number = i;
        woman->number = i + 1;
        man->identifier = std::to_string(i);
        woman->identifier = std::to_string(i + 1);
        tree.appendPerson(man);
        tree.appendPerson(woman);
        man->father = previousMan;
        man->mother = previousWoman;
        auto* s = new Svatba;
        s->partner1 = man;
        s->partner2 = woman;
        s->type = 1;
        s->wedding = Datum("1", "6", std::to_string(1725 + i % 300));
        s->place = "Kolín";
        man->partnerships.append(new UkSvatba(s));
        woman->partnerships.append(new UkSvatba(s));
        previousMan = man;
        previousWoman = woman;
    }
}

struct BenchFolders {
    BenchFolders()
    {
        root = fs::temp_directory_path() / ("kv_bench_tree_" + std::to_string(::getpid()));
        fs::remove_all(root);
        fs::create_directories(root / "prog" / "save");
        program = (root / "prog").string() + "/";
        working = program + "temp/";
        resetWorkingFolder(working, program);
        file = program + "save/velky.rod";
    }
    ~BenchFolders() { fs::remove_all(root); }
    fs::path root;
    std::string program, working, file;
};

void SaveTree(benchmark::State& state)
{
    BenchFolders folders;
    DefaultTexts texts;
    WaitWindow wait;
    TreeFileEnvironment env{folders.working, folders.program, wait, texts};
    Rod tree(folders.file);
    fillTree(tree, static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(saveTreeFile(tree, tree.firstPerson, env));
    state.counters["bytes"] = static_cast<double>(fs::file_size(folders.file));
}

void LoadTree(benchmark::State& state)
{
    BenchFolders folders;
    DefaultTexts texts;
    WaitWindow wait;
    TreeFileEnvironment env{folders.working, folders.program, wait, texts};
    {
        Rod tree(folders.file);
        fillTree(tree, static_cast<int>(state.range(0)));
        saveTreeFile(tree, tree.firstPerson, env);
    }
    for (auto _ : state) {
        auto tree = std::make_unique<Rod>(folders.file);
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
