#pragma once
// Programs the program waits for (the archiver) or stops itself (the about box's music player),
// started from an argument vector, never through a shell. Unlike startProgram (process.h) these
// stay children of the program: their end and exit status are known.
#include <string>
#include <sys/types.h>
#include <vector>

// How a waited-for program ended.
struct ProgramRun {
    bool started = false; // the program was found and could be run
    bool exited = false; // it ended by itself (not by a signal)
    int exitCode = -1; // its exit status when it exited
    bool succeeded() const { return started && exited && exitCode == 0; }
};

// Runs `program` with `args` in `workingFolder` (empty: the current folder) and waits for its
// end. Its input is empty, so a question it asks ends it instead of waiting for an answer.
ProgramRun runProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::string& workingFolder = "");

// A program that runs beside the program until it ends or is stopped; stopped at the latest
// when this object goes. Its input and output are empty.
class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // False when the program is missing or cannot be run; a running one is stopped first.
    bool start(const std::string& program, const std::vector<std::string>& args);
    // Whether it still runs (an ended one is reaped).
    bool running();
    // Ends it (SIGTERM) and waits for it; nothing when none runs.
    void stop();

private:
    pid_t pid_ = -1;
};
