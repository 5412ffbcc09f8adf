#include "storage/tree_pair.h"

#include "model/media_names.h"
#include "model/path_utils.h"
#include "storage/media_folders.h"
#include "system/exceptions.h"
#include "system/fileio.h"
#include "system/files.h"
#include "system/fnv_hash.h"
#include "system/text.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <exception>
#include <filesystem>

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
        if (isReplacementLeftover(entry, name))
            deleteFile(joinPath(folder, entry));
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
    // A loop of links ends somewhere: the write then fails on the link as it would anyway.
    for (int hops = 0; hops < 40 && typeOf(path) == fs::file_type::symlink; ++hops) {
        std::error_code ec;
        const fs::path target = fs::read_symlink(path, ec);
        if (ec)
            break;
        path = target.is_absolute() ? target.string()
                                    : (fs::path(path).parent_path() / target).lexically_normal().string();
    }
    return path;
}

bool isCompanionFolder(const std::string& folder)
{
    if (fileExists(joinPath(folder, stampName)))
        return true;
    const auto own = [](const std::string& name) {
        for (const char* sub : mediaSubfolders)
            if (sameText(name, withoutTrailingSlashes(sub)))
                return true;
        // The layout of versions 1.0.13 to 1.0.16: "obecne" and one "osoba" + number per person.
        if (sameText(name, "obecne"))
            return true;
        constexpr std::string_view person = "osoba";
        return name.size() > person.size() && sameText(name.substr(0, person.size()), person) &&
               name.find_first_not_of("0123456789", person.size()) == std::string::npos;
    };
    std::error_code ec;
    for (fs::directory_iterator it(withoutTrailingSlashes(folder), ec), end; it != end; it.increment(ec)) {
        if (ec)
            return false;
        const std::string name = it->path().filename().string();
        if (!own(name) || typeOf(it->path().string()) != fs::file_type::directory)
            return false;
    }
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
    if (existing != fs::file_type::not_found) {
        const bool folder = directoryExists(n.companion);
        std::error_code ec;
        const bool dangling = existing == fs::file_type::symlink && !fs::exists(n.companion, ec);
        if (!dangling && !(folder && isCompanionFolder(n.companion))) {
            foreign_ = true;
            return;
        }
    }
    if (present(n.building))
        deleteFolderTree(n.building, n.beside);
    if (!createDir(n.building)) {
        failure_ = errno != 0 ? errno : EIO;
        return;
    }
    created_ = true;
    createMediaFolders(building_);
    ready_ = true;
    for (const char* sub : mediaSubfolders)
        ready_ = ready_ && directoryExists(building_ + sub);
    if (!ready_)
        failure_ = errno != 0 ? errno : EIO;
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
        throw EInOutError("Cannot build the folder \"" + building_ + "\"");
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
