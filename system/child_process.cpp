#include "system/child_process.h"

#include "system/process.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// Spawns the program with its input (and, when `quiet`, its output) on /dev/null. -1 when it
// could not be started.
pid_t spawn(const std::string& program, const std::vector<std::string>& args, const std::string& folder,
            bool quiet)
{
    const std::string file = findProgram(program);
    if (file.empty())
        return -1;
    ArgumentVector argv(program, args);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    if (quiet) {
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_adddup2(&actions, 1, 2);
    }
    if (!folder.empty())
        posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    pid_t pid = -1;
    const int error = posix_spawn(&pid, file.c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return error == 0 ? pid : -1;
}

// Waits for the child; false when it cannot be waited for.
bool waitFor(pid_t pid, int& status)
{
    pid_t r;
    while ((r = ::waitpid(pid, &status, 0)) < 0 && errno == EINTR) { }
    return r == pid;
}

} // namespace

ProgramRun runProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::string& workingFolder)
{
    ProgramRun run;
    const pid_t pid = spawn(program, args, workingFolder, false);
    if (pid < 0)
        return run;
    int status = 0;
    if (!waitFor(pid, status))
        return run;
    // A child whose folder could not be entered ends with 127 before it runs anything.
    run.started = true;
    run.exited = WIFEXITED(status);
    run.exitCode = run.exited ? WEXITSTATUS(status) : -1;
    return run;
}

ChildProcess::~ChildProcess()
{
    stop();
}

bool ChildProcess::start(const std::string& program, const std::vector<std::string>& args)
{
    stop();
    pid_ = spawn(program, args, {}, true);
    return pid_ > 0;
}

bool ChildProcess::running()
{
    if (pid_ <= 0)
        return false;
    int status = 0;
    pid_t r;
    while ((r = ::waitpid(pid_, &status, WNOHANG)) < 0 && errno == EINTR) { }
    if (r == 0)
        return true;
    pid_ = -1;
    return false;
}

void ChildProcess::stop()
{
    if (!running())
        return;
    ::kill(pid_, SIGTERM);
    int status = 0;
    waitFor(pid_, status);
    pid_ = -1;
}
