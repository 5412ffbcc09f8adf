// The GEDCOM import: any bytes as a GEDCOM file, imported into a new tree with the default
// options; whatever the file, the tree it makes is sound. Seeds: fuzz/seeds/gedcom_import and
// the real files of ../shared/gedcom/ (scripts/fuzz.sh gedcom_import).
#include "gedcom/import_driver.h"
#include "model/clovek.h"
#include "model/rod.h"
#include "model/svatba.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string bytes(reinterpret_cast<const char*>(data), size);
    ImportResult result;
    {
        Rod tree;
        importGedcomBytes(result, bytes, tree, ImportOptions{});
        // Whatever the file, the tree is sound: no one is its own ancestor, every partnership
        // has two distinct partners who both list it.
        if (tree.hasAncestorCycle())
            std::abort();
        tree.forEachPerson([](Clovek* p) {
            for (UkSvatba* e : p->partnerships.items<UkSvatba>()) {
                const Svatba* s = e->partnership;
                if (!s || !s->partner1 || !s->partner2 || s->partner1 == s->partner2)
                    std::abort();
                if (!s->otherPartner(p)->hasPartnership(s))
                    std::abort();
            }
        });
        tree.fillEmptyIdentifiers();
        tree.rebuildChildLists();
        tree.rebuildAllSiblingLists();
    }
    return 0;
}
