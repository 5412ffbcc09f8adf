// The family parts of the basic-data page on a 100,000-person tree, as the person waits for
// them when a person is shown or a parent is set: the partner area, the children and sibling
// lists, the cycle test of a new parent and the whole family part of the page must each stay well
// under one frame (16 ms); entering a parent box, which lists every man or woman, is measured too.
#include "app/main_window.h"
#include "bench/main_window.h"
#include "bench/tree_builder.h"
#include "model/clovek.h"
#include "model/rod.h"
#include "shell/scroll.h"
#include "system/collation.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kPersons = 100000;

struct Program {
    Thlavni main;
    Clovek* shown = nullptr;
    Clovek* youngest = nullptr;

    Program()
    {
        bench::newTreeIn(main);
        bench::buildFamilies(*main.session.tree(), kPersons);
        main.session.tree()->rebuildChildLists();
        main.session.tree()->rebuildAllSiblingLists();
        // A parent of many children with a partnership, and a person of the last generation,
        // whose ancestors reach back to the first.
        for (Clovek* p = main.session.tree()->firstPerson; p; p = p->chainNext) {
            if (!shown && p->partnerships.count() > 0 && p->children.count() >= 3 && p->father)
                shown = p;
            if (!youngest && p->father && p->father->father)
                youngest = p;
        }
        bench::listEveryPerson(main);
        main.layout().pages.setActivePage(&main.layout().zakladniUdaje);
        main.editor.showPersonOfStep(shown);
    }
};

Program& program()
{
    static Program p;
    return p;
}

void PartnerArea(benchmark::State& state)
{
    Program& p = program();
    for (auto _ : state)
        p.main.editor.fillPartnerList(0);
}

void ChildrenAndSiblingLists(benchmark::State& state)
{
    Program& p = program();
    for (auto _ : state) {
        p.main.editor.fillChildrenList();
        p.main.editor.fillSiblingsList();
    }
}

// Setting the youngest person's father again: the test walks all of the father's ancestors.
void CycleTestOfANewParent(benchmark::State& state)
{
    Program& p = program();
    for (auto _ : state)
        benchmark::DoNotOptimize(p.main.session.tree()->hasAncestorCycle(p.youngest->father));
}

// Entering a parent box: every man (woman) of the tree, sorted, into it.
void EnteringAParentBox(benchmark::State& state)
{
    Program& p = program();
    for (auto _ : state)
        p.main.editor.fillFatherCombo();
}

void WholeBasicPage(benchmark::State& state)
{
    Program& p = program();
    for (auto _ : state) {
        PersonEditor::ShowingPerson showing(p.main.editor);
        p.main.editor.showBasicPage();
    }
}

} // namespace

BENCHMARK(PartnerArea)->Unit(benchmark::kMillisecond);
BENCHMARK(ChildrenAndSiblingLists)->Unit(benchmark::kMillisecond);
BENCHMARK(CycleTestOfANewParent)->Unit(benchmark::kMillisecond);
BENCHMARK(EnteringAParentBox)->Unit(benchmark::kMillisecond);
BENCHMARK(WholeBasicPage)->Unit(benchmark::kMillisecond);
