#include "system/process.h"

#include "system/files.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

std::vector<std::string>& opener()
{
    static std::vector<std::string> command{"xdg-open"};
    return command;
}

// The opener's arguments with `target` last; a name that begins with "-" would be read as an
// option of the opener.
std::vector<std::string> openerArguments(const std::string& target)
{
    std::vector<std::string> arguments(opener().begin() + 1, opener().end());
    arguments.push_back(target[0] == '-' ? "./" + target : target);
    return arguments;
}

bool isExecutableFile(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

std::string searchPath(const std::string& name)
{
    const char* env = std::getenv("PATH");
    const std::string path = env && *env ? env : "/usr/local/bin:/usr/bin:/bin";
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find(':', start);
        if (end == std::string::npos)
            end = path.size();
        const std::string dir = end > start ? path.substr(start, end - start) : ".";
        std::string candidate = joinPath(dir, name);
        if (isExecutableFile(candidate))
            return candidate;
        start = end + 1;
    }
    return {};
}

// The file execve gets; resolved before forking so the child does nothing but exec. Empty
// when there is no such program.
std::string resolveProgram(const std::string& program)
{
    if (program.empty())
        return {};
    if (program.find('/') == std::string::npos)
        return searchPath(program);
    std::error_code ec;
    const std::string full = std::filesystem::absolute(program, ec).string();
    return !ec && isExecutableFile(full) ? full : std::string();
}

void reportErrno(int fd)
{
    const int error = errno;
    [[maybe_unused]] ssize_t n = ::write(fd, &error, sizeof error);
}

// Between fork and exec only async-signal-safe calls: the program may have threads.
[[noreturn]] void execProgram(const char* file, char* const argv[], const char* folder, int reportFd)
{
    sigset_t none;
    ::sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    ::signal(SIGPIPE, SIG_DFL);
    if (folder && ::chdir(folder) != 0) {
        reportErrno(reportFd);
        ::_exit(127);
    }
    ::execve(file, argv, environ);
    reportErrno(reportFd);
    ::_exit(127);
}

// The intermediate process: a session of its own (a Ctrl+C in the terminal does not reach
// the started program), one more fork, then it ends at once so the program is adopted by init.
[[noreturn]] void detachAndExec(const char* file, char* const argv[], const char* folder, int reportFd)
{
    ::setsid();
    const pid_t pid = ::fork();
    if (pid == 0)
        execProgram(file, argv, folder, reportFd);
    ::_exit(pid < 0 ? 1 : 0);
}

// As detachAndExec, but the intermediate process watches the program for up to `waitMs`: it
// ends with 3 when the program failed within that time, with 0 when the program succeeded or
// still runs (then it is left to init as a detached one).
[[noreturn]] void detachExecAndWatch(const char* file, char* const argv[], int reportFd, int waitMs)
{
    ::setsid();
    const pid_t pid = ::fork();
    if (pid == 0)
        execProgram(file, argv, nullptr, reportFd);
    if (pid < 0)
        ::_exit(1);
    constexpr int stepMs = 20;
    for (int waited = 0; waited < waitMs; waited += stepMs) {
        int status = 0;
        const pid_t r = ::waitpid(pid, &status, WNOHANG);
        if (r == pid)
            ::_exit(WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 3);
        if (r < 0 && errno != EINTR)
            ::_exit(0);
        const struct timespec step {
            0, stepMs * 1000000L
        };
        ::nanosleep(&step, nullptr);
    }
    ::_exit(0);
}

bool intermediateSucceeded(pid_t pid)
{
    int status = 0;
    pid_t r;
    while ((r = ::waitpid(pid, &status, 0)) < 0 && errno == EINTR) { }
    if (r < 0)
        return errno == ECHILD; // SIGCHLD ignored: reaped by the system, rely on the report pipe
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Nothing arrives on the close-on-exec pipe when exec succeeded; an errno arrives otherwise.
bool execSucceeded(int readFd)
{
    int error = 0;
    ssize_t n;
    while ((n = ::read(readFd, &error, sizeof error)) < 0 && errno == EINTR) { }
    return n == 0;
}

} // namespace

ArgumentVector::ArgumentVector(const std::string& program, const std::vector<std::string>& args)
    : strings_{program}
{
    strings_.insert(strings_.end(), args.begin(), args.end());
    for (std::string& s : strings_)
        pointers_.push_back(s.data());
    pointers_.push_back(nullptr);
}

namespace {

// Forks; the child runs `child` with the writing end of a pipe and never returns from it. True
// when the intermediate process ended well and the pipe reported the exec as done.
bool forkAndReport(const std::function<void(int reportFd)>& child)
{
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return false;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        child(fds[1]);
    }
    ::close(fds[1]);
    const bool started = pid > 0 && intermediateSucceeded(pid) && execSucceeded(fds[0]);
    ::close(fds[0]);
    return started;
}

} // namespace

bool startProgram(const std::string& program, const std::vector<std::string>& args,
                  const std::string& workingFolder)
{
    const std::string file = resolveProgram(program);
    if (file.empty())
        return false;
    ArgumentVector argv(program, args);
    const char* folder = workingFolder.empty() ? nullptr : workingFolder.c_str();
    return forkAndReport([&](int reportFd) { detachAndExec(file.c_str(), argv.data(), folder, reportFd); });
}

std::string findProgram(const std::string& program)
{
    return resolveProgram(program);
}

bool shellOpen(const std::string& fileOrUrl)
{
    if (fileOrUrl.empty())
        return false;
    return startProgram(opener().front(), openerArguments(fileOrUrl));
}

bool openLink(const std::string& url, int waitMs)
{
    if (url.empty())
        return false;
    const std::string program = opener().front();
    const std::string file = resolveProgram(program);
    if (file.empty())
        return false;
    ArgumentVector argv(program, openerArguments(url));
    return forkAndReport(
        [&](int reportFd) { detachExecAndWatch(file.c_str(), argv.data(), reportFd, waitMs); });
}

void setShellOpener(std::vector<std::string> command)
{
    opener() = command.empty() ? std::vector<std::string>{"xdg-open"} : std::move(command);
}
