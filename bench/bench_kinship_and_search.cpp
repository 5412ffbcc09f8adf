// The queries the person editor and the search and anniversaries windows run on the whole tree
// or around one person, on trees of 10,000 and 100,000 persons: each stays well under 100 ms and
// grows no faster than the tree.
#include "bench/default_texts.h"
#include "bench/tree_builder.h"
#include "model/casove_obdobi.h"
#include "model/clovek.h"
#include "model/datum.h"
#include "model/display_settings.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "model/text_source.h"
#include "model/uk_clovek.h"
#include "shell/person_search.h"
#include "system/collation.h"
#include "system/datetime.h"
#include "system/stringlist.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <random>
#include <string>

namespace {

// The places, titles, life periods, deaths and weddings that the made-up tree lacks: about one
// place for every ten persons, so the value lists grow with the tree.
void addTextsAndDates(Rod& tree, int seed)
{
    std::mt19937 rng(seed);
    const int places = std::max(10, tree.personCount() / 10);
    auto place = [&] { return "Obec " + std::to_string(rng() % places) + (rng() % 7 ? "" : " nad Vltavou"); };
    auto day = [&] { return std::to_string(1 + rng() % 28); };
    auto month = [&] { return std::to_string(1 + rng() % 12); };
    const char* titles[] = {"", "", "", "", "Ing.", "MUDr.", "Mgr. et Mgr.", "JUDr."};
    const char* causes[] = {"", "", "nehoda", "tuberkulóza", "stáří", "Tuberkulóza"};
    tree.forEachPerson([&](Clovek* p) {
        p->birthPlace = place();
        p->titlesBefore = titles[rng() % 8];
        p->residences.append(std::make_unique<CasoveObdobi>(place()));
        if (rng() % 2)
            p->occupations.append(std::make_unique<CasoveObdobi>("Řemeslo " + std::to_string(rng() % 400)));
        if (p->birth.year != "?" && std::stoi(p->birth.year) < 1950) {
            p->alive = 0;
            p->death = Datum(day(), month(), std::to_string(std::stoi(p->birth.year) + 30 + int(rng() % 50)));
            p->deathPlace = place();
            p->burial = place();
            p->deathCause = causes[rng() % 6];
        }
        for (UkSvatba* e : p->partnerships.items<UkSvatba>()) {
            Svatba* s = e->partnership;
            if (s->partner1 != p)
                continue;
            s->place = place();
            s->officiant = "farář " + std::to_string(rng() % 200);
            s->witnesses = "svědek " + std::to_string(rng() % 1000);
            if (p->birth.year != "?")
                s->wedding = Datum(day(), month(), std::to_string(std::stoi(p->birth.year) + 22));
        }
    });
}

struct Fixture {
    std::unique_ptr<Rod> tree;
    Clovek* bigFather = nullptr; // the father of five thousand
    Clovek* bigChild = nullptr; // one of his children
    Clovek* grandchild = nullptr; // a person of the generations with parents and grandparents
};

Fixture& fixture(int persons)
{
    static std::map<int, Fixture> made;
    Fixture& f = made[persons];
    if (!f.tree) {
        setCollationLocale("cs");
        f.tree = bench::makeTree(persons, true);
        addTextsAndDates(*f.tree, 5);
        f.tree->forEachPerson([&](Clovek* p) {
            if (!f.bigFather || p->children.count() > f.bigFather->children.count())
                f.bigFather = p;
            if (!f.grandchild && p->father && p->father->father && p->mother && p->mother->mother)
                f.grandchild = p;
        });
        f.bigChild = f.bigFather->children.items<UkClovek>().begin().operator*()->person();
    }
    return f;
}

const FixedDisplaySettings kSettings(false, true);

void BM_BuildTree(benchmark::State& state)
{
    for (auto _ : state) {
        auto tree = bench::makeTree(int(state.range(0)), true);
        addTextsAndDates(*tree, 5);
        benchmark::DoNotOptimize(tree->personCount());
        state.PauseTiming();
        tree.reset();
        state.ResumeTiming();
    }
}

using BaseQuery = void (Rod::*)(TStringList&, const Clovek*, bool, const DisplaySettings&) const;
using CompositeQuery = void (Rod::*)(TStringList&, const Clovek*, const DisplaySettings&) const;

// One query for the father of five thousand, one of his children and a person with two
// generations above: the figure is the three together.
template<class Query> void runKinship(benchmark::State& state, Query query)
{
    Fixture& f = fixture(int(state.range(0)));
    TStringList list;
    int lines = 0;
    for (auto _ : state) {
        lines = 0;
        for (const Clovek* p : {f.bigFather, f.bigChild, f.grandchild}) {
            if constexpr (std::is_same_v<Query, BaseQuery>)
                (f.tree.get()->*query)(list, p, true, kSettings);
            else
                (f.tree.get()->*query)(list, p, kSettings);
            lines += list.Count();
        }
    }
    state.counters["lines"] = lines;
}

void BM_ValueList(benchmark::State& state, void (Rod::*fill)(TStringList&) const, bool sorted)
{
    Fixture& f = fixture(int(state.range(0)));
    TStringList list;
    list.setSorted(sorted);
    for (auto _ : state)
        (f.tree.get()->*fill)(list);
    state.counters["items"] = list.Count();
}

void BM_DeathCauses(benchmark::State& state)
{
    Fixture& f = fixture(int(state.range(0)));
    TStringList list;
    bench::DefaultTexts texts;
    for (auto _ : state)
        f.tree->distinctDeathCauses(list, texts);
    state.counters["items"] = list.Count();
}

void BM_OtherPersons(benchmark::State& state)
{
    Fixture& f = fixture(int(state.range(0)));
    TStringList list;
    for (auto _ : state)
        f.tree->listOtherPersons(list, f.bigChild, kSettings);
    state.counters["items"] = list.Count();
}

// March of the year 2000, as the anniversaries window's sorted list receives it (second
// argument 1) or into a plain list (0).
void BM_AnniversariesOfMonth(benchmark::State& state)
{
    Fixture& f = fixture(int(state.range(0)));
    TStringList list;
    list.setSorted(state.range(1) != 0);
    bench::DefaultTexts texts;
    for (auto _ : state)
        f.tree->listAnniversaries(encodeDate(2000, 3, 15), false, list, texts, kSettings);
    state.counters["lines"] = list.Count();
}

void BM_AnniversariesOfDay(benchmark::State& state)
{
    Fixture& f = fixture(int(state.range(0)));
    TStringList list;
    list.setSorted(true);
    bench::DefaultTexts texts;
    for (auto _ : state)
        f.tree->listAnniversaries(encodeDate(2000, 3, 15), true, list, texts, kSettings);
    state.counters["lines"] = list.Count();
}

TextSearchFields allTextFields()
{
    TextSearchFields f;
    for (bool* b : {&f.firstName, &f.surname, &f.birthSurname, &f.titles, &f.birthPlace, &f.deathPlace,
                    &f.burialPlace, &f.deathCause, &f.weddingPlace, &f.officiant, &f.witnesses, &f.residences,
                    &f.educations, &f.occupations})
        *b = true;
    return f;
}

// A needle found nowhere (every field of every person read to its end) and one found in about
// one person of a hundred.
void BM_TextSearchAllFields(benchmark::State& state)
{
    Fixture& f = fixture(int(state.range(0)));
    const TextSearchFields fields = allTextFields();
    const char* needle = state.range(1) ? "Řemeslo 17" : "nikde není";
    size_t hits = 0;
    for (auto _ : state)
        hits = findPersonsByText(*f.tree, needle, fields).size();
    state.counters["hits"] = double(hits);
}

void BM_DateSearchRangeAllDates(benchmark::State& state)
{
    Fixture& f = fixture(int(state.range(0)));
    DateSearchFields fields{true, true, true, true};
    size_t hits = 0;
    for (auto _ : state)
        hits = findPersonsByDate(*f.tree, Datum("1", "1", "1800"), Datum("31", "12", "1810"),
                                 DateSearchMode::range, fields)
                   .size();
    state.counters["hits"] = double(hits);
}

} // namespace

