#pragma once
// The two places a tree's media live. While a tree is open every portrait, photo, document and
// attached file is a file in the working folder (program folder + "temp/"); saving copies them
// into the tree's companion folder beside the tree file (its path without the extension), and
// opening copies them back. Both folders hold the subfolders "hlavy", "foto", "dokumenty" and
// "soubory" with the names of model/media_names.h.
#include <string>

// The tree file's path without its extension, followed by "/"; empty when the file name has no
// extension (such a file has no companion folder, and nothing beside it is ever touched).
std::string companionFolderOf(const std::string& treeFile);

// Makes sure `folder` and its four media subfolders exist (the folder's parent must exist).
// Nothing for an empty name.
void createMediaFolders(const std::string& folder);

// Empties the working folder and makes sure it and its four subfolders exist. The working folder
// is only ever deleted when it lies below the program folder.
void resetWorkingFolder(const std::string& workingFolder, const std::string& programFolder);

// The companion folder a save of `treeFile` may delete and rebuild, or empty when it must not
// touch one. It is the tree file's path without ".rod" (in any letter case), so a file of another
// extension, or one whose name is empty, "." or ".." before it, has none. It must not be, contain
// or lie inside a folder that holds other things: the root, a home folder, the program folder
// (a tree may keep its folder only below its "save" folder) and its "data", "save" and "temp"
// folders, nor the working folder. "save.rod" beside the "save" folder therefore has none.
std::string companionFolderForSave(const std::string& treeFile, const std::string& programFolder,
                                   const std::string& workingFolder);

// A save builds the new companion folder beside the old one, swaps it in and only then writes
// the tree file; the old folder is deleted once the file is written, and put back when it was
// not, so a failed save leaves file and folder as they were.
class CompanionFolderBuild {
public:
    // Starts the new folder (the companion folder's name + ".ukladani~") with its four
    // subfolders; a leftover of an earlier, broken save is deleted first.
    explicit CompanionFolderBuild(const std::string& companionFolder);
    // A build not swapped in is deleted; one swapped in but not finished is rolled back.
    ~CompanionFolderBuild();
    CompanionFolderBuild(const CompanionFolderBuild&) = delete;
    CompanionFolderBuild& operator=(const CompanionFolderBuild&) = delete;

    // Whether the new folder and its subfolders stand.
    bool ready() const { return ready_; }
    // The new folder, ending in "/": where the save copies the media.
    const std::string& folder() const { return building_; }
    // Puts the new folder in the old one's place; the old one is kept aside (its name +
    // ".puvodni~"). False, with nothing changed, when a rename fails or the place is held by
    // something that is not a folder (a file of the user's).
    bool swapIn();
    // The old folder back in its place, the new one deleted.
    void rollBack();
    // The save is complete: the old folder is deleted.
    void finish();

private:
    std::string companion_;
    std::string building_;
    std::string replaced_;
    std::string beside_;
    bool ready_ = false;
    bool swapped_ = false;
    bool hadOld_ = false;
    bool finished_ = false;
};

// Copies the medium `name` (relative, e.g. "foto/foto3.jpg") from one media folder to the same
// name in another, replacing an existing copy. False when the source is missing or the copy
// failed.
bool copyMedium(const std::string& fromFolder, const std::string& toFolder, const std::string& name);

// Copies the medium `name` from a companion folder into the working folder for a load. A copy
// whose name differs only in letter case ("FOTO3.JPG") is accepted and stored under the proper
// name. False when the companion folder has no such medium.
bool fetchMedium(const std::string& companionFolder, const std::string& workingFolder,
                 const std::string& name);
