// The developer's tool that measures what a person waits for with a big tree:
//   tree_roundtrip [--read-damaged] IN.rod [OUT.rod]
// opens IN as the program opens a tree (the working folder claimed below a program folder of
// its own, the companion folder's media fetched, the person list built and sorted; no window is
// shown) and saves it as Save does (over IN) or as Save As does (to OUT), then prints
//   persons=N load_seconds=L save_seconds=S peak_rss_kib=R
// With --read-damaged a damaged IN is opened as far as it can be read (the answer Yes to
// "Otevřít z něj, co lze přečíst?"), and every message the program shows goes to stderr.
// Not a feature of the program.
#include "bench/program_run.h"
#include "model/rod.h"
#include "system/memory_setup.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/resource.h>

namespace fs = std::filesystem;

namespace {

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

long peakRssKib()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss; // KiB on Linux
}

} // namespace

int main(int argc, char** argv)
{
    setUpMemory(argv); // as the program takes memory
    const bool readDamaged = argc > 1 && std::string(argv[1]) == "--read-damaged";
    const int first = readDamaged ? 2 : 1;
    if (argc < first + 1 || argc > first + 2) {
        std::fprintf(stderr, "usage: tree_roundtrip [--read-damaged] IN.rod [OUT.rod]\n");
        return 2;
    }
    const std::string in = fs::absolute(argv[first]).string();
    const std::string out = argc == first + 2 ? fs::absolute(argv[first + 1]).string() : in;

    int status = 0;
    {
        // The working folder claimed below a program folder of its own, as a started program
        // claims it.
        bench::ProgramRun run(bench::ProgramRun::Working::Claimed);
        Thlavni& main = run.main();
        if (readDamaged)
            run.script().press("Kinvelor", "anoBT");
        // What the person would read, for a tool run by hand.
        const auto tellMessages = [&] {
            if (readDamaged)
                for (const std::string& text : run.script().messageTexts())
                    std::fprintf(stderr, "message: %s\n", text.c_str());
            run.script().clearRecords();
        };

        const auto loadStart = std::chrono::steady_clock::now();
        const int refused = main.openTree(in);
        const double loadSeconds = secondsSince(loadStart);
        tellMessages();
        if (refused || !main.session.tree()) {
            std::fprintf(stderr, "tree_roundtrip: %s could not be opened\n", in.c_str());
            status = 1;
        } else {
            const int persons = main.session.tree()->personCount();
            const auto saveStart = std::chrono::steady_clock::now();
            // Save As, once its dialog has given the name.
            main.session.tree()->fileName = out;
            const bool saved = main.saveTree();
            const double saveSeconds = secondsSince(saveStart);
            tellMessages();
            if (!saved) {
                std::fprintf(stderr, "tree_roundtrip: %s could not be saved\n", out.c_str());
                status = 1;
            }
            std::printf("persons=%d load_seconds=%.3f save_seconds=%.3f peak_rss_kib=%ld\n", persons,
                        loadSeconds, saveSeconds, peakRssKib());
            std::fflush(stdout);
        }
        // The process ends here: freeing the tree is not what the figures are about.
        run.removeFolder();
        std::_Exit(status);
    }
}
