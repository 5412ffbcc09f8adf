#include "system/command_line.h"

#include <filesystem>
#include <system_error>

namespace {
std::vector<std::string>& commandLine()
{
    static std::vector<std::string> arguments;
    return arguments;
}
} // namespace

void setCommandLine(std::vector<std::string> arguments)
{
    commandLine() = std::move(arguments);
}

void setCommandLine(int argc, char** argv)
{
    std::vector<std::string> arguments;
    for (int i = 0; i < argc; ++i)
        arguments.emplace_back(argv[i] ? argv[i] : "");
    setCommandLine(std::move(arguments));
}

int ParamCount()
{
    const int n = static_cast<int>(commandLine().size());
    return n > 0 ? n - 1 : 0;
}

std::string ParamStr(int index)
{
    const auto& arguments = commandLine();
    if (index < 0 || index >= static_cast<int>(arguments.size()))
        return {};
    return arguments[static_cast<size_t>(index)];
}

std::string currentDir()
{
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::current_path(ec);
    if (ec)
        return {};
    return folder.string();
}
