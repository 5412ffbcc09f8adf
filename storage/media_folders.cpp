#include "storage/media_folders.h"

#include "model/media_names.h"
#include "model/path_utils.h"
#include "platform/files.h"

std::string companionFolderOf(const std::string& treeFile)
{
    if (extensionOf(treeFile).empty())
        return {};
    return withoutExtension(treeFile) + "/";
}

void createMediaFolders(const std::string& folder)
{
    // An empty name would put the subfolders into whatever the current folder is.
    if (folder.empty())
        return;
    if (!directoryExists(folder))
        createDir(folder);
    for (const char* sub : mediaSubfolders) {
        const std::string path = joinPath(folder, sub);
        if (!directoryExists(path))
            createDir(path);
    }
}

void resetWorkingFolder(const std::string& workingFolder, const std::string& programFolder)
{
    if (directoryExists(workingFolder))
        deleteFolderTree(workingFolder, programFolder);
    createMediaFolders(workingFolder);
}

std::string rebuildCompanionFolder(const std::string& treeFile)
{
    const std::string companion = companionFolderOf(treeFile);
    if (companion.empty())
        return {};
    // The companion folder always lies beside its tree file, so that is the only place a
    // deletion may reach; a damaged name that points anywhere else is left alone.
    std::string besideTree = folderOfPath(treeFile);
    if (besideTree.empty())
        besideTree = "./";
    if (!isStrictlyBelow(companion, besideTree))
        return {};
    if (directoryExists(companion))
        deleteFolderTree(companion, besideTree);
    createMediaFolders(companion);
    return companion;
}

bool copyMedium(const std::string& fromFolder, const std::string& toFolder, const std::string& name)
{
    return copyFile(joinPath(fromFolder, name), joinPath(toFolder, name), true);
}

bool fetchMedium(const std::string& companionFolder, const std::string& workingFolder,
                 const std::string& name)
{
    const std::string source = findFileCaseInsensitive(joinPath(companionFolder, name));
    if (source.empty())
        return false;
    return copyFile(source, joinPath(workingFolder, name), true);
}
