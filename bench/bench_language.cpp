// A first start without a language file: every text of the windows is looked up once, and
// each lookup rewrites the language file and the missing-key log. The whole run must stay
// well under a second.
#include "model/language_file.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

static void FirstStartWithoutLanguageFile(benchmark::State& state)
{
    const int keys = static_cast<int>(state.range(0));
    const fs::path root = fs::temp_directory_path() / ("kv_bench_lang_" + std::to_string(::getpid()));
    const std::string program = root.string() + "/";
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(root);
        fs::create_directories(root / "data" / "lang");
        state.ResumeTiming();

        LanguageFile lang(languageFolder(program) + "cestina.lan", missingKeyLogPath(program));
        lang.load();
        for (int i = 0; i < keys; ++i) {
            const std::string section = "kartaOkno" + std::to_string(i % 40);
            const std::string key = "popisekOvladaciPrvek" + std::to_string(i);
            benchmark::DoNotOptimize(lang.langText(section, key, "Výchozí český text číslo " + std::to_string(i)));
        }
        // A second pass finds every key: only in-memory searches.
        for (int i = 0; i < keys; ++i)
            benchmark::DoNotOptimize(lang.langText("kartaOkno" + std::to_string(i % 40),
                                                   "popisekOvladaciPrvek" + std::to_string(i), "x"));
    }
    fs::remove_all(root);
}
BENCHMARK(FirstStartWithoutLanguageFile)->Arg(600)->Unit(benchmark::kMillisecond)->Iterations(3);
