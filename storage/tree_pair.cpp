#include "storage/tree_pair.h"

#include "model/media_names.h"
#include "model/path_utils.h"
#include "platform/exceptions.h"
#include "platform/fileio.h"
#include "platform/files.h"
#include "storage/media_folders.h"

#include <cstdint>
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
        for (unsigned char c : bytes) {
            hash_ ^= c;
            hash_ *= 1099511628211ull;
        }
        size_ += bytes.size();
    }
    std::string text() const { return std::to_string(size_) + " " + std::to_string(hash_); }

private:
    uint64_t hash_ = 14695981039346656037ull;
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
bool stampedFor(const std::string& folder, const std::string& treeFile,
                const std::string* treeDigest)
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

bool repair(const std::string& treeFile, const std::string& companionFolder,
            const std::string* treeDigest)
{
    if (companionFolder.empty())
        return true;
    const PairNames n(companionFolder);
    removeLeftoverTemporaries(treeFile);
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
    // A file of the user's in the folder's place is never replaced.
    const fs::file_type existing = typeOf(n.companion);
    if (existing != fs::file_type::not_found && existing != fs::file_type::directory &&
        existing != fs::file_type::symlink)
        return;
    if (present(n.building))
        deleteFolderTree(n.building, n.beside);
    if (!createDir(n.building))
        return;
    created_ = true;
    createMediaFolders(building_);
    ready_ = true;
    for (const char* sub : mediaSubfolders)
        ready_ = ready_ && directoryExists(building_ + sub);
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

bool TreePairSave::commit(const TreeBytesSource& source)
{
    if (!ready_)
        throw EInOutError("Cannot build the folder \"" + building_ + "\"");
    // The copies were made without waiting for the disk: one pass flushes them all before the
    // stamp says the folder is complete.
    if (!syncFolderTree(building_))
        throw EInOutError("Cannot write the folder \"" + building_ + "\"");
    Digest digest;
    std::exception_ptr failure;
    try {
        replaceFile(treeFile_, [&](int fd) {
            bool written = true;
            try {
                source([&](std::string_view piece) {
                    digest.add(piece);
                    written = written && writeToDescriptor(fd, piece);
                });
                // The stamp is on the disk before the file takes its place.
                if (written)
                    writeFileAtomic(building_ + stampName, digest.text());
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
