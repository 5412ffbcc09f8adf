// The language file: read, looked up, a missing key written back and logged.
#include "fuzz_support.h"
#include "model/language_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzFolders& f = fuzzFolders();
    const std::string path = f.program + "data/lang/cestina.lan";
    const std::string log = f.program + "data/lang/new.txt";
    writeFileAtomic(path, inputOf(data, size));
    deleteFile(log);
    LanguageFile lang(path, log);
    lang.load();
    lang.langText("info", "jazyk", "Čeština");
    lang.langText("menu", "novy", "Nový");
    lang.readText("chyby", "nenalezen", "nenalezen!");
    return 0;
}
