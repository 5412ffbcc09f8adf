// The web export of any tree the loader takes: the whole site and the page of one person,
// written into a folder of the harness's own that is emptied for each input.
#include "fuzzed_tree.h"
#include "model/clovek.h"
#include "reports/web_site.h"
#include "system/exceptions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TreeFuzzEnvironment harness;
    const std::unique_ptr<Rod> tree = fuzzedTree(data, size, harness.env);
    if (!tree)
        return 0;
    const std::string site = fuzzFolders().program + "web";
    deleteFolderTree(site);
    createDir(site);
    std::vector<Clovek*> persons;
    tree->forEachPerson([&](Clovek* p) { persons.push_back(p); });
    for (bool allParts : {false, true}) {
        WebExportOptions options;
        if (allParts)
            options.identifier = options.contacts = true;
        WebSiteWriter writer(*tree, harness.texts, options, harness.env.workingFolder, allParts);
        try {
            writer.writePages(site, persons);
            if (!persons.empty())
                writer.writeSinglePersonPage(*persons.front(), site + "/jeden.htm");
        } catch (const std::exception&) {
            // A date part that is no number stops the export with a conversion error, which
            // the export command shows; that is how dates are compared.
        }
    }
    return 0;
}
