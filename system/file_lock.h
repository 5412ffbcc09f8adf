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
    // when another holder has it or the file cannot be opened. A lock taken on a file that its
    // holder deleted meanwhile is not taken: the lock counts only on the file at `path`.
    bool tryLock(const std::string& path);
    // Gives the lock back; the file stays.
    void release();
    // Deletes the file while still holding it, then gives the lock back: one who waited on the
    // deleted file sees it gone and locks the next one.
    void releaseDeleting(const std::string& path);
    bool held() const { return fd_ >= 0; }
    // Takes over the lock `other` holds (if any), giving back this one's first.
    void adopt(FileLock& other)
    {
        release();
        fd_ = other.fd_;
        other.fd_ = -1;
    }

private:
    int fd_ = -1;
};

// Whether a holder has the lock of this existing file now. False for a missing file.
bool isFileLocked(const std::string& path);
