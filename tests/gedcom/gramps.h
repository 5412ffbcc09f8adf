#pragma once
// Gramps, another genealogy program, as a judge of the GEDCOM files: found on the path and run
// from its command line with a home of its own.
#include <cstdlib>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

inline bool onPath(const std::string& program)
{
    const char* path = std::getenv("PATH");
    std::stringstream folders(path ? path : "");
    std::string folder;
    while (std::getline(folders, folder, ':'))
        if (!folder.empty() && ::access((folder + "/" + program).c_str(), X_OK) == 0)
            return true;
    return false;
}

// Runs the program with its own home below `home` (Gramps keeps its databases and settings
// there, and needs no display for the command line) and gives what it wrote to both streams.
inline std::string runGramps(const std::vector<std::string>& argv, const std::string& home, int& status)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return "pipe failed";
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(fds[1], 1);
        ::dup2(fds[1], 2);
        ::close(fds[0]);
        ::close(fds[1]);
        ::setenv("HOME", home.c_str(), 1);
        ::setenv("XDG_DATA_HOME", (home + "data").c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (home + "config").c_str(), 1);
        ::setenv("XDG_CACHE_HOME", (home + "cache").c_str(), 1);
        ::setenv("LANG", "C.UTF-8", 1);
        ::unsetenv("DISPLAY");
        ::unsetenv("WAYLAND_DISPLAY");
        std::vector<char*> args;
        for (const std::string& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        ::execvp(args[0], args.data());
        ::_exit(127);
    }
    ::close(fds[1]);
    std::string out;
    char buffer[4096];
    ssize_t n;
    while ((n = ::read(fds[0], buffer, sizeof buffer)) > 0)
        out.append(buffer, size_t(n));
    ::close(fds[0]);
    ::waitpid(pid, &status, 0);
    return out;
}
