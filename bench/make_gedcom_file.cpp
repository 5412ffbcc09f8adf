// make_gedcom_file PERSONS OUT.ged [REAL.ged]: writes a GEDCOM file of at least PERSONS persons,
// a real file (royal92.ged of the shared samples unless named) repeated with its
// cross-references made distinct per copy.
// make_gedcom_file --family CHILDREN OUT.ged: one couple with that many children.
// A developer's tool for measuring the import.
#include "bench/replicated_gedcom.h"
#include "system/exceptions.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    const bool family = argc == 4 && std::string(argv[1]) == "--family";
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: make_gedcom_file PERSONS OUT.ged [REAL.ged]\n"
                             "       make_gedcom_file --family CHILDREN OUT.ged\n");
        return 2;
    }
    if (family) {
        try {
            writeFileAtomic(argv[3], bench::familyFile(std::atoi(argv[2])), false);
        } catch (const Exception& e) {
            std::fprintf(stderr, "make_gedcom_file: %s\n", e.what());
            return 1;
        }
        return 0;
    }
    const int persons = std::atoi(argv[1]);
    const std::string source = argc == 4 ? argv[3] : KINVELOR_SHARED_DIR "/gedcom/royal92.ged";
    try {
        writeFileAtomic(argv[2], bench::syntheticFile(source, persons), false);
    } catch (const Exception& e) {
        std::fprintf(stderr, "make_gedcom_file: %s\n", e.what());
        return 1;
    }
    return 0;
}
