// The reader of the older tag format; the input is the whole file. What loads must save.
#include "fuzz_support.h"
#include "model/rod.h"
#include "storage/old_format_loader.h"
#include "storage/tree_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzFolders& f = fuzzFolders();
    const std::string file = f.save + "stary.rod";
    writeFileAtomic(file, inputOf(data, size));
    TreeFuzzEnvironment harness;
    TreeFileEnvironment& env = harness.env;
    Rod tree(file);
    try {
        loadOldFormat(tree, env);
    } catch (const EDamagedTreeFile&) {
        return 0;
    }
    tree.fillEmptyIdentifiers();
    if (!saveTreeFile(tree, tree.firstPerson, env))
        std::abort();
    return 0;
}
