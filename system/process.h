#pragma once
// Outside programs: the desktop's program for a file or an address (help, exported pages,
// photos, documents, links) and programs the program starts itself (the archiver, the chart
// viewer). A program is always started from an argument vector, never through a shell string,
// so names with blanks, quotes or ";" reach it as they are.
//
// A program that cannot be started is an ordinary answer (false), not an exception: the
// caller shows the program's own message and goes on. The started program is not waited for;
// it is detached (started from a short-lived intermediate process that is reaped at once), so
// it leaves no zombie behind and lives on when the program ends.
#include <string>
#include <vector>

// Opens `fileOrUrl` with the desktop's associated program. False when the opener could not be
// started (not installed); what the opener then does is not known here. An empty name is false.
bool shellOpen(const std::string& fileOrUrl);

// Opens a web or mail address as shellOpen does, and waits up to `waitMs` for the opener: false
// also when it ends within that time with a failure (no program is set up for the address).
// An opener still running then is taken to have found one.
bool openLink(const std::string& url, int waitMs = 1500);

// The opener command, the name given last: {"xdg-open"} unless set. Tests set a harmless one so
// that no real desktop program is ever launched; an empty vector restores xdg-open.
void setShellOpener(std::vector<std::string> command);

// Starts `program` with `args` (not counting the program's own name) in `workingFolder` (empty:
// the current folder). A program name without "/" is looked up in PATH; a relative path is
// taken from the current folder, not the working folder. True once the program is running;
// false when it is missing or not executable, when the working folder cannot be entered, or
// when no process can be made.
bool startProgram(const std::string& program, const std::vector<std::string>& args,
                  const std::string& workingFolder = "");

// The argument vector exec takes: the program's name, the arguments, a closing null. Built before
// a fork, so the child only reads it.
class ArgumentVector {
public:
    ArgumentVector(const std::string& program, const std::vector<std::string>& args);
    char* const* data() { return pointers_.data(); }

private:
    std::vector<std::string> strings_;
    std::vector<char*> pointers_;
};

// The executable file a program name stands for: a name without "/" looked up in PATH, a path
// made absolute. Empty when there is no such executable file.
std::string findProgram(const std::string& program);
