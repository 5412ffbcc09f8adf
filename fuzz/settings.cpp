// The settings file: read into the settings (every number brought into range), written back.
#include "shell/settings.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzFolders& f = fuzzFolders();
    writeFileAtomic(f.program + "kinvelor.ini", inputOf(data, size));
    Nastaveni settings;
    settings.load(f.program);
    settings.addRecentFile("/a.rod");
    settings.save(f.program);
    return 0;
}
