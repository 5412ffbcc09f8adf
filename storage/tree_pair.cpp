#include "storage/tree_pair.h"

#include "model/media_names.h"
#include "model/path_utils.h"
#include "storage/media_folders.h"
#include "system/exceptions.h"
#include "system/file_lock.h"
#include "system/fileio.h"
#include "system/files.h"
#include "system/fnv_hash.h"
#include "system/text.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <dirent.h>
#include <exception>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// The stamp a finished folder carries until it has taken its place.
constexpr const char* stampName = "ulozeni.rdk";

// The stamp's text for a tree file: its size and a hash of its bytes, taken piece by piece.
class Digest {
public:
    void add(std::string_view bytes)
    {
        hash_ = fnv1a64(hash_, bytes);
        size_ += bytes.size();
    }
    std::string text() const { return std::to_string(size_) + " " + std::to_string(hash_); }

private:
    uint64_t hash_ = fnv1a64Start;
    uint64_t size_ = 0;
};

std::string digestOf(const std::string& bytes)
{
    Digest d;
    d.add(bytes);
    return d.text();
}

struct PairNames {
    std::string companion; // without a trailing "/"
    std::string building;
    std::string replaced;
    std::string beside; // the folder both lie in, ending in "/"

    explicit PairNames(const std::string& companionFolder)
        : companion(withoutTrailingSlashes(companionFolder)),
          building(companion + ".ukladani~"),
          replaced(companion + ".puvodni~"),
          beside(folderOfPath(companion))
    {
        if (beside.empty())
            beside = "./";
    }
};

fs::file_type typeOf(const std::string& path)
{
    std::error_code ec;
    return fs::symlink_status(path, ec).type();
}

bool present(const std::string& path)
{
    return typeOf(path) != fs::file_type::not_found;
}

bool renamed(const std::string& from, const std::string& to)
{
    std::error_code ec;
    fs::rename(from, to, ec);
    return !ec;
}

// Whether the folder's stamp names the tree file as it stands. `treeDigest`, when given, is the
// digest of the file as this process has just written it, so a big file is not read back.
bool stampedFor(const std::string& folder, const std::string& treeFile, const std::string* treeDigest)
{
    const std::string stamp = joinPath(folder, stampName);
    if (!fileExists(stamp) || !fileExists(treeFile))
        return false;
    try {
        return readFileBytes(stamp) == (treeDigest ? *treeDigest : digestOf(readFileBytes(treeFile)));
    } catch (const EInOutError&) {
        return false;
    }
}

void removeLeftoverTemporaries(const std::string& treeFile)
{
    const std::string folder = folderOfPath(treeFile);
    const std::string name = fileNameOf(treeFile);
    for (const std::string& entry : listFolder(folder.empty() ? "." : folder, name + ".*"))
        // One a living copy is writing is locked by it (replaceFile): only a dead one's goes.
        if (isReplacementLeftover(entry, name) && !isFileLocked(joinPath(folder, entry)))
            deleteFile(joinPath(folder, entry));
}

// The files a file manager leaves in any folder it shows: no sign that the folder is not the
// tree's, and carried over like anything else of the person's.
bool isDesktopLeftover(const std::string& name)
{
    for (const char* leftover : {".directory", "Thumbs.db", "desktop.ini", ".DS_Store"})
        if (sameText(name, leftover))
            return true;
    return false;
}

