// The statistics report, the statistics tables and the GEDCOM export of trees of 10,000 and
// 100,000 persons. The report and the export of the larger tree must each stay well under a
// second and grow about tenfold from the smaller one.
#include "bench/default_texts.h"
#include "bench/tree_builder.h"
#include "gedcom/export_writer.h"
#include "model/datum.h"
#include "model/display_settings.h"
#include "model/text_source.h"
#include "reports/statistics_report.h"
#include "reports/statistics_tables.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <memory>
#include <unistd.h>

namespace {

Rod& treeOf(int persons)
{
    static std::map<int, std::unique_ptr<Rod>> trees;
    auto& tree = trees[persons];
    if (!tree) {
        tree = std::make_unique<Rod>();
        bench::buildFamilies(*tree, persons);
        bench::addLifeDetails(*tree);
    }
    return *tree;
}

const Datum kToday("9", "12", "2026");

void BM_StatisticsReport(benchmark::State& state)
{
    Rod& tree = treeOf(int(state.range(0)));
    bench::DefaultTexts texts;
    FixedDisplaySettings display;
    for (auto _ : state)
        benchmark::DoNotOptimize(treeStatisticsLines(tree, texts, display, kToday));
    state.counters["persons"] = tree.personCount();
}

void BM_StatisticsTables(benchmark::State& state)
{
    Rod& tree = treeOf(int(state.range(0)));
    bench::DefaultTexts texts;
    for (auto _ : state)
        benchmark::DoNotOptimize(statisticsTablesLines(tree, texts));
}

// Building the file's bytes, and the whole command's work with the write to disk.
void BM_GedcomExportBytes(benchmark::State& state)
{
    Rod& tree = treeOf(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(gedcomExportBytes(tree, "velky.ged", kToday));
}

void BM_GedcomExportFile(benchmark::State& state)
{
    Rod& tree = treeOf(int(state.range(0)));
    const std::string path =
        (std::filesystem::temp_directory_path() / ("kinvelor-bench-" + std::to_string(getpid()) + ".ged"))
            .string();
    for (auto _ : state)
        exportGedcom(tree, path, kToday);
    std::filesystem::remove(path);
}

} // namespace

BENCHMARK(BM_StatisticsReport)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StatisticsTables)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GedcomExportBytes)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GedcomExportFile)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
