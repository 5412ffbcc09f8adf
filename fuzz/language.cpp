// The language file: read, looked up, a missing key written back and logged. Each input starts
// from an empty language folder: an unreadable file is set aside under a free name, and the
// files set aside by earlier inputs would make that search for a name, not the reader, the cost.
#include "fuzz_support.h"
#include "model/language_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzFolders& f = fuzzFolders();
    const std::string folder = f.program + "data/lang";
    const std::string path = folder + "/cestina.lan";
    const std::string log = folder + "/new.txt";
    deleteFolderTree(folder);
    createDir(folder);
    writeFileAtomic(path, inputOf(data, size));
    LanguageFile lang(path, log);
    lang.load();
    lang.langText("info", "jazyk", "Čeština");
    lang.langText("menu", "novy", "Nový");
    lang.readText("chyby", "nenalezen", "nenalezen!");
    return 0;
}