// Copies the regular file `from` (`info` its status) to `to` with its times and permissions.
// 0, or the system's error number with `failedAt` naming what failed.
int copyWithTimes(const std::string& from, const std::string& to, const struct stat& info, bool durable,
                  std::string& failedAt)
{
    const int source = ::open(from.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (source < 0) {
        failedAt = from;
        return errno;
    }
    try {
        replaceFile(
            to,
            [&](int fd) {
                const struct timespec times[2] = {info.st_atim, info.st_mtim};
                return copyDescriptor(source, fd) && ::fchmod(fd, info.st_mode & 07777) == 0 &&
                       ::futimens(fd, times) == 0;
            },
            durable);
    } catch (const EInOutError& e) {
        ::close(source);
        failedAt = to;
        return e.ErrorCode != 0 ? e.ErrorCode : EIO;
    }
    ::close(source);
    return 0;
}

// Carries one entry of the companion folder that the program does not own into the folder
// being built, unchanged: a file by a second name for it (a copy with its time and permissions
// where the file system has no second names), a folder as a folder with all it holds, a link as
// the same link. The old folder keeps everything until the new one has taken its place. 0, or
// the system's error number with `failedAt` naming what could not be carried.
int carryEntry(const std::string& from, const std::string& to, std::string& failedAt)
{
    struct stat info;
    if (::lstat(from.c_str(), &info) != 0) {
        failedAt = from;
        return errno;
    }
    if (S_ISDIR(info.st_mode)) {
        if (::mkdir(to.c_str(), info.st_mode & 07777) != 0 && errno != EEXIST) {
            failedAt = to;
            return errno;
        }
        DIR* dir = ::opendir(from.c_str());
        if (!dir) {
            failedAt = from;
            return errno;
        }
        int err = 0;
        errno = 0;
        while (dirent* e = ::readdir(dir)) {
            const std::string name = e->d_name;
            if (name == "." || name == "..")
                continue;
            if ((err = carryEntry(joinPath(from, name), joinPath(to, name), failedAt)) != 0)
                break;
        }
        ::closedir(dir);
        return err;
    }
    if (S_ISLNK(info.st_mode)) {
        std::string target(static_cast<size_t>(info.st_size) + 1, '\0');
        const ssize_t n = ::readlink(from.c_str(), target.data(), target.size());
        if (n < 0 || ::symlink(target.substr(0, static_cast<size_t>(n)).c_str(), to.c_str()) != 0) {
            failedAt = from;
            return errno != 0 ? errno : EIO;
        }
        return 0;
    }
    if (S_ISFIFO(info.st_mode)) {
        if (::mkfifo(to.c_str(), info.st_mode & 07777) != 0) {
            failedAt = to;
            return errno;
        }
        return 0;
    }
    if (!S_ISREG(info.st_mode)) {
        failedAt = from;
        return EINVAL;
    }
    if (::link(from.c_str(), to.c_str()) == 0)
        return 0;
    return copyWithTimes(from, to, info, false, failedAt);
}

// Carries everything of the companion folder that is not the program's own into the folder
// being built: inside the media subfolders all but the stored copies, outside them all but the
// stamp. 0, or the error number as carryEntry answers it.
int carryForeignEntries(const std::string& companion, const std::string& building, std::string& failedAt)
{
    std::error_code ec;
    for (fs::directory_iterator it(companion, ec), end; it != end; it.increment(ec)) {
        if (ec)
            break;
        const std::string name = it->path().filename().string();
        const std::string from = joinPath(companion, name);
        const std::string to = joinPath(building, name);
        if (name == stampName)
            continue;
        if (!mediaSubfolderNamed(name) || typeOf(from) != fs::file_type::directory) {
            if (const int err = carryEntry(from, to, failedAt))
                return err;
            continue;
        }
        if (!directoryExists(to) && !createDir(to)) {
            failedAt = to;
            return errno != 0 ? errno : EIO;
        }
        for (fs::directory_iterator inner(from, ec); !ec && inner != end; inner.increment(ec)) {
            const std::string child = inner->path().filename().string();
            const std::string childPath = joinPath(from, child);
            if (isStoredMediumName(name, child) && typeOf(childPath) != fs::file_type::directory)
                continue;
            if (const int err = carryEntry(childPath, joinPath(to, child), failedAt))
                return err;
        }
        if (ec) {
            failedAt = from;
            return ec.value();
        }
    }
    if (ec) {
        failedAt = companion;
        return ec.value();
    }
    return 0;
}

// Hands `carry` each stored copy of the companion folder (not a folder) with the media
// subfolder it lies in, until it answers an error number. A missing companion folder holds none.
// 0, or that error number (or the one of a folder that could not be listed, named in `failedAt`).
int forEachStoredCopy(
    const std::string& companion, std::string& failedAt,
    const std::function<int(const char* sub, const std::string& name, const std::string& path)>& carry)
{
    std::error_code ec;
    for (fs::directory_iterator it(companion, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const char* sub = mediaSubfolderNamed(name);
        const std::string from = joinPath(companion, name);
        if (!sub || typeOf(from) != fs::file_type::directory)
            continue;
        std::error_code inner;
        for (fs::directory_iterator child(from, inner); !inner && child != end; child.increment(inner)) {
            const std::string childName = child->path().filename().string();
            const std::string childPath = joinPath(from, childName);
            if (!isStoredMediumName(name, childName) || typeOf(childPath) == fs::file_type::directory)
                continue;
            if (const int err = carry(sub, childName, childPath))
                return err;
        }
        if (inner) {
            failedAt = from;
            return inner.value();
        }
    }
    if (ec && ec != std::errc::no_such_file_or_directory) {
        failedAt = companion;
        return ec.value();
    }
    return 0;
}

// Carries the stored copies of the companion folder that the folder being built did not get,
// the media a damaged file left without a record among them. 0, or the error number as
// carryEntry answers it.
int carryStoredCopiesLeft(const std::string& companion, const std::string& building, std::string& failedAt)
{
    return forEachStoredCopy(companion, failedAt,
                             [&](const char* sub, const std::string& name, const std::string& from) {
                                 const std::string to = building + sub + name;
                                 return present(to) ? 0 : carryEntry(from, to, failedAt);
                             });
}

bool repair(const std::string& treeFile, const std::string& companionFolder, const std::string* treeDigest)
{
    if (companionFolder.empty())
        return true;
    const PairNames n(companionFolder);
    removeLeftoverTemporaries(treeFile);
    if (const std::string target = savedTreeTarget(treeFile); target != treeFile)
        removeLeftoverTemporaries(target);
    const std::string stamp = joinPath(n.companion, stampName);
    if (!present(n.building) && !present(n.replaced) && !present(stamp))
        return true; // the common case: no save was interrupted
    bool ok = true;
    if (present(n.building)) {
        if (stampedFor(n.building, treeFile, treeDigest)) {
            // The file was written: the new folder takes its place.
            if (present(n.companion)) {
                if (present(n.replaced))
                    deleteFolderTree(n.replaced, n.beside);
                ok = renamed(n.companion, n.replaced);
            }
            ok = ok && renamed(n.building, n.companion);
        } else {
            // The file was never written: the old pair stands.
            deleteFolderTree(n.building, n.beside);
        }
    }
    if (ok && present(n.replaced)) {
        if (present(n.companion) && stampedFor(n.companion, treeFile, treeDigest)) {
            deleteFolderTree(n.replaced, n.beside);
        } else {
            // Set aside by a save that never wrote its file (as earlier versions saved): the
            // folder in its place belongs to no file, the one set aside to the file there.
            if (present(n.companion))
                deleteFolderTree(n.companion, n.beside);
            ok = renamed(n.replaced, n.companion);
        }
    }
    if (ok && typeOf(n.companion) == fs::file_type::directory)
        deleteFile(stamp);
    syncFolder(n.beside);
    return ok;
}

} // namespace

std::string savedTreeTarget(const std::string& treeFile)
{
    std::string path = treeFile;
    bool followed = false;
    // A loop of links ends somewhere: the write then fails on the link as it would anyway.
    for (int hops = 0; hops < 40 && typeOf(path) == fs::file_type::symlink; ++hops) {
        std::error_code ec;
        const fs::path target = fs::read_symlink(path, ec);
        if (ec)
            break;
        path = target.is_absolute() ? target.string() : (fs::path(path).parent_path() / target).string();
        followed = true;
    }
    // "b/../a" is wherever the folder b really leads: only the system can fold it. A path
    // without links or ".." stays as it was given, so what the person is told names it so.
    const fs::path p(path);
    bool climbs = false;
    for (const fs::path& part : p)
        climbs = climbs || part == "..";
    if (!followed && !climbs)
        return path;
    std::error_code ec;
    const fs::path folder = fs::canonical(p.parent_path().empty() ? fs::path(".") : p.parent_path(), ec);
    if (ec || p.filename().empty())
        return followed ? fs::path(path).lexically_normal().string() : path;
    return (folder / p.filename()).string();
}

bool isCompanionFolder(const std::string& folder, int* unreadable)
{
    if (unreadable)
        *unreadable = 0;
    if (fileExists(joinPath(folder, stampName)))
        return true;
    const auto own = [](const std::string& name) {
        if (mediaSubfolderNamed(name))
            return true;
        // The layout of versions 1.0.13 to 1.0.16: "obecne" and one "osoba" + number per person.
        if (sameText(name, "obecne"))
            return true;
        constexpr std::string_view person = "osoba";
        return name.size() > person.size() && sameText(name.substr(0, person.size()), person) &&
               name.find_first_not_of("0123456789", person.size()) == std::string::npos;
    };
    std::error_code ec;
    fs::directory_iterator it(withoutTrailingSlashes(folder), ec);
    for (fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const fs::file_type type = typeOf(it->path().string());
        if (own(name) && type == fs::file_type::directory)
            continue;
        if (isDesktopLeftover(name) && type == fs::file_type::regular)
            continue;
        return false;
    }
    if (ec && unreadable)
        *unreadable = ec.value() != 0 ? ec.value() : EIO;
    return !ec;
}

bool repairInterruptedSave(const std::string& treeFile, const std::string& companionFolder)
{
    return repair(treeFile, companionFolder, nullptr);
}

TreePairSave::TreePairSave(const std::string& treeFile, const std::string& companionFolder)
    : treeFile_(treeFile)
{
    if (companionFolder.empty())
        return;
    const PairNames n(companionFolder);
    companion_ = n.companion + "/";
    building_ = n.building + "/";
    beside_ = n.beside;
    if (!isStrictlyBelow(building_, beside_))
        return;
    repairInterruptedSave(treeFile, companionFolder);
    // A file of the user's in the folder's place is never replaced, nor a folder of theirs that
    // has the name. A link stands for what it leads to; one that leads nowhere holds nothing.
    const fs::file_type existing = typeOf(n.companion);
    bool carry = false;
    if (existing != fs::file_type::not_found) {
        const bool folder = directoryExists(n.companion);
        std::error_code ec;
        const bool dangling = existing == fs::file_type::symlink && !fs::exists(n.companion, ec);
        int unreadable = 0;
        if (!dangling && !(folder && isCompanionFolder(n.companion, &unreadable))) {
            // A folder that cannot be looked into is not known to be someone else's.
            if (unreadable != 0) {
                failure_ = unreadable;
                failedAt_ = n.companion;
            } else {
                foreign_ = true;
            }
            return;
        }
        carry = folder;
    }
    if (present(n.building))
        deleteFolderTree(n.building, n.beside);
    if (!createDir(n.building)) {
        failure_ = errno != 0 ? errno : EIO;
        failedAt_ = n.companion;
        return;
    }
    created_ = true;
    createMediaFolders(building_);
    ready_ = true;
    for (const char* sub : mediaSubfolders)
        ready_ = ready_ && directoryExists(building_ + sub);
    if (!ready_) {
        failure_ = errno != 0 ? errno : EIO;
        failedAt_ = n.companion;
        return;
    }
    // What the person keeps in the folder stays in it: the save never deletes it.
    if (carry) {
        std::string failedAt;
        if (const int err = carryForeignEntries(n.companion, n.building, failedAt)) {
            ready_ = false;
            failure_ = err;
            // The folder being built is the program's business; the person knows the old one.
            failedAt_ = failedAt.starts_with(n.building) ? n.companion + failedAt.substr(n.building.size())
                                                         : failedAt;
        }
    }
}

bool TreePairSave::keepStoredCopiesLeft()
{
    if (!ready_ || !directoryExists(companion_))
        return ready_;
    std::string failedAt;
    if (const int err = carryStoredCopiesLeft(withoutTrailingSlashes(companion_), building_, failedAt)) {
        ready_ = false;
        failure_ = err;
        failedAt_ =
            failedAt.starts_with(building_) ? companion_ + failedAt.substr(building_.size()) : failedAt;
    }
    return ready_;
}

namespace {

// Links (or copies) every stored copy of the companion folder `companion` into the media
// subfolders of `kept`: what a damaged file names is among them, whatever the damage hid.
int keepStoredCopies(const std::string& companion, const std::string& kept, std::string& failedAt)
{
    for (const char* sub : mediaSubfolders)
        if (::mkdir((kept + sub).c_str(), 0777) != 0) {
            failedAt = kept + sub;
            return errno;
        }
    return forEachStoredCopy(companion, failedAt,
                             [&](const char* sub, const std::string& name, const std::string& from) {
                                 return carryEntry(from, kept + sub + name, failedAt);
                             });
}

} // namespace

std::string keptDamagedTreeName(const std::string& treeFile, int n)
{
    const std::string extension = extensionOf(treeFile);
    return withoutExtension(treeFile) + ".poskozeny" + (n > 1 ? std::to_string(n) : "") +
           (extension.empty() ? "" : "." + extension);
}

std::string keepDamagedTreeFile(const std::string& treeFile)
{
    const std::string target = savedTreeTarget(treeFile);
    struct stat info;
    if (::stat(target.c_str(), &info) != 0)
        throw EInOutError("Cannot read file \"" + target + "\"", errno);
    // A name whose file and folder are both free, so the kept pair opens as any tree does.
    std::string copy, folder;
    for (int n = 1;; ++n) {
        copy = keptDamagedTreeName(target, n);
        folder = withoutExtension(copy);
        if (present(copy) || present(folder))
            continue;
        if (::mkdir(folder.c_str(), 0777) == 0)
            break;
        if (errno != EEXIST)
            throw EInOutError("Cannot create the folder \"" + folder + "\"", errno);
    }
    std::string beside = folderOfPath(folder);
    if (beside.empty())
        beside = "./";
    std::string failedAt;
    int err = keepStoredCopies(withoutTrailingSlashes(companionFolderOf(target)), folder + "/", failedAt);
    if (err == 0 && !syncFolderTree(folder))
        err = errno != 0 ? errno : EIO;
    if (err == 0)
        err = copyWithTimes(target, copy, info, true, failedAt);
    if (err != 0) {
        // Half a pair is none: the damaged file is still where it was.
        deleteFolderTree(folder, beside);
        syncFolder(beside);
        throw EInOutError("Cannot keep \"" + target + "\" as \"" + copy + "\": " + std::strerror(err), err);
    }
    return copy;
}

TreePairSave::~TreePairSave()
{
    if (!committed_ && created_)
        deleteFolderTree(building_, beside_);
}

bool TreePairSave::commit(const std::string& treeBytes)
{
    return commit([&](const std::function<void(std::string_view)>& put) { put(treeBytes); });
}

void TreePairSave::stamp(const std::string& digest)
{
    try {
        writeFileAtomic(building_ + stampName, digest);
    } catch (const EInOutError& e) {
        // The folder being built is the program's own business: the person knows the folder.
        const int err = e.ErrorCode != 0 ? e.ErrorCode : EIO;
        throw EInOutError("Cannot write the folder \"" + companion_ + "\": " + std::strerror(err), err);
    }
}

bool TreePairSave::commit(const TreeBytesSource& source)
{
    if (!ready_)
        throw EInOutError("Cannot build the folder \"" + building_ + "\"", failure_);
    // The copies were made without waiting for the disk: one pass flushes them all before the
    // stamp says the folder is complete.
    if (!syncFolderTree(building_)) {
        const int err = errno != 0 ? errno : EIO;
        throw EInOutError("Cannot write the folder \"" + companion_ + "\": " + std::strerror(err), err);
    }
    Digest digest;
    std::exception_ptr failure;
    try {
        replaceFile(savedTreeTarget(treeFile_), [&](int fd) {
            bool written = true;
            try {
                source([&](std::string_view piece) {
                    digest.add(piece);
                    written = written && writeToDescriptor(fd, piece);
                });
                // The stamp is on the disk before the file takes its place.
                if (written)
                    stamp(digest.text());
            } catch (...) {
                failure = std::current_exception();
                return false;
            }
            return written;
        });
    } catch (const EInOutError&) {
        if (failure)
            std::rethrow_exception(failure);
        throw;
    }
    committed_ = true;
    const std::string written = digest.text();
    return repair(treeFile_, companion_, &written);
}
