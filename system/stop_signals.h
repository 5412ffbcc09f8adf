#pragma once
// The signals that ask the program to end (SIGTERM at a logout, SIGHUP when its terminal goes,
// SIGINT from Ctrl+C), turned into a byte on a pipe that the message loop watches. The handler
// only writes that byte; the loop does the ending, where anything may be done. SIGHUP or SIGINT
// that the starter set to be ignored stays ignored.
class StopSignals {
public:
    // Installs the handlers; one object at a time.
    StopSignals();
    // Puts back what the signals did before.
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // Readable once a signal came; -1 when the pipe could not be made (the signals then keep
    // what they did before).
    int fd() const;
    // Takes every byte waiting; true when a signal had come.
    bool take();
};
