#pragma once
// Shared by the GEDCOM import tests: a GEDCOM text imported from a temporary file, and the
// real files of other programs kept beside the checkout.
#include "gedcom/import_driver.h"
#include "model/clovek.h"
#include "model/rod.h"
#include "system/files.h"
#include "temp_folder.h"

#include <memory>
#include <string>

// The real files live outside the project; CI has them beside the checkout.
inline std::string sharedGedcom(const std::string& name)
{
    return std::string(KINVELOR_SHARED_DIR) + "/gedcom/" + name;
}

// Skips the calling test with a message when the real files are not there.
#define SKIP_WITHOUT_SHARED_GEDCOM()                                                                         \
    do {                                                                                                     \
        if (!fileExists(sharedGedcom("royal92.ged")))                                                        \
            GTEST_SKIP() << "the real GEDCOM files are not in " << KINVELOR_SHARED_DIR "/gedcom";            \
    } while (false)

struct Imported {
    std::unique_ptr<Rod> tree = std::make_unique<Rod>();
    ImportResult result;

    Clovek* person(const std::string& xref) const
    {
        Clovek* found = nullptr;
        tree->forEachPerson([&](Clovek* p) {
            if (p->importId == xref)
                found = p;
        });
        return found;
    }
    bool logged(const std::string& part) const
    {
        for (const std::string& line : result.log)
            if (line.find(part) != std::string::npos)
                return true;
        return false;
    }
};

inline Imported importFile(const std::string& path, ImportOptions options = {})
{
    Imported out;
    out.result = importGedcom(path, *out.tree, options);
    return out;
}

inline Imported importText(const std::string& bytes, ImportOptions options = {})
{
    TempFolder folder;
    return importFile(folder.write("test.ged", bytes), options);
}

// A file of the header, `records` and the trailer.
inline std::string gedcom(const std::string& records)
{
    return "0 HEAD\n1 CHAR UTF-8\n" + records + "0 TRLR\n";
}
