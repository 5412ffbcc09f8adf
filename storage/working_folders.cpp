#include "storage/working_folders.h"

#include "model/path_utils.h"
#include "storage/media_folders.h"
#include "system/files.h"

#include <string_view>
#include <unistd.h>

namespace {

constexpr std::string_view copyPrefix = "kopie";
constexpr std::string_view lockSuffix = ".zamek";

// "kopie" + digits: a working folder of some copy.
bool isCopyName(std::string_view name)
{
    return name.size() > copyPrefix.size() && name.substr(0, copyPrefix.size()) == copyPrefix &&
           isDigitText(name.substr(copyPrefix.size()));
}

std::string lockOf(const std::string& temp, const std::string& name)
{
    return temp + name + std::string(lockSuffix);
}

} // namespace

WorkingFolderClaim::WorkingFolderClaim(const std::string& tempFolder)
{
    if (tempFolder.empty())
        return;
    temp_ = withoutTrailingSlashes(tempFolder) + "/";
    if (!directoryExists(temp_))
        createDir(temp_);
    // The process number is unique among running copies; one that a dead copy used is free.
    std::string name = std::string(copyPrefix) + std::to_string(::getpid());
    if (!lock_.tryLock(lockOf(temp_, name)))
        return;
    name_ = name;
    folder_ = temp_ + name_ + "/";

    // Leftovers of copies that died: a folder whose lock nobody holds.
    for (const std::string& entry : listFolder(temp_, "*", ListKind::All)) {
        std::string copy = entry;
        if (entry.size() > lockSuffix.size() &&
            std::string_view(entry).substr(entry.size() - lockSuffix.size()) == lockSuffix)
            copy = entry.substr(0, entry.size() - lockSuffix.size());
        if (!isCopyName(copy) || copy == name_ || isFileLocked(lockOf(temp_, copy)))
            continue;
        deleteFolderTree(temp_ + copy, temp_);
        deleteFile(lockOf(temp_, copy));
    }
    createMediaFolders(folder_);
}

WorkingFolderClaim::~WorkingFolderClaim()
{
    if (name_.empty())
        return;
    deleteFolderTree(folder_, temp_);
    deleteFile(lockOf(temp_, name_));
    lock_.release();
}

bool WorkingFolderClaim::othersRunning() const
{
    for (const std::string& entry : listFolder(temp_, "*" + std::string(lockSuffix))) {
        const std::string copy = entry.substr(0, entry.size() - lockSuffix.size());
        if (isCopyName(copy) && copy != name_ && isFileLocked(temp_ + entry))
            return true;
    }
    return false;
}
