// One keystroke in the surname of a person in the middle of a list of 100,000 or 1,000,000
// persons (the benchmark's argument), the whole
// path the person waits for: the name stored, the undo step recorded (folded into the step of
// the same field), the list re-sorted and repainted and the heading refreshed. Must stay under
// one frame (16 ms).
#include "app/main_window.h"
#include "bench/main_window.h"
#include "model/clovek.h"
#include "model/rod.h"
#include "system/collation.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

// The main window over a tree of `count` persons, sorted and showing the one in the middle.
std::vector<Clovek*> openBigTree(Thlavni& main, std::mt19937& rng, int count)
{
    bench::newTreeIn(main);
    std::vector<Clovek*> persons;
    persons.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        auto owned = std::make_unique<Clovek>();
        Clovek* p = owned.get();
        p->number = i;
        p->firstName = rng() % 5 ? "Jan" : "Eva";
        p->surname = "Novák" + std::to_string(rng() % 3000);
        p->birth = Datum(std::to_string(1 + rng() % 28), std::to_string(1 + rng() % 12),
                         std::to_string(1600 + rng() % 400));
        main.session.tree()->appendPerson(std::move(owned));
        persons.push_back(p);
    }
    bench::listEveryPerson(main);
    main.personList.sortAsChosen();
    main.layout().pages.setActivePage(&main.layout().zakladniUdaje);
    main.editor.showPersonOfStep(persons[size_t(count) / 2]);
    return persons;
}

void SurnameKeystroke(benchmark::State& state)
{
    Thlavni main;
    std::mt19937 rng(11);
    openBigTree(main, rng, int(state.range(0)));
    TComboBox& box = main.layout().zakladniSheet.prijmeniCB;
    std::string text = box.Text();
    for (auto _ : state) {
        // Typing on and on, then back to a short name, so the person moves through the list.
        text += static_cast<char>('a' + rng() % 26);
        if (text.size() > 20)
            text.resize(1);
        box.setText(text);
        box.OnChange();
    }
    state.SetItemsProcessed(state.iterations());
    main.personList.dropView();
}

// The new-person command and the deletion of that person (after the question), one after the
// other: each adds or removes a row of the list, shows a person and sorts.
void NewPersonThenDelete(benchmark::State& state)
{
    Thlavni main;
    std::mt19937 rng(12);
    openBigTree(main, rng, int(state.range(0)));
    main.editor.fillGroupsCombo("");
    for (auto _ : state) {
        main.editor.Nova1Click();
        main.editor.deleteCurrentPerson(false);
    }
    state.SetItemsProcessed(state.iterations());
    main.personList.dropView();
}

} // namespace

BENCHMARK(SurnameKeystroke)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(NewPersonThenDelete)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
