#pragma once
// A tree file and its companion folder change as one pair. The new folder is built beside the
// old one (its name + ".ukladani~") and stamped with the digest of the new tree file; the tree
// file is then replaced (platform/fileio.h), which is the moment the save takes effect; only
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

    // Whether the new folder stands and the companion folder's place holds no file of the
    // user's (which a save never replaces).
    bool ready() const { return ready_; }
    // The new folder, ending in "/": where the save copies the media.
    const std::string& folder() const { return building_; }
    // The companion folder as the last save left it, ending in "/".
    const std::string& currentFolder() const { return companion_; }

    // Flushes the new folder, stamps it, replaces the tree file with `treeBytes` and swaps the
    // folders. Raises EInOutError, with the old pair untouched, when the folder or the file
    // cannot be written. A swap that fails after the file was written is finished by the next
    // repair; the answer is then false.
    bool commit(const std::string& treeBytes);
    // The same with the bytes written as `source` makes them, never held whole. The stamp is
    // written once the last piece is in the temporary file, before it replaces the tree file.
    bool commit(const TreeBytesSource& source);

private:
    std::string treeFile_;
    std::string companion_;
    std::string building_;
    std::string beside_;
    bool created_ = false;
    bool ready_ = false;
    bool committed_ = false;
};

// Finishes or undoes a save of `treeFile` that was interrupted, so that the file and its
// companion folder form one pair again, and removes what the save left behind (the folder
// being built, the old folder set aside, a temporary tree file). Nothing when no save was
// interrupted. False when a folder could not be put in its place.
bool repairInterruptedSave(const std::string& treeFile, const std::string& companionFolder);