BENCHMARK(BM_BuildTree)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(2);

#define KINSHIP(query, type)                                                                                 \
    BENCHMARK_CAPTURE(runKinship, query, static_cast<type>(&Rod::query))                                     \
        ->Arg(10000)                                                                                         \
        ->Arg(100000)                                                                                        \
        ->Unit(benchmark::kMillisecond)
KINSHIP(listBrothers, BaseQuery);
KINSHIP(listSisters, BaseQuery);
KINSHIP(listSiblings, BaseQuery);
KINSHIP(listSons, BaseQuery);
KINSHIP(listDaughters, BaseQuery);
KINSHIP(listChildren, BaseQuery);
KINSHIP(listGrandsons, CompositeQuery);
KINSHIP(listGranddaughters, CompositeQuery);
KINSHIP(listGrandchildren, CompositeQuery);
KINSHIP(listGrandfathers, CompositeQuery);
KINSHIP(listGrandmothers, CompositeQuery);
KINSHIP(listGrandparents, CompositeQuery);
KINSHIP(listUncles, BaseQuery);
KINSHIP(listAunts, BaseQuery);
KINSHIP(listUnclesAndAunts, CompositeQuery);
KINSHIP(listMaleCousins, CompositeQuery);
KINSHIP(listFemaleCousins, CompositeQuery);
KINSHIP(listCousins, CompositeQuery);
KINSHIP(listNephews, BaseQuery);
KINSHIP(listNieces, BaseQuery);
KINSHIP(listNephewsAndNieces, BaseQuery);
KINSHIP(listSonsInLaw, BaseQuery);
KINSHIP(listDaughtersInLaw, BaseQuery);
KINSHIP(listChildrenInLaw, BaseQuery);
KINSHIP(listBrothersInLaw, BaseQuery);
KINSHIP(listSistersInLaw, BaseQuery);
KINSHIP(listSiblingsInLaw, BaseQuery);

#define VALUES(fill, sorted)                                                                                 \
    BENCHMARK_CAPTURE(BM_ValueList, fill##_##sorted, &Rod::fill, sorted)                                     \
        ->Arg(10000)                                                                                         \
        ->Arg(100000)                                                                                        \
        ->Unit(benchmark::kMillisecond)
VALUES(distinctFirstNames, false);
VALUES(distinctSurnames, false);
VALUES(distinctTitlesBefore, false);
VALUES(distinctBirthPlaces, false);
VALUES(distinctBirthPlaces, true);
VALUES(distinctBurialPlaces, false);
VALUES(distinctResidences, false);
VALUES(distinctOccupations, false);
VALUES(distinctWeddingPlaces, false);
VALUES(distinctReligions, false);
BENCHMARK(BM_DeathCauses)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OtherPersons)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnniversariesOfMonth)
    ->Args({10000, 0})
    ->Args({100000, 0})
    ->Args({10000, 1})
    ->Args({100000, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnniversariesOfDay)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextSearchAllFields)
    ->Args({10000, 0})
    ->Args({100000, 0})
    ->Args({10000, 1})
    ->Args({100000, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DateSearchRangeAllDates)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
