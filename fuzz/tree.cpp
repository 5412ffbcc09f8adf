// The reader of current tree files. The input is the decoded body: the harness shifts it and
// puts the header in front, so mutations work on key and value lines instead of dying at the
// shift. Whatever loads goes through the rest of an open (children and siblings sorted by
// birth), must save, and what is saved must load again.
#include "fuzz_support.h"
#include "model/clovek.h"
#include "model/rod.h"
#include "storage/tree_loader.h"
#include "storage/tree_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzFolders& f = fuzzFolders();
    std::string body = inputOf(data, size);
    shiftBody(body);
    const std::string file = f.save + "strom.rod";
    writeFileAtomic(file, std::string(savedStateTitle) + "\r\nx\r\n" + std::string(savedStateVersion) +
                              "\r\n\r\n" + body + "\r\n");
    TreeFuzzEnvironment harness;
    TreeFileEnvironment& env = harness.env;
    Rod tree(file);
    try {
        loadCurrentFormat(tree, env);
    } catch (const EDamagedTreeFile&) {
        return 0;
    }
    // On through the rest of an open: whatever raises here would stop the program's open
    // halfway, with a tree half installed.
    tree.fillEmptyIdentifiers();
    tree.rebuildChildLists();
    tree.rebuildAllSiblingLists();
    tree.updateAllPercentFilled();
    if (!saveTreeFile(tree, tree.activePerson(), env))
        std::abort(); // a loaded tree that can never be saved
    Rod again(file);
    loadCurrentFormat(again, env);
    if (again.personCount() != tree.personCount())
        std::abort();
    return 0;
}
