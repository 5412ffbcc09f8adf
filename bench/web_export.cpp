// web_export IN.rod OUTDIR: opens the tree file and writes its web export with the options
// window's defaults into OUTDIR (made when missing), then prints "pages=N seconds=S".
#include "bench/web_export_site.h"
#include "system/memory_setup.h"

#include <chrono>
#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    setUpMemory(argv); // as the program takes memory
    if (argc != 3) {
        std::fprintf(stderr, "usage: web_export IN.rod OUTDIR\n");
        return 2;
    }
    try {
        const std::string out = std::filesystem::absolute(argv[2]).string();
        std::filesystem::create_directories(out);
        bench::WebExportRun run;
        const std::string told = run.open(std::filesystem::absolute(argv[1]).string());
        if (!told.empty()) {
            std::fprintf(stderr, "web_export: cannot open the tree %s: %s\n", argv[1], told.c_str());
            return 1;
        }
        const auto start = std::chrono::steady_clock::now();
        const int pages = run.write(out);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("pages=%d seconds=%.3f\n", pages, seconds);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "web_export: %s\n", e.what());
        return 1;
    }
}
