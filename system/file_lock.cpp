#include "system/file_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

bool FileLock::tryLock(const std::string& path)
{
    release();
    // A holder deletes the file as it lets go: the lock may land on a file no longer at the
    // path, and then the next one made there is tried.
    for (int attempt = 0; attempt < 8; ++attempt) {
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0)
            return false;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);
            return false;
        }
        struct stat held { };
        struct stat named { };
        if (::fstat(fd, &held) == 0 && ::lstat(path.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
            held.st_ino == named.st_ino) {
            fd_ = fd;
            return true;
        }
        ::close(fd);
    }
    return false;
}

void FileLock::releaseDeleting(const std::string& path)
{
    if (fd_ < 0)
        return;
    ::unlink(path.c_str());
    release();
}

void FileLock::release()
{
    if (fd_ < 0)
        return;
    ::close(fd_); // closing the only descriptor releases the lock
    fd_ = -1;
}

bool isFileLocked(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool locked = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return locked;
}
