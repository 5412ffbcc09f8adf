// The GEDCOM import of synthetic files of about 10,000, 30,000 and 100,000 persons: a real file
// repeated with its cross-references prefixed per copy, written at run time. The import should
// grow linearly and take well under two seconds at 100,000 persons.
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

// Every "@id@" of the line becomes "@<prefix>id@".
void appendPrefixed(std::string& out, std::string_view line, const std::string& prefix)
{
    size_t i = 0;
    while (i < line.size()) {
        const size_t at = line.find('@', i);
        if (at == std::string_view::npos) {
            out.append(line.substr(i));
            break;
        }
        const size_t close = line.find('@', at + 1);
        const bool xref = close != std::string_view::npos && close > at + 1 &&
                          line.substr(at + 1, close - at - 1).find(' ') == std::string_view::npos;
        out.append(line.substr(i, at + 1 - i));
        if (xref)
            out += prefix;
        i = at + 1;
        if (xref) {
            out.append(line.substr(i, close + 1 - i));
            i = close + 1;
        }
    }
    out += '\n';
}

// The header of the real file once, its records as often as it takes, one trailer.
std::string syntheticFile(int persons)
{
    const std::string real = readFileBytes(sourceFile);
    std::vector<std::string_view> lines;
    for (size_t start = 0; start < real.size();) {
        size_t end = real.find('\n', start);
        if (end == std::string::npos)
            end = real.size();
        lines.push_back(std::string_view(real).substr(start, end - start));
        start = end + 1;
    }
    size_t firstRecord = 1;
    while (firstRecord < lines.size() && lines[firstRecord].substr(0, 1) != "0")
        ++firstRecord;
    size_t trailer = lines.size();
    while (trailer > 0 && lines[trailer - 1].substr(0, 6) != "0 TRLR")
        --trailer;
    int perCopy = 0;
    for (size_t i = firstRecord; i + 1 < trailer; ++i)
        if (lines[i].size() > 5 && lines[i].substr(lines[i].size() - 5) == " INDI")
            ++perCopy;
    std::string out;
    for (size_t i = 0; i < firstRecord; ++i)
        (out += lines[i]) += '\n';
    for (int copy = 0; copy * perCopy < persons; ++copy) {
        const std::string prefix = "C" + std::to_string(copy) + "_";
        for (size_t i = firstRecord; i + 1 < trailer; ++i)
            appendPrefixed(out, lines[i], prefix);
    }
    out += "0 TRLR\n";
    return out;
}

std::string syntheticPath(int persons)
{
    const std::string path =
        (std::filesystem::temp_directory_path() / ("kinvelor_bench_" + std::to_string(persons) + ".ged"))
            .string();
    writeFileAtomic(path, syntheticFile(persons), false);
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
