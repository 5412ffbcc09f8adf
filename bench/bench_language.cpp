// A first start without a language file: every text of the windows is looked up once. Looked up
// one by one, each lookup rewrites the language file and the missing-key log; a language load
// makes them in one batch. The whole run must stay well under half a second.
#include "app/program_windows.h"
#include "model/language_file.h"
#include "system/codec.h"
#include "system/command_line.h"
#include "system/programfolder.h"
#include "toolkit/scripted_runner.h"
#include "toolkit/useractions.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

// Looks up `keys` window texts in a fresh program folder, each missing; in one batch or one by one.
static void firstStart(benchmark::State& state, bool batched)
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
        {
            std::unique_ptr<LanguageFile::Batch> batch;
            if (batched)
                batch = std::make_unique<LanguageFile::Batch>(lang);
            for (int i = 0; i < keys; ++i) {
                const std::string section = "kartaOkno" + std::to_string(i % 40);
                const std::string key = "popisekOvladaciPrvek" + std::to_string(i);
                benchmark::DoNotOptimize(
                    lang.langText(section, key, "Výchozí český text číslo " + std::to_string(i)));
            }
        }
        // A second pass finds every key: only in-memory searches.
        for (int i = 0; i < keys; ++i)
            benchmark::DoNotOptimize(lang.langText("kartaOkno" + std::to_string(i % 40),
                                                   "popisekOvladaciPrvek" + std::to_string(i), "x"));
    }
    fs::remove_all(root);
}

static void FirstStartWithoutLanguageFile(benchmark::State& state)
{
    firstStart(state, false);
}
BENCHMARK(FirstStartWithoutLanguageFile)->Arg(600)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same lookups in one batch, as a language load makes them: the file and the log are each
// written once at its end.
static void FirstStartInOneBatch(benchmark::State& state)
{
    firstStart(state, true);
}
BENCHMARK(FirstStartInOneBatch)->Arg(600)->Arg(1500)->Unit(benchmark::kMillisecond)->Iterations(3);

// The program itself: every window made as at start, then the first activation in a program
// folder without a language file (every window text looked up and written back), and a switch
// to a complete language file (every text looked up again, nothing written).
namespace {

struct Program {
    explicit Program(const fs::path& root)
    {
        Application.reset();
        Application.Title = "Kinvelor";
        Application.setRunner(&runner);
        fs::remove_all(root);
        fs::create_directories(root);
        setProgramFolder(root.string() + "/");
        setCommandLine({(root / "kinvelor").string()});
        writeCp1250Lines((root / "kinvelor.ini").string(), {"[start]", "tip=0"});
        windows = std::make_unique<ProgramWindows>();
        windows->hlavni.layout().Visible = true;
    }
    ~Program()
    {
        windows.reset();
        Application.reset();
        setProgramFolder("");
    }
    ScriptedRunner runner;
    std::unique_ptr<ProgramWindows> windows;
};

} // namespace

static void ProgramFirstStartWithoutLanguageFile(benchmark::State& state)
{
    const fs::path root = fs::temp_directory_path() / ("kv_bench_start_" + std::to_string(::getpid()));
    for (auto _ : state) {
        state.PauseTiming();
        {
            Program program(root);
            state.ResumeTiming();
            user::activate(program.windows->hlavni.layout());
            state.PauseTiming();
        }
        state.ResumeTiming();
    }
    fs::remove_all(root);
}
BENCHMARK(ProgramFirstStartWithoutLanguageFile)->Unit(benchmark::kMillisecond)->Iterations(5);

static void ProgramLanguageSwitch(benchmark::State& state)
{
    const fs::path root = fs::temp_directory_path() / ("kv_bench_switch_" + std::to_string(::getpid()));
    Program program(root);
    Thlavni& main = program.windows->hlavni;
    user::activate(main.layout());
    // A second language with every key the first start wrote.
    const std::string lang = languageFolder(root.string() + "/");
    std::vector<std::string> lines = readCp1250Lines(lang + "cestina.lan");
    lines.insert(lines.begin(), {"[info]", "jazyk=Jiný"});
    writeCp1250Lines(lang + "jiny.lan", lines);
    bool other = false;
    for (auto _ : state) {
        other = !other;
        main.settings.languageFileName = other ? "jiny.lan" : "cestina.lan";
        main.loadLanguage();
    }
    fs::remove_all(root);
}
BENCHMARK(ProgramLanguageSwitch)->Unit(benchmark::kMillisecond)->Iterations(10);
