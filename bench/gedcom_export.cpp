// gedcom_export IN.rod OUT.ged: opens the tree file as the program opens it, exports it as the
// Export, GED command does and prints "persons=N families=M seconds=S", the seconds of the
// export alone. A developer's tool for checking and measuring the export.
#include "bench/program_run.h"
#include "gedcom/export_writer.h"
#include "model/datum.h"
#include "model/rod.h"
#include "system/datetime.h"
#include "system/exceptions.h"
#include "system/memory_setup.h"

#include <chrono>
#include <cstdio>
#include <filesystem>

int main(int argc, char** argv)
{
    setUpMemory(argv); // as the program takes memory
    if (argc != 3) {
        std::fprintf(stderr, "usage: gedcom_export IN.rod OUT.ged\n");
        return 2;
    }
    const std::string in = std::filesystem::absolute(argv[1]).string();
    const std::string out = std::filesystem::absolute(argv[2]).string();
    int status = 0;
    {
        bench::ProgramRun run;
        Thlavni& main = run.main();
        if (main.openTree(in) != 0 || !main.session.tree()) {
            std::fprintf(stderr, "gedcom_export: %s was not opened\n", in.c_str());
            status = 1;
        } else {
            try {
                const auto start = std::chrono::steady_clock::now();
                const GedcomExportCounts counts = exportGedcom(*main.session.tree(), out, Datum(today()));
                const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
                std::printf("persons=%d families=%d seconds=%.3f\n", counts.persons, counts.families,
                            seconds.count());
            } catch (const Exception& e) {
                std::fprintf(stderr, "gedcom_export: %s\n", e.what());
                status = 1;
            }
            main.closeTreeData();
        }
    }
    return status;
}
