#include "system/programfolder.h"

#include "system/exceptions.h"
#include "system/files.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <pwd.h>
#include <unistd.h>

namespace {

std::optional<std::string>& chosenFolder()
{
    static std::optional<std::string> folder;
    return folder;
}

std::string withSlash(std::string folder)
{
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

bool writableFolder(const std::string& folder)
{
    return !folder.empty() && directoryExists(folder) && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

bool portableCopy(const std::string& folder)
{
    return writableFolder(folder) &&
           (fileExists(folder + "kinvelor.ini") || directoryExists(folder + "data"));
}

} // namespace

std::string executableFolder()
{
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || !exe.has_parent_path())
        return {};
    return withSlash(exe.parent_path().string());
}

std::string userDataFolder()
{
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/')
        return withSlash(xdg) + "kinvelor/";
    const char* home = std::getenv("HOME");
    if (!home || !home[0]) {
        const passwd* user = ::getpwuid(::getuid());
        home = user && user->pw_dir ? user->pw_dir : "/tmp";
    }
    return withSlash(home) + ".local/share/kinvelor/";
}

std::string chooseProgramFolder(const std::string& exeFolder)
{
    if (portableCopy(withSlash(exeFolder)))
        return withSlash(exeFolder);
    std::string data = userDataFolder();
    std::error_code ec;
    std::filesystem::create_directories(data, ec);
    if (!writableFolder(data))
        throw EInOutError("Cannot create the program folder \"" + data + "\"");
    return data;
}

std::string programFolder()
{
    std::optional<std::string>& chosen = chosenFolder();
    if (!chosen)
        chosen = chooseProgramFolder(executableFolder());
    return *chosen;
}

void setProgramFolder(const std::string& folder)
{
    if (folder.empty())
        chosenFolder().reset();
    else
        chosenFolder() = withSlash(folder);
}
