// The GEDCOM export of any tree the loader takes: the file is UTF-8 throughout, and imported
// again it gives every person back.
#include "fuzzed_tree.h"
#include "gedcom/export_writer.h"
#include "gedcom/import_driver.h"
#include "model/datum.h"
#include "system/text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TreeFuzzEnvironment harness;
    const std::unique_ptr<Rod> tree = fuzzedTree(data, size, harness.env);
    if (!tree)
        return 0;
    GedcomExportCounts counts;
    std::string bytes = gedcomExportBytes(*tree, "strom.ged", Datum("1", "2", "2024"), &counts);
    if (counts.persons != tree->personCount())
        std::abort();
    for (size_t pos = 0; pos < bytes.size();)
        if (nextCodePoint(bytes, pos) == 0xFFFD)
            std::abort(); // a broken character in a file that declares UTF-8
    Rod again;
    ImportResult result;
    importGedcomBytes(result, bytes, again, ImportOptions{});
    if (again.personCount() != tree->personCount())
        std::abort();
    return 0;
}
