#pragma once
// The hold of one running copy on the tree file it has open: a lock (system/file_lock.h) on a
// hidden file beside the tree, which the system frees when the copy ends however it ends, so a
// second copy is refused the tree instead of saving over the first one's work; and the identity
// of the file as this copy last read or wrote it, so a save notices another program's change.
#include "system/file_lock.h"

#include <cstdint>
#include <string>
#include <vector>

// The lock file of a tree file: "." + the real file's name (savedTreeTarget,
// storage/tree_pair.h) + ".zamek" in its folder, so a link to the file reaches the same lock.
std::string treeLockPath(const std::string& treeFile);

// What identifies one version of a file on disk: a save puts a new file in place, so its
// identity changes with every save.
struct FileStamp {
    bool exists = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;
    // A change in place that keeps the size and the modification time still moves this, as do
    // a change of the permissions, the owner or the number of names, which are kept beside it.
    std::int64_t changedNs = 0;
    std::uint32_t mode = 0;
    std::uint64_t links = 0;
    std::uint32_t owner = 0;
    std::uint32_t group = 0;
    bool operator==(const FileStamp&) const = default;
    // Whether the content may differ: another file, size or modification time, or a status
    // change that no change of the permissions, the owner or the names explains.
    bool contentMayDifferFrom(const FileStamp& other) const;
};
FileStamp fileStampOf(const std::string& path);

class TreeFileHold {
public:
    enum class Claim {
        held, // this copy has the tree to itself
        heldElsewhere, // another running copy has it open
        unlockable, // no lock file can be made there (a read-only folder): nobody can lock it
    };

    TreeFileHold() = default;
    ~TreeFileHold() { release(); }
    TreeFileHold(const TreeFileHold&) = delete;
    TreeFileHold& operator=(const TreeFileHold&) = delete;

    // Takes the lock of `treeFile` in place of the one held before; a refused claim keeps the
    // old one. Claiming the file already held is `held` at once. Besides the lock file, the
    // tree file itself is locked, so that a second name of the same file (a hard link) is
    // refused to another copy as its own name is.
    Claim claim(const std::string& treeFile);
    // The lock goes (and its file with it).
    void release();
    // This hold becomes `other`'s, which is left holding nothing.
    void takeOver(TreeFileHold& other);
    // Whether this hold is on `treeFile` (held or not lockable there), by whatever link or
    // spelling of the path it is reached.
    bool on(const std::string& treeFile) const;

    // The file as it is now is the one this copy read or wrote; a file that a save put in its
    // place is locked too.
    void remember();
    // Another program changed or replaced the file since `remember` (a file deleted meanwhile
    // is no change that a save could undo).
    bool changedBehindOurBack() const;

private:
    void unlockTheFiles();

    std::string file_;
    FileLock lock_;
    FileStamp stamp_;
    // Descriptors of the tree's files this hold has locked.
    std::vector<int> fileLocks_;
};
