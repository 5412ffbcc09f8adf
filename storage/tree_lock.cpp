#include "storage/tree_lock.h"

#include "storage/tree_pair.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

std::string treeLockPath(const std::string& treeName)
{
    const std::string treeFile = savedTreeTarget(treeName);
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
    stamp.changedNs = std::int64_t(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    stamp.mode = st.st_mode;
    stamp.links = st.st_nlink;
    stamp.owner = st.st_uid;
    stamp.group = st.st_gid;
    return stamp;
}

bool FileStamp::contentMayDifferFrom(const FileStamp& other) const
{
    if (exists != other.exists || device != other.device || inode != other.inode || size != other.size ||
        modifiedNs != other.modifiedNs)
        return true;
    const bool statusExplained =
        mode != other.mode || links != other.links || owner != other.owner || group != other.group;
    return changedNs != other.changedNs && !statusExplained;
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

// Whether the descriptor is a regular file, with its number of names.
bool isFileWithLinks(int fd, nlink_t& links)
{
    struct stat st { };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    links = st.st_nlink;
    return true;
}

// Locks the tree file as it stands behind `treeFile` and adds its descriptor to `locks`. A file
// that is not there yet (the first save under a name) or cannot be read has only its lock file.
// False when another hold has it, in another copy or (a second name of the file held) in this
// one.
bool lockTreeFile(const std::string& treeFile, std::vector<int>& locks)
{
    const int fd = ::open(savedTreeTarget(treeFile).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return true;
    struct stat now { };
    if (::fstat(fd, &now) != 0 || !S_ISREG(now.st_mode)) {
        ::close(fd);
        return true;
    }
    for (int held : locks) {
        struct stat st { };
        if (::fstat(held, &st) == 0 && st.st_dev == now.st_dev && st.st_ino == now.st_ino) {
            ::close(fd);
            return true;
        }
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool elsewhere = errno == EWOULDBLOCK;
        ::close(fd);
        return !elsewhere;
    }
    locks.push_back(fd);
    return true;
}

} // namespace

void TreeFileHold::remember()
{
    stamp_ = fileStampOf(file_);
    // A save put a new file in the old one's place: it is locked as the old one was, and the
    // old one stays locked only while another name (a hard link) still reaches it.
    if (!file_.empty())
        lockTreeFile(file_, fileLocks_);
    std::vector<int> kept;
    for (int fd : fileLocks_) {
        nlink_t links = 0;
        if (isFileWithLinks(fd, links) && links == 0)
            ::close(fd); // closing the descriptor gives the lock back
        else
            kept.push_back(fd);
    }
    fileLocks_ = std::move(kept);
}

bool TreeFileHold::on(const std::string& treeFile) const
{
    if (file_.empty() || treeFile.empty())
        return false;
    if (file_ == treeFile)
        return true;
    std::error_code ec;
    const std::filesystem::path held = std::filesystem::weakly_canonical(savedTreeTarget(file_), ec);
    if (ec)
        return false;
    const std::filesystem::path asked = std::filesystem::weakly_canonical(savedTreeTarget(treeFile), ec);
    return !ec && held == asked;
}

void TreeFileHold::unlockTheFiles()
{
    for (int fd : fileLocks_)
        ::close(fd);
    fileLocks_.clear();
}

TreeFileHold::Claim TreeFileHold::claim(const std::string& treeFile)
{
    if (on(treeFile) && lock_.held())
        return Claim::held;
    const std::string lockPath = treeLockPath(treeFile);
    FileLock lock;
    std::vector<int> files;
    // A holder that lets go deletes the file: a lock missed in that moment is tried again.
    for (int attempt = 0; !lock.tryLock(lockPath); ++attempt) {
        if (!lockFileCanBeMade(lockPath)) {
            // Nothing can be made there (a read-only folder): only the file itself can be
            // locked, and without it the tree is left to whoever opens it, as before there
            // were locks.
            if (!lockTreeFile(treeFile, files))
                return Claim::heldElsewhere;
            release();
            file_ = treeFile;
            fileLocks_ = std::move(files);
            stamp_ = fileStampOf(treeFile);
            return Claim::unlockable;
        }
        if (attempt >= 50 || isFileLocked(lockPath))
            return Claim::heldElsewhere;
    }
    if (!lockTreeFile(treeFile, files)) {
        lock.releaseDeleting(lockPath);
        return Claim::heldElsewhere;
    }
    release();
    file_ = treeFile;
    lock_.adopt(lock);
    fileLocks_ = std::move(files);
    stamp_ = fileStampOf(treeFile);
    return Claim::held;
}

void TreeFileHold::release()
{
    if (!file_.empty())
        lock_.releaseDeleting(treeLockPath(file_));
    unlockTheFiles();
    file_.clear();
    stamp_ = FileStamp{};
}

bool TreeFileHold::changedBehindOurBack() const
{
    const FileStamp now = fileStampOf(file_);
    return now.exists && now.contentMayDifferFrom(stamp_);
}

void TreeFileHold::takeOver(TreeFileHold& other)
{
    if (&other == this)
        return;
    release();
    file_ = std::move(other.file_);
    lock_.adopt(other.lock_);
    stamp_ = other.stamp_;
    fileLocks_ = std::move(other.fileLocks_);
    other.fileLocks_.clear();
    other.file_.clear();
    other.stamp_ = FileStamp{};
}
