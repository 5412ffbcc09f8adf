// The web export of trees of 2,500 to 10,000 persons, against writing the same files' bytes with
// one plain write per file: the export must be bound by writing files and grow about linearly.
#include "bench/tree_builder.h"
#include "bench/web_export_site.h"
#include "storage/tree_writer.h"
#include "system/fileio.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>

namespace {

namespace fs = std::filesystem;

struct Site {
    std::unique_ptr<bench::WebExportRun> run;
    std::string root;
    ~Site()
    {
        std::error_code ec;
        if (!root.empty())
            fs::remove_all(root, ec);
    }
};

Site& siteOf(int persons)
{
    static std::map<int, Site> sites;
    Site& s = sites[persons];
    if (!s.run) {
        s.run = std::make_unique<bench::WebExportRun>();
        // Outside the program folder, where a tree file may have its companion folder.
        s.root = (fs::temp_directory_path() /
                  ("kinvelor-web-out-" + std::to_string(getpid()) + "-" + std::to_string(persons)))
                     .string() +
                 "/";
        fs::create_directories(s.root + "save");
        const std::string file = s.root + "save/strom.rod";
        {
            Rod tree(file);
            bench::TreeBuilder(tree, 7).build(persons);
            TreeFileEnvironment env = s.run->main().session.fileEnvironment();
            const SaveResult saved = saveTreeFile(tree, tree.firstPerson, env);
            if (!saved)
                std::fprintf(stderr, "not saved: %s\n", saved.error.c_str());
        }
        const std::string told = s.run->open(file);
        if (!told.empty())
            std::fprintf(stderr, "%s\n", told.c_str());
    }
    return s;
}

void BM_WebExport(benchmark::State& state)
{
    Site& s = siteOf(int(state.range(0)));
    int pages = 0;
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(s.root + "site");
        fs::create_directories(s.root + "site");
        state.ResumeTiming();
        pages = s.run->write(s.root + "site/");
    }
    state.counters["pages"] = pages;
    state.counters["pages_per_s"] =
        benchmark::Counter(double(pages) * double(state.iterations()), benchmark::Counter::kIsRate);
}

// The files of the site just written: their paths below the site and their bytes.
std::vector<std::pair<std::string, std::string>> siteFiles(Site& s)
{
    fs::remove_all(s.root + "site");
    fs::create_directories(s.root + "site");
    s.run->write(s.root + "site/");
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& e : fs::recursive_directory_iterator(s.root + "site"))
        if (e.is_regular_file()) {
            std::ifstream in(e.path(), std::ios::binary);
            std::stringstream bytes;
            bytes << in.rdbuf();
            files.emplace_back(fs::relative(e.path(), s.root + "site").string(), bytes.str());
        }
    return files;
}

// The copy's folder emptied, with the site's subfolders, while the clock stands.
void emptyCopyOutsideTheTiming(benchmark::State& state, Site& s)
{
    state.PauseTiming();
    fs::remove_all(s.root + "copy");
    for (const char* sub : {"osoby/img", "svatby"})
        fs::create_directories(s.root + "copy/" + sub);
    state.ResumeTiming();
}

// The floor: the bytes of the site just written, one open, write and close per file.
void BM_WebExportSameBytesPlainWrites(benchmark::State& state)
{
    Site& s = siteOf(int(state.range(0)));
    const auto files = siteFiles(s);
    for (auto _ : state) {
        emptyCopyOutsideTheTiming(state, s);
        for (const auto& [name, bytes] : files) {
            const int fd = ::open((s.root + "copy/" + name).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != ssize_t(bytes.size()))
                state.SkipWithError("write failed");
            ::close(fd);
        }
    }
    state.counters["pages"] = double(files.size());
}

// The same bytes, each file replacing its target whole (a temporary file renamed over it) as
// every file of the program does, without waiting for the disk: what the export cannot go below.
void BM_WebExportSameBytesReplacedWhole(benchmark::State& state)
{
    Site& s = siteOf(int(state.range(0)));
    const auto files = siteFiles(s);
    for (auto _ : state) {
        emptyCopyOutsideTheTiming(state, s);
        for (const auto& [name, bytes] : files)
            writeFileAtomic(s.root + "copy/" + name, bytes, false);
    }
    state.counters["pages"] = double(files.size());
}

} // namespace

BENCHMARK(BM_WebExport)->Arg(2500)->Arg(5000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WebExportSameBytesPlainWrites)
    ->Arg(2500)
    ->Arg(5000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_WebExportSameBytesReplacedWhole)
    ->Arg(2500)
    ->Arg(5000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
