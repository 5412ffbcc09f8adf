// gedcom_export IN.rod OUT.ged: opens the tree file as the program opens it, exports it as the
// Export, GED command does and prints "persons=N families=M seconds=S", the seconds of the
// export alone. A developer's tool for checking and measuring the export.
#include "app/program_windows.h"
#include "gedcom/export_writer.h"
#include "model/datum.h"
#include "model/rod.h"
#include "platform/application.h"
#include "platform/collation.h"
#include "platform/datetime.h"
#include "platform/exceptions.h"
#include "platform/scripted_runner.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: gedcom_export IN.rod OUT.ged\n");
        return 2;
    }
    const std::string in = std::filesystem::absolute(argv[1]).string();
    const std::string out = std::filesystem::absolute(argv[2]).string();
    // The program's folders in a temporary place, so no settings or working copies of a real
    // installation are touched.
    const std::string folder =
        (std::filesystem::temp_directory_path() / ("kinvelor-export-" + std::to_string(getpid()))).string() + "/";
    std::filesystem::create_directories(folder);
    int status = 0;
    {
        Application.reset();
        setCollationLocale("cs");
        ScriptedRunner script;
        auto windows = std::make_unique<ProgramWindows>();
        Thlavni& main = windows->hlavni;
        main.programFolder = folder;
        main.workingFolder = folder + "temp/";
        main.resetWorkingFolder();
        if (main.openTree(in) != 0 || !main.tree) {
            std::fprintf(stderr, "gedcom_export: %s was not opened\n", in.c_str());
            status = 1;
        } else {
            try {
                const auto start = std::chrono::steady_clock::now();
                const GedcomExportCounts counts = exportGedcom(*main.tree, out, Datum(today()));
                const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
                std::printf("persons=%d families=%d seconds=%.3f\n", counts.persons, counts.families, seconds.count());
            } catch (const Exception& e) {
                std::fprintf(stderr, "gedcom_export: %s\n", e.what());
                status = 1;
            }
            main.closeTreeData();
        }
    }
    std::filesystem::remove_all(folder);
    return status;
}
