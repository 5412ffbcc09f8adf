#include "storage/tree_pair.h"

#include "model/media_names.h"
#include "model/path_utils.h"
#include "platform/exceptions.h"
#include "platform/fileio.h"
#include "platform/files.h"
#include "storage/media_folders.h"

#include <cstdint>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

// The stamp a finished folder carries until it has taken its place.
constexpr const char* stampName = "ulozeni.rdk";

std::string digestOf(const std::string& bytes)
{
    uint64_t h = 14695981039346656037ull;
    for (unsigned char c : bytes) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return std::to_string(bytes.size()) + " " + std::to_string(h);
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

// Whether the folder's stamp names the tree file as it stands.
bool stampedFor(const std::string& folder, const std::string& treeFile)
{
    const std::string stamp = joinPath(folder, stampName);
    if (!fileExists(stamp) || !fileExists(treeFile))
        return false;
    try {
        return readFileBytes(stamp) == digestOf(readFileBytes(treeFile));
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

} // namespace

bool repairInterruptedSave(const std::string& treeFile, const std::string& companionFolder)
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
        if (stampedFor(n.building, treeFile)) {
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
        if (present(n.companion) && stampedFor(n.companion, treeFile)) {
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
    if (!ready_)
        throw EInOutError("Cannot build the folder \"" + building_ + "\"");
    // The copies were made without waiting for the disk: one pass flushes them all before the
    // stamp says the folder is complete.
    if (!syncFolderTree(building_))
        throw EInOutError("Cannot write the folder \"" + building_ + "\"");
    writeFileAtomic(building_ + stampName, digestOf(treeBytes));
    writeFileAtomic(treeFile_, treeBytes);
    committed_ = true;
    return repairInterruptedSave(treeFile_, companion_);
}
