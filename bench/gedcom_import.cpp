// A developer's tool, not part of the program: imports a GEDCOM file as the import command
// does with its default options, writes the log "_errors.txt" beside the file as the command
// does, prints what came in and how long the import alone took, and saves the tree as the
// program saves one when given a second name.
//
//   gedcom_import FILE.ged [OUT.rod]
#include "gedcom/import_driver.h"
#include "model/rod.h"
#include "storage/body_out.h"
#include "storage/tree_progress.h"
#include "storage/tree_writer.h"
#include "system/exceptions.h"
#include "system/fileio.h"
#include "system/memory_setup.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>

int main(int argc, char** argv)
{
    setUpMemory(argv); // as the program takes memory
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: gedcom_import FILE.ged [OUT.rod]\n";
        return 2;
    }
    Rod tree;
    const auto start = std::chrono::steady_clock::now();
    const ImportResult result = importGedcom(argv[1], tree, ImportOptions{});
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    if (!result.fileFound) {
        std::cerr << "Soubor " << argv[1] << " nenalezen!\n";
        return 1;
    }
    if (!result.readError.empty()) {
        std::cerr << result.readError << "\n";
        return 1;
    }
    if (writeImportLog(result, argv[1], ".").empty())
        std::cerr << "the log was not written\n";
    tree.fillEmptyIdentifiers();
    // As the import command installs a tree: a person's siblings are listed when first shown,
    // since listing every child's siblings at once is the square of a big family.
    tree.rebuildChildLists();
    tree.buildSiblingListsOnFirstUse();
    std::printf("persons=%d partnerships=%d logged=%zu seconds=%.3f\n", result.persons, result.partnerships,
                result.log.size(), seconds.count());
    if (argc == 3) {
        // Written as Save writes a tree, a piece at a time: the figures are the import's, not
        // those of a body held whole besides the tree.
        try {
            NoTreeProgress wait;
            replaceFile(argv[2], [&](int fd) {
                bool written = true;
                BodyBytes out(
                    [&](std::string_view piece) { written = written && writeToDescriptor(fd, piece); });
                writeSavedStateBody(out, tree, tree.activePersonNumber, wait);
                out.finish();
                return written;
            });
        } catch (const Exception& e) {
            std::cerr << e.what() << "\n";
            return 1;
        }
    }
    // The process ends here: freeing the tree is not what the figures are about.
    std::fflush(stdout);
    std::_Exit(0);
}
