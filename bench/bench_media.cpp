// What a person waits for on the further-data page and in the photo pool of a 100,000-person
// tree: entering a godparent box (every other person offered, sorted), and opening the pool of
// 2,000 photos and clicking one (the pool sorted by year, the persons using it found).
#include "app/main_window.h"
#include "bench/main_window.h"
#include "bench/tree_parts.h"
#include "editor/media_pool.h"
#include "forms/vyber_fotek_form.h"
#include "model/clovek.h"
#include "model/rod.h"
#include "system/collation.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>

namespace {

constexpr int kPersons = 100000;
constexpr int kPhotos = 2000;

// A tree of kPersons persons, each linked to one of kPhotos photos with a year.
void fillTree(Thlavni& main)
{
    bench::newTreeIn(main);
    std::mt19937 rng(7);
    for (int i = 0; i < kPhotos; ++i) {
        auto* photo = new Fotka(i);
        photo->name = "Fotka " + std::to_string(rng() % 500);
        photo->year = std::to_string(1850 + rng() % 170);
        main.session.tree()->photoStore.append(std::make_unique<UkFotka>(photo));
    }
    for (int i = 0; i < kPersons; ++i) {
        auto pOwned = std::make_unique<Clovek>();
        Clovek* p = pOwned.get();
        p->firstName = rng() % 2 ? "Jan" : "Marie";
        p->surname = "Novák" + std::to_string(rng() % 3000);
        p->photos.append(
            std::make_unique<UkFotka>(main.session.tree()->findPhoto(static_cast<int>(rng() % kPhotos))));
        bench::appendNumbered(*main.session.tree(), std::move(pOwned), i);
    }
    main.editor.currentPerson = main.session.tree()->firstPerson;
}

void GodparentBoxEntered(benchmark::State& state)
{
    Thlavni main;
    fillTree(main);
    TComboBox& box = main.layout().dalsiSheet.kmotr1CB;
    for (auto _ : state) {
        box.OnEnter();
        benchmark::DoNotOptimize(box.Items.Count());
    }
}
BENCHMARK(GodparentBoxEntered)->Unit(benchmark::kMillisecond);

void PhotoPoolOpenedAndClicked(benchmark::State& state)
{
    Thlavni main;
    TvyberFotekFORM window;
    fillTree(main);
    main.layout().fotkySheet.seradFotoRADIO.setItemIndex(1);
    for (auto _ : state) {
        MediaPool pool(main.editor, MediaKind::Photo);
        pool.fillPoolList();
        pool.fillPersonList();
        pool.fillUsersList();
        window.fotkyLIST.setItemIndex(kPhotos / 2);
        pool.poolClick();
        benchmark::DoNotOptimize(window.osobyFotkyLIST.Items.Count());
    }
}
BENCHMARK(PhotoPoolOpenedAndClicked)->Unit(benchmark::kMillisecond);

} // namespace
