#include "reports/folder_file_writer.h"

#include "system/fileio.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Enough to keep the thread busy while a big page is composed, little beside the tree.
constexpr size_t waitingFilesLimit = 256;
constexpr size_t waitingBytesLimit = size_t(16) << 20;
constexpr size_t batchFiles = 64;
constexpr size_t batchBytes = size_t(1) << 20;

} // namespace

FolderFileWriter::FolderFileWriter(const std::string& folder)
{
    // Opened once: each file then costs the walk of its own name only.
    folderFd_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd_ < 0)
        openError_ = errno;
    try {
        thread_ = std::thread([this] { run(); });
    } catch (...) {
        if (folderFd_ >= 0)
            ::close(folderFd_);
        throw;
    }
}

FolderFileWriter::~FolderFileWriter()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    work_.notify_one();
    if (thread_.joinable())
        thread_.join();
    if (folderFd_ >= 0)
        ::close(folderFd_);
}

bool FolderFileWriter::put(std::string relativePath, std::string bytes)
{
    std::unique_lock lock(mutex_);
    room_.wait(lock, [&] {
        return failed_ || (waiting_.size() < waitingFilesLimit && waitingBytes_ < waitingBytesLimit);
    });
    if (failed_)
        return false;
    waitingBytes_ += bytes.size();
    waiting_.emplace_back(std::move(relativePath), std::move(bytes));
    const bool batchReady = waiting_.size() >= batchFiles || waitingBytes_ >= batchBytes;
    lock.unlock();
    // Woken for a batch, not for every page: on a virtual machine each wakeup costs about as
    // much as writing a small file.
    if (batchReady)
        work_.notify_one();
    return true;
}

bool FolderFileWriter::finish()
{
    {
        std::lock_guard lock(mutex_);
        closing_ = true;
    }
    work_.notify_one();
    if (thread_.joinable())
        thread_.join();
    return !failed_;
}

void FolderFileWriter::run()
{
    std::deque<std::pair<std::string, std::string>> batch;
    for (;;) {
        {
            std::unique_lock lock(mutex_);
            work_.wait(lock, [&] {
                return stopping_ || closing_ || waiting_.size() >= batchFiles || waitingBytes_ >= batchBytes;
            });
            if (stopping_ || waiting_.empty())
                return;
            batch.swap(waiting_);
            waitingBytes_ = 0;
        }
        room_.notify_one();
        for (const auto& [path, bytes] : batch) {
            if (stopping_)
                return;
            if (!write(path, bytes)) {
                const int error = errno;
                std::lock_guard lock(mutex_);
                failed_ = true;
                failedFile_ = path;
                failure_ = std::strerror(error);
                waiting_.clear();
                room_.notify_one();
                return;
            }
            ++written_;
        }
        batch.clear();
    }
}

bool FolderFileWriter::write(const std::string& relativePath, const std::string& bytes)
{
    if (folderFd_ < 0) {
        errno = openError_;
        return false;
    }
    // A new folder no one else writes into: each file written in place with one open, write and
    // close, instead of a temporary file renamed over it.
    const int fd = ::openat(folderFd_, relativePath.c_str(),
                            O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0)
        return false;
    const bool written = writeToDescriptor(fd, bytes);
    const int writeError = errno;
    if (::close(fd) != 0 || !written) {
        if (!written)
            errno = writeError;
        return false;
    }
    return true;
}
