// What a person waits for with a big tree: a freshly started process (tree_roundtrip) opens a
// realistic tree file of 10,000, 100,000 or 1,000,000 persons (written by make_tree_file) as the program
// opens it, and saves it as Save does. Time is the process's whole wall time; the counters are
// its own measures of the open and the save and its peak resident memory.
// FreshSaveOfManyPartnerships compares a realistic tree of 200,000 persons with one man of
// 200,000 wives (make_tree_file --partners): the save of the second must not take longer for
// the one list that holds them all.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;

namespace {

// The folder this benchmark's program lies in, where the tools are built beside it.
fs::path toolFolder()
{
    return fs::read_symlink("/proc/self/exe").parent_path();
}

// Runs the tool with the arguments (no shell) and answers its standard output; empty when it
// could not be started or failed.
std::string run(const std::vector<std::string>& args)
{
    int out[2];
    if (::pipe(out) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid;
    const int started = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    std::string text;
    char buffer[4096];
    ssize_t n;
    while (started == 0 && (n = ::read(out[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, size_t(n));
    ::close(out[0]);
    int status = 0;
    if (started != 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {};
    return text;
}

// "a=1 b=2.5" as numbers by name.
std::map<std::string, double> fields(const std::string& line)
{
    std::map<std::string, double> values;
    size_t at = 0;
    while (at < line.size()) {
        const size_t end = std::min(line.find_first_of(" \n", at), line.size());
        const std::string item = line.substr(at, end - at);
        if (const size_t eq = item.find('='); eq != std::string::npos)
            values[item.substr(0, eq)] = std::stod(item.substr(eq + 1));
        at = end + 1;
    }
    return values;
}

// Opens and saves `tree` in a fresh tree_roundtrip process per iteration; the last one's figures.
std::map<std::string, double> roundTrips(benchmark::State& state, const fs::path& tools,
                                         const std::string& tree, const std::string& copy)
{
    std::map<std::string, double> last;
    for (auto _ : state) {
        const std::string line = run({(tools / "tree_roundtrip").string(), tree, copy});
        if (line.empty()) {
            state.SkipWithError("tree_roundtrip failed");
            break;
        }
        last = fields(line);
    }
    return last;
}

void FreshOpenAndSave(benchmark::State& state)
{
    const int persons = int(state.range(0));
    const fs::path folder = fs::temp_directory_path() / ("kinvelor-fresh-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const std::string tree = (folder / "strom.rod").string();
    const std::string copy = (folder / "kopie.rod").string();
    const fs::path tools = toolFolder();
    if (run({(tools / "make_tree_file").string(), std::to_string(persons), tree}).empty()) {
        state.SkipWithError("make_tree_file failed");
        return;
    }
    std::map<std::string, double> last = roundTrips(state, tools, tree, copy);
    state.counters["load_s"] = last["load_seconds"];
    state.counters["save_s"] = last["save_seconds"];
    state.counters["peak_MiB"] = last["peak_rss_kib"] / 1024;
    state.counters["MiB_per_1000"] = last["peak_rss_kib"] / 1024 / (persons / 1000.0);
    fs::remove_all(folder);
}

// Arg 0: the realistic tree of kManyPersons persons; arg 1: one man with kManyPersons wives.
constexpr int kManyPersons = 200'000;

void FreshSaveOfManyPartnerships(benchmark::State& state)
{
    const bool onePerson = state.range(0) == 1;
    const fs::path folder = fs::temp_directory_path() / ("kinvelor-partners-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const std::string tree = (folder / "strom.rod").string();
    const std::string copy = (folder / "kopie.rod").string();
    const fs::path tools = toolFolder();
    std::vector<std::string> make{(tools / "make_tree_file").string()};
    if (onePerson)
        make.push_back("--partners");
    make.insert(make.end(), {std::to_string(kManyPersons), tree});
    if (run(make).empty()) {
        state.SkipWithError("make_tree_file failed");
        return;
    }
    std::map<std::string, double> last = roundTrips(state, tools, tree, copy);
    state.SetLabel(onePerson ? "one person, 200,000 partnerships" : "200,000 persons");
    state.counters["persons"] = last["persons"];
    state.counters["load_s"] = last["load_seconds"];
    state.counters["save_s"] = last["save_seconds"];
    fs::remove_all(folder);
}

} // namespace

BENCHMARK(FreshSaveOfManyPartnerships)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);
BENCHMARK(FreshOpenAndSave)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);
