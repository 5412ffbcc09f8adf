// The GEDCOM import of synthetic files of about 10,000, 30,000 and 100,000 persons: a real file
// repeated with its cross-references prefixed per copy, written at run time. The import should
// grow linearly and take well under two seconds at 100,000 persons.
#include "bench/replicated_gedcom.h"
#include "gedcom/import_driver.h"
#include "model/rod.h"
#include "system/fileio.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr const char* sourceFile = KINVELOR_SHARED_DIR "/gedcom/royal92.ged";

std::string syntheticPath(int persons)
{
    const std::string path =
        (std::filesystem::temp_directory_path() / ("kinvelor_bench_" + std::to_string(persons) + ".ged"))
            .string();
    writeFileAtomic(path, bench::syntheticFile(sourceFile, persons), false);
    return path;
}

void BM_ImportGedcom(benchmark::State& state)
{
    const std::string path = syntheticPath(int(state.range(0)));
    int persons = 0;
    for (auto _ : state) {
        Rod tree;
        const ImportResult result = importGedcom(path, tree, ImportOptions{});
        persons = result.persons;
        benchmark::DoNotOptimize(persons);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["persons"] = persons;
    state.counters["peak_MB"] = double(usage.ru_maxrss) / 1024.0;
    std::filesystem::remove(path);
}
BENCHMARK(BM_ImportGedcom)->Arg(10000)->Arg(30000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
