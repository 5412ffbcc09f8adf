#pragma once
// The files of a folder written by a thread of their own, in the order they are handed over,
// while the next ones are composed: a big site spends about as long composing its pages as the
// system spends making their files, and neither has to wait for the other.
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

class FolderFileWriter {
public:
    // Files go below `folder`, which no one else writes into. A file that exists is overwritten.
    explicit FolderFileWriter(const std::string& folder);
    // Stops at once; files still waiting are not written.
    ~FolderFileWriter();
    FolderFileWriter(const FolderFileWriter&) = delete;
    FolderFileWriter& operator=(const FolderFileWriter&) = delete;

    // Hands over the bytes of the file at `relativePath` (its folder must exist by now); waits
    // while many bytes are waiting. False once a file has failed: nothing after it is written.
    bool put(std::string relativePath, std::string bytes);
    // Waits until every file handed over is written or one has failed; true when all were.
    bool finish();

    // After finish: the files written, and the one that failed (relative, empty when none) with
    // what the system told.
    int written() const { return written_; }
    const std::string& failedFile() const { return failedFile_; }
    const std::string& failure() const { return failure_; }

private:
    void run();
    bool write(const std::string& relativePath, const std::string& bytes);

    int folderFd_ = -1;
    int openError_ = 0;
    std::mutex mutex_;
    std::condition_variable work_;
    std::condition_variable room_;
    std::deque<std::pair<std::string, std::string>> waiting_;
    size_t waitingBytes_ = 0;
    bool closing_ = false;
    std::atomic<bool> stopping_ = false;
    bool failed_ = false;
    int written_ = 0;
    std::string failedFile_;
    std::string failure_;
    std::thread thread_;
};
