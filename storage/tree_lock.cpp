#include "storage/tree_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::string treeLockPath(const std::string& treeFile)
{
    const size_t slash = treeFile.rfind('/');
    const size_t nameAt = slash == std::string::npos ? 0 : slash + 1;
    return treeFile.substr(0, nameAt) + "." + treeFile.substr(nameAt) + ".zamek";
}

FileStamp fileStampOf(const std::string& path)
{
    struct stat st { };
    FileStamp stamp;
    if (path.empty() || ::stat(path.c_str(), &st) != 0)
        return stamp;
    stamp.exists = true;
    stamp.device = st.st_dev;
    stamp.inode = st.st_ino;
    stamp.size = st.st_size;
    stamp.modifiedNs = std::int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return stamp;
}

namespace {

// Whether a lock file can be had there at all (made when missing, never through a link).
bool lockFileCanBeMade(const std::string& lockPath)
{
    const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

} // namespace

TreeFileHold::Claim TreeFileHold::claim(const std::string& treeFile)
{
    if (on(treeFile) && lock_.held())
        return Claim::held;
    const std::string lockPath = treeLockPath(treeFile);
    FileLock lock;
    // A holder that lets go deletes the file: a lock missed in that moment is tried again.
    for (int attempt = 0; !lock.tryLock(lockPath); ++attempt) {
        if (!lockFileCanBeMade(lockPath)) {
            // Nothing can be made there (a read-only folder): nobody can lock the tree, and it
            // is left to whoever opens it, as before there were locks.
            release();
            file_ = treeFile;
            stamp_ = fileStampOf(treeFile);
            return Claim::unlockable;
        }
        if (attempt >= 50 || isFileLocked(lockPath))
            return Claim::heldElsewhere;
    }
    release();
    file_ = treeFile;
    lock_.adopt(lock);
    stamp_ = fileStampOf(treeFile);
    return Claim::held;
}

void TreeFileHold::release()
{
    if (!file_.empty())
        lock_.releaseDeleting(treeLockPath(file_));
    file_.clear();
    stamp_ = FileStamp{};
}

bool TreeFileHold::changedBehindOurBack() const
{
    const FileStamp now = fileStampOf(file_);
    return now.exists && now != stamp_;
}

void TreeFileHold::takeOver(TreeFileHold& other)
{
    if (&other == this)
        return;
    release();
    file_ = std::move(other.file_);
    lock_.adopt(other.lock_);
    stamp_ = other.stamp_;
    other.file_.clear();
    other.stamp_ = FileStamp{};
}
