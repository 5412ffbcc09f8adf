// The person list as text on 10,000 and 100,000 persons: the list sorted by name, every line
// written with all columns, and the list sorted back.
#include "app/main_window.h"
#include "bench/main_window.h"
#include "bench/tree_parts.h"
#include "model/casove_obdobi.h"
#include "model/clovek.h"
#include "model/rod.h"
#include "system/collation.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

const char* kSurnames[] = {"Novák", "Svoboda", "Dvořák", "Černý", "Procházka", "Kučera", "Růžička"};
const char* kFirstNames[] = {"Jan", "Petr", "Marie", "Jiří", "Kateřina", "Lucie", "Tomáš"};

void BM_PersonListText(benchmark::State& state)
{
    setCollationLocale("cs");
    std::mt19937 rng(42);
    Thlavni main;
    main.session.adopt(std::make_unique<Rod>());
    for (int i = 0; i < state.range(0); ++i) {
        auto pOwned = std::make_unique<Clovek>();
        Clovek* p = pOwned.get();
        p->surname = kSurnames[rng() % 7];
        p->firstName = kFirstNames[rng() % 7];
        p->birth = Datum(std::to_string(1 + rng() % 28), std::to_string(1 + rng() % 12),
                         std::to_string(1700 + rng() % 300));
        p->birthPlace = "Žďár nad Sázavou";
        p->occupations.append(std::make_unique<CasoveObdobi>("kovář"));
        bench::appendNumbered(*main.session.tree(), std::move(pOwned), i);
    }
    bench::listEveryPerson(main);
    Thlavni::ListColumns columns;
    columns.birth = columns.death = columns.number = columns.birthPlace = columns.deathPlace = true;
    columns.residence = columns.education = columns.occupation = true;
    for (auto _ : state) {
        std::vector<std::string> lines;
        main.buildPersonList(lines, columns);
        benchmark::DoNotOptimize(lines.data());
    }
    main.personList.dropView();
}
BENCHMARK(BM_PersonListText)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
