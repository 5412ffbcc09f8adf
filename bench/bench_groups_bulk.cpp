// Groups and the bulk commands on big trees, each as one command a person waits for: deleting
// every tenth person, filling a field of every person (through a group of all and through the
// all-persons entry), and filling the lists of the group manager and of the bulk-delete window
// (with the ancestors button on a group of a tenth of the tree). Run for 10,000 and 100,000
// persons; the times should grow about tenfold.
#include "app/main_window.h"
#include "bench/main_window.h"
#include "bench/tree_builder.h"
#include "editor/group_windows.h"
#include "forms/hromadne_mazani_form.h"
#include "forms/spravce_skupin_form.h"
#include "model/bulk_fill.h"
#include "model/group.h"
#include "model/prev_next.h"
#include "model/uk_clovek.h"
#include "shell/list_display.h"
#include "shell/mark_check_list.h"
#include "shell/scroll.h"
#include "system/collation.h"
#include "toolkit/useractions.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A main window over a made-up tree with its list, visit history and one group of every
// `step`-th person of the chain.
struct Setup {
    Thlavni main;
    Group* group = nullptr;

    Setup(int persons, int step)
    {
        setCollationLocale("cs");
        main.session.adopt(bench::makeTree(persons, true));
        main.session.tree()->attachEditor(&main.editor);
        main.history = std::make_unique<PrevNext>();
        bench::listEveryPerson(main, 40).sort(PersonSortKey::byName);
        group = main.session.tree()->groups.append(std::make_unique<Group>("skupina"));
        int i = 0;
        main.session.tree()->forEachPerson([&](Clovek* p) {
            if (i++ % step == 0)
                group->addMember(p);
        });
    }
    ~Setup() { main.personList.dropView(); }
};

void BulkDeleteTenth(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto s = std::make_unique<Setup>(int(state.range(0)), 10);
        s->main.session.tree()->clearMarks();
        for (UkGrClovek* m : s->group->members.items<UkGrClovek>())
            m->person()->mark = 1;
        state.ResumeTiming();
        s->main.editor.deleteMarkedPersons();
        state.PauseTiming();
        s.reset();
        state.ResumeTiming();
    }
}

void BulkFillEveryone(benchmark::State& state)
{
    Setup s(int(state.range(0)), 1);
    for (auto _ : state) {
        bulkFill(*s.main.session.tree(), s.group, BulkField::residence, "Praha");
        bulkFill(*s.main.session.tree(), nullptr, BulkField::birthPlace, "Brno");
    }
}

void GroupWindowLists(benchmark::State& state)
{
    TspravceSkupinFORM manager;
    ThromadneMazaniFORM bulkDelete;
    Setup s(int(state.range(0)), 10);
    for (auto _ : state) {
        s.main.editor.selectManagedGroup("skupina");
        GroupManager(s.main.editor).addRelatives(&Rod::markAncestors);
        s.main.session.tree()->clearMarks();
        fillMarkCheckList(bulkDelete.osobyLIST, *s.main.session.tree(), ListDisplay(s.main.settings));
    }
}

} // namespace

// One tick in the manager's member list of every person: the member added or removed at once.
void GroupMemberTick(benchmark::State& state)
{
    TspravceSkupinFORM manager;
    Setup s(int(state.range(0)), 10);
    manager.Visible = true; // a person acts only on a window on the screen
    GroupManager::bind(s.main.editor);
    s.main.editor.selectManagedGroup("skupina");
    for (auto _ : state)
        user::tick(manager.clenoveLIST, 0);
}

BENCHMARK(BulkDeleteTenth)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BulkFillEveryone)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(GroupWindowLists)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(GroupMemberTick)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(4);
