#pragma once
// The two places a tree's media live. While a tree is open every portrait, photo, document and
// attached file is a file in the working folder (program folder + "temp/"); saving copies them
// into the tree's companion folder beside the tree file (its path without the extension), and
// opening copies them back. Both folders hold the subfolders "hlavy", "foto", "dokumenty" and
// "soubory" with the names of model/media_names.h.
#include "system/exceptions.h"

#include <string>
#include <string_view>
#include <utility>

class Rod;

// The real tree file's path (savedTreeTarget, storage/tree_pair.h: a link's target) without its
// extension, followed by "/"; empty when the file name has no extension (such a file has no companion folder, and nothing beside it is ever touched).
std::string companionFolderOf(const std::string& treeFile);

// Whether `name` in the media subfolder `subfolder` ("foto/", in any letter case) is a name the
// program gives a stored copy ("foto" + a number without leading zeros + ".jpg", "soubor" + a
// number with any type, in any letter case, as a load accepts them). Anything else in a
// companion folder was put there by someone else.
bool isStoredMediumName(std::string_view subfolder, std::string_view name);
// Tells the tree the numbers of the stored copies `companionFolder` holds (Rod::holdFolderNumbers,
// model/rod.h), so that no new person or record takes the name of a file already there. A
// missing folder, or none (empty), holds none.
void holdStoredCopyNumbers(Rod& tree, const std::string& companionFolder);
// The media subfolder ("foto/") a folder called `name` is, in any letter case; null for none.
const char* mediaSubfolderNamed(std::string_view name);

// Makes sure `folder` and its four media subfolders exist (the folder's parent must exist).
// Nothing for an empty name.
void createMediaFolders(const std::string& folder);

// Empties the working folder and makes sure it and its four subfolders exist. The working folder
// is only ever deleted when it lies below the program folder.
void resetWorkingFolder(const std::string& workingFolder, const std::string& programFolder);

// The companion folder a save of `treeFile` may delete and rebuild, or empty when it must not
// touch one. It is the real tree file's path (as for companionFolderOf) without ".rod" (in any letter case), so a file of another
// extension, or one whose name is empty, "." or ".." before it, has none. It must not be or
// contain the root, a home folder or the program folder, be its "save" folder, or be or lie
// inside its "data", "temp" or "help" folder or the working folder. "save.rod" beside the
// "save" folder therefore has none; "strom.rod" beside them has one. A folder already standing
// under the name is replaced only when it is the tree's (TreePairSave, storage/tree_pair.h).
std::string companionFolderForSave(const std::string& treeFile, const std::string& programFolder,
                                   const std::string& workingFolder);

// Copies the medium `name` (relative, e.g. "foto/foto3.jpg") from one media folder to the same
// name in another, replacing an existing copy. False when the source is missing or the copy
// failed.
// `durable` as for copyFile (system/files.h).
bool copyMedium(const std::string& fromFolder, const std::string& toFolder, const std::string& name,
                bool durable = true);

// A stored copy that is there but cannot be read (no permission, not a file).
class EUnreadableMedium : public EInOutError {
public:
    EUnreadableMedium(const std::string& message, int errorCode, std::string file)
        : EInOutError(message, errorCode), path(std::move(file))
    {
    }
    std::string path;
};

// Copies the medium `name` from one media folder to another for a save, without waiting for
// the disk (the save flushes its folder once). False, with nothing copied, when `fromFolder`
// holds no such file; raises EUnreadableMedium when it is there but cannot be read, and
// EInOutError with the system's error number when the copy cannot be written.
bool storeMedium(const std::string& fromFolder, const std::string& toFolder, const std::string& name);

// Copies the medium `name` from a companion folder into the working folder for a load. A copy
// whose name differs only in letter case ("FOTO3.JPG") is accepted and stored under the proper
// name. False when the companion folder has no such medium.
bool fetchMedium(const std::string& companionFolder, const std::string& workingFolder,
                 const std::string& name);
