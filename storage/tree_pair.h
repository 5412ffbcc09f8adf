#pragma once
// A tree file and its companion folder change as one pair. The new folder is built beside the
// old one (its name + ".ukladani~") and stamped with the digest of the new tree file; the tree
// file is then replaced (system/fileio.h), which is the moment the save takes effect; only
// after that does the new folder take the old one's place (the old one waits as its name +
// ".puvodni~" until it is deleted). A kill or a power loss at any moment therefore leaves
// either the old file with a folder that was never stamped for it, or the new file with a
// stamped folder beside it: repairInterruptedSave, run before every open and every save of
// that file, finishes the swap or throws the unfinished folder away.
#include <functional>
#include <string>
#include <string_view>

// Hands the bytes of a tree file, piece after piece, to the function it is given.
using TreeBytesSource = std::function<void(const std::function<void(std::string_view)>& put)>;

// One save of a pair.
class TreePairSave {
public:
    // Prepares a save of `treeFile` whose companion folder is `companionFolder` (checked by
    // companionFolderForSave): an interrupted earlier save is repaired first, then the new
    // folder is started with its four media subfolders.
    TreePairSave(const std::string& treeFile, const std::string& companionFolder);
    // A save that never took effect leaves no new folder behind.
    ~TreePairSave();
    TreePairSave(const TreePairSave&) = delete;
    TreePairSave& operator=(const TreePairSave&) = delete;

    // Whether the new folder stands and the companion folder's place holds nothing of the
    // user's (which a save never replaces).
    bool ready() const { return ready_; }
    // Whether the companion folder's place holds a file, or a folder that is not this tree's
    // (isCompanionFolder): the save must not go on.
    bool foreign() const { return foreign_; }
    // The system's error number when the new folder could not be made, or what the person keeps
    // in the old one could not be carried into it, else 0; `failedAt` names what failed as the
    // person knows it (the companion folder or the entry in it).
    int failure() const { return failure_; }
    const std::string& failedAt() const { return failedAt_; }
    // The new folder, ending in "/": where the save copies the media.
    const std::string& folder() const { return building_; }
    // The companion folder as the last save left it, ending in "/".
    const std::string& currentFolder() const { return companion_; }

    // Carries into the new folder, once the save has copied the tree's media into it, every
    // stored copy of the companion folder that it did not get: for a tree read from a damaged
    // file, whose records of some media may be what the damage took. False, with failure() and
    // failedAt() telling why, when one could not be carried.
    bool keepStoredCopiesLeft();

    // Flushes the new folder, stamps it, replaces the tree file with `treeBytes` and swaps the
    // folders. Raises EInOutError, with the old pair untouched, when the folder or the file
    // cannot be written. A swap that fails after the file was written is finished by the next
    // repair; the answer is then false.
    bool commit(const std::string& treeBytes);
    // The same with the bytes written as `source` makes them, never held whole. The stamp is
    // written once the last piece is in the temporary file, before it replaces the tree file.
    bool commit(const TreeBytesSource& source);

private:
    void stamp(const std::string& digest);

    std::string treeFile_;
    std::string companion_;
    std::string building_;
    std::string beside_;
    bool created_ = false;
    bool ready_ = false;
    bool committed_ = false;
    bool foreign_ = false;
    int failure_ = 0;
    std::string failedAt_;
};

// The real file behind `treeFile`, which a save writes and whose lock, change check and
// companion folder are the tree's: the file itself, or the one the link standing there leads to
// (link after link), so a tree kept behind a link stays where the link points and the link
// stays. A path through a link or with ".." is given with its folder resolved; any other path
// stays as it is.
std::string savedTreeTarget(const std::string& treeFile);

// Whether `folder` is one a save of a tree may replace: a folder the program made, recognised
// by the stamp of a save or by holding nothing but folders of its own (the media subfolders,
// in any letter case, or the person folders of the older layout) and the files a file manager
// leaves (".directory", "Thumbs.db", ...); an empty folder too. A folder of the user's that
// happens to have the companion folder's name is none. A save carries whatever the folder holds
// that the program did not put there into the new folder. A folder that cannot be listed is
// none, with its error number in `unreadable` when given.
bool isCompanionFolder(const std::string& folder, int* unreadable = nullptr);

// Finishes or undoes a save of `treeFile` that was interrupted, so that the file and its
// companion folder form one pair again, and removes what the save left behind (the folder
// being built, the old folder set aside, a temporary tree file). Nothing when no save was
// interrupted. False when a folder could not be put in its place.
bool repairInterruptedSave(const std::string& treeFile, const std::string& companionFolder);

// Keeps the damaged tree file (the real file behind a link) beside it as a pair of its own,
// before a save replaces it: a copy of the file with its times and permissions under the name
// keptDamagedTreeName gives, and its companion folder with every stored copy of the file's
// companion folder, each a second name of the same file where the disk allows, a copy
// otherwise. The pair opens as any tree with its pictures. Answers the copy's path; raises
// EInOutError with the system's error number, and leaves nothing of the pair, when it cannot be
// made (ENOENT: the damaged file is gone).
std::string keepDamagedTreeFile(const std::string& treeFile);
// "strom.poskozeny.rod" for "strom.rod", "strom.poskozeny2.rod" for n = 2, ...: its companion
// folder is "strom.poskozeny/".
std::string keptDamagedTreeName(const std::string& treeFile, int n = 1);
