// A developer's tool, not part of the program: imports a GEDCOM file as the import command
// does with its default options, prints what came in and how long the import alone took, and
// saves the tree as the program saves one when given a second name.
//
//   gedcom_import FILE.ged [OUT.rod]
#include "gedcom/import_driver.h"
#include "model/rod.h"
#include "storage/tree_progress.h"
#include "storage/tree_writer.h"
#include "system/exceptions.h"

#include <chrono>
#include <cstdio>
#include <iostream>

int main(int argc, char** argv)
{
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
    tree.fillEmptyIdentifiers();
    tree.rebuildChildLists();
    tree.rebuildAllSiblingLists();
    std::printf("persons=%d partnerships=%d logged=%zu seconds=%.3f\n", result.persons, result.partnerships,
                result.log.size(), seconds.count());
    if (argc == 3) {
        try {
            NoTreeProgress wait;
            writeSavedState(savedStateBody(tree, tree.activePersonNumber, wait), argv[2]);
        } catch (const Exception& e) {
            std::cerr << e.what() << "\n";
            return 1;
        }
    }
    return 0;
}
