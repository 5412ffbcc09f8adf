// The undo history on a tree of 100,000 persons: recording a keystroke (folded into the step
// under the cursor, or a new step that pushes the oldest out), undoing and redoing one step in
// the model and through the main window; and the share of filled fields of every person, alone
// and as the person list works it out when it is built. None of these may walk the tree for the
// history's sake.
#include "app/main_window.h"
#include "bench/main_window.h"
#include "bench/tree_parts.h"
#include "model/action_list.h"
#include "model/casove_obdobi.h"
#include "model/clovek.h"
#include "model/rod.h"
#include "system/collation.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kPersons = 100000;

// Persons numbered directly, every third with a father and some with life periods, so the share
// of filled fields meets each of its items.
std::vector<Clovek*> fillTree(Rod& tree, int n)
{
    std::mt19937 rng(7);
    std::vector<Clovek*> persons;
    persons.reserve(n);
    for (int i = 0; i < n; ++i) {
        auto pOwned = std::make_unique<Clovek>();
        Clovek* p = pOwned.get();
        p->firstName = rng() % 5 ? "Jan" : "";
        p->surname = "Novák" + std::to_string(rng() % 300);
        p->birth = Datum(rng() % 3 ? std::to_string(1 + rng() % 28) : "?", std::to_string(1 + rng() % 12),
                         std::to_string(1600 + rng() % 400));
        if (i % 3 == 0 && i > 0)
            p->father = persons[rng() % persons.size()];
        if (i % 7 == 0)
            p->residences.append(std::make_unique<CasoveObdobi>("Brno"));
        persons.push_back(bench::appendNumbered(tree, std::move(pOwned), i));
    }
    return persons;
}

void RecordKeystrokeMerged(benchmark::State& state)
{
    Rod tree;
    std::vector<Clovek*> persons = fillTree(tree, kPersons);
    Clovek* p = persons[kPersons / 2];
    std::string text = "J";
    tree.recordTextChange(p, "jmeno", "", text);
    for (auto _ : state) {
        text += 'a';
        if (text.size() > 64)
            text.resize(1);
        tree.recordTextChange(p, "jmeno", "", text);
    }
}

void RecordKeystrokeNewStep(benchmark::State& state)
{
    Rod tree;
    std::vector<Clovek*> persons = fillTree(tree, kPersons);
    for (int i = 0; i < ActionList::maxRecords; ++i)
        tree.recordTextChange(persons[size_t(i)], "jmeno", "", "x");
    size_t i = 0;
    for (auto _ : state) {
        // Another person each time: a new step, and the oldest of the full history goes.
        tree.recordTextChange(persons[i++ % persons.size()], "jmeno", "", "J");
    }
}

void UndoRedoStepInTheModel(benchmark::State& state)
{
    Rod tree;
    std::vector<Clovek*> persons = fillTree(tree, kPersons);
    tree.recordTextChange(persons[10], "prijmeni", "Novák", "Nováková");
    for (auto _ : state) {
        tree.undo();
        tree.redo();
    }
    state.SetItemsProcessed(state.iterations() * 2);
}

// Through the main window with a person list of every person: the show step selects the row
// and shows the person, as the command does.
void UndoRedoStepThroughTheMainWindow(benchmark::State& state)
{
    Thlavni main;
    bench::newTreeIn(main);
    std::vector<Clovek*> persons = fillTree(*main.session.tree(), kPersons);
    bench::listEveryPerson(main).sort(PersonSortKey::byName);
    main.editor.showPersonOfStep(persons[0]);
    main.session.tree()->recordTextChange(persons[kPersons / 2], "titulPred", "", "Ing.");
    for (auto _ : state) {
        main.layout().Zpet1.OnClick();
        main.layout().Znovu1.OnClick();
    }
    state.SetItemsProcessed(state.iterations() * 2);
    main.personList.dropView();
}

void PercentFilledEveryPerson(benchmark::State& state)
{
    Rod tree;
    fillTree(tree, kPersons);
    for (auto _ : state)
        tree.updateAllPercentFilled();
    state.SetItemsProcessed(state.iterations() * kPersons);
}

void PersonListBuiltWithShares(benchmark::State& state)
{
    Thlavni main;
    main.session.adopt(std::make_unique<Rod>());
    fillTree(*main.session.tree(), kPersons);
    main.personList.makeView(32);
    for (auto _ : state)
        main.personList.fill();
    main.personList.dropView();
}

} // namespace

BENCHMARK(RecordKeystrokeMerged)->Unit(benchmark::kMicrosecond);
BENCHMARK(RecordKeystrokeNewStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(UndoRedoStepInTheModel)->Unit(benchmark::kMicrosecond);
BENCHMARK(UndoRedoStepThroughTheMainWindow)->Unit(benchmark::kMicrosecond);
BENCHMARK(PercentFilledEveryPerson)->Unit(benchmark::kMillisecond);
BENCHMARK(PersonListBuiltWithShares)->Unit(benchmark::kMillisecond);
