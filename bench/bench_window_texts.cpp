// The language load of the whole program: every window made as at start, then every window
// text looked up and applied. The first start (no language file: every key is written back)
// and a switch to a language that holds every key must each stay under half a second.
#include "app/program_windows.h"
#include "model/language_file.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

fs::path benchFolder()
{
    return fs::temp_directory_path() / ("kv_bench_texts_" + std::to_string(::getpid()));
}

} // namespace

static void FirstStartAppliesEveryWindowText(benchmark::State& state)
{
    const fs::path root = benchFolder();
    ProgramWindows windows;
    windows.hlavni.programFolder = root.string() + "/";
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(root);
        fs::create_directories(root / "data" / "lang");
        state.ResumeTiming();
        windows.hlavni.loadLanguage();
    }
    fs::remove_all(root);
}
BENCHMARK(FirstStartAppliesEveryWindowText)->Unit(benchmark::kMillisecond)->Iterations(5);

static void LanguageSwitchAppliesEveryWindowText(benchmark::State& state)
{
    const fs::path root = benchFolder();
    fs::remove_all(root);
    fs::create_directories(root / "data" / "lang");
    ProgramWindows windows;
    windows.hlavni.programFolder = root.string() + "/";
    windows.hlavni.loadLanguage(); // writes every key
    for (auto _ : state)
        windows.hlavni.loadLanguage();
    fs::remove_all(root);
}
BENCHMARK(LanguageSwitchAppliesEveryWindowText)->Unit(benchmark::kMillisecond)->Iterations(5);
