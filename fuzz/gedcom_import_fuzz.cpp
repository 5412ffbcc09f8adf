// libFuzzer harness of the GEDCOM import: any bytes as a GEDCOM file, imported into a new tree
// with the default options, then the tree's links checked. Seeds: the real files of
// ../shared/gedcom/. Build and run (from the repository root):
//   clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -I. fuzz/gedcom_import_fuzz.cpp \
//     gedcom/import_{charset,scanner,lexer,dates,parser,linking,driver}.cpp model/*.cpp \
//     platform/*.cpp -ljpeg -licuuc -licui18n -o build-fuzz-gedcom
//   mkdir -p fuzz-corpus && cp ../shared/gedcom/*.ged fuzz-corpus/
//   ./build-fuzz-gedcom -max_len=4096 -max_total_time=600 fuzz-corpus
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
