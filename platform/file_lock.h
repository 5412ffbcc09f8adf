#pragma once
// An advisory lock on a file that the system releases when its holder ends, however it ends
// (a crash, a kill): how one running copy of the program tells another that it is alive.
#include <string>

class FileLock {
public:
    FileLock() = default;
    ~FileLock() { release(); }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Creates the file when it is missing (never through a link) and takes its lock. False
    // when another holder has it or the file cannot be opened.
    bool tryLock(const std::string& path);
    // Gives the lock back; the file stays.
    void release();
    bool held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

// Whether a holder has the lock of this existing file now. False for a missing file.
bool isFileLocked(const std::string& path);
