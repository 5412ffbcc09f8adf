#include "system/memory_setup.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <malloc.h>
#include <string>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

constexpr const char* tunablesName = "GLIBC_TUNABLES";
constexpr const char* hugePagesTunable = "glibc.malloc.hugetlb=1";
// Set for the second start only: "-" when GLIBC_TUNABLES was not set before, else "+" and its
// value, which the second start puts back.
constexpr const char* tunablesBeforeName = "KINVELOR_TUNABLES_BEFORE";

bool hugePagesOnOffer()
{
    std::ifstream setting("/sys/kernel/mm/transparent_hugepage/enabled");
    std::string modes;
    return std::getline(setting, modes) && modes.find("[never]") == std::string::npos;
}

// Under valgrind the second start would run outside it; a sanitizer's allocator ignores the
// setting anyway.
bool allocatorReplaced()
{
#if defined(__SANITIZE_ADDRESS__)
    return true;
#else
    const char* preload = std::getenv("LD_PRELOAD");
    return preload && std::strstr(preload, "vgpreload");
#endif
}

void restoreTunables(const std::string& before)
{
    if (before.empty() || before[0] != '+')
        ::unsetenv(tunablesName);
    else
        ::setenv(tunablesName, before.c_str() + 1, 1);
    ::unsetenv(tunablesBeforeName);
}

// Started again through /proc/self/exe, the process would be called "exe" in ps, top, pgrep and
// killall; it takes back the name it was started by, as the system gives it (the file name of
// the command, cut to 15 bytes).
void takeBackName(const char* command)
{
    if (!command || !*command)
        return;
    const char* slash = std::strrchr(command, '/');
    const char* name = slash ? slash + 1 : command;
    if (*name)
        ::prctl(PR_SET_NAME, name, 0, 0, 0);
}

} // namespace

void setUpMemory(char** argv)
{
    ::mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    if (const char* before = std::getenv(tunablesBeforeName)) {
        restoreTunables(before);
        takeBackName(argv[0]);
        return;
    }
    const char* tunables = std::getenv(tunablesName);
    if ((tunables && std::strstr(tunables, "glibc.malloc.hugetlb")) || allocatorReplaced() ||
        !hugePagesOnOffer())
        return;
    const std::string before = tunables ? std::string("+") + tunables : "-";
    ::setenv(tunablesBeforeName, before.c_str(), 1);
    const std::string asked = tunables && *tunables ? std::string(tunables) + ":" + hugePagesTunable
                                                    : std::string(hugePagesTunable);
    ::setenv(tunablesName, asked.c_str(), 1);
    ::execv("/proc/self/exe", argv);
    // Not started again (no /proc): the program runs as it is, on small pages.
    restoreTunables(before);
}
