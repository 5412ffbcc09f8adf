#pragma once
// The open tree and its file: the tree in memory, the file it was read from or last saved to,
// the media that file's folder lacked when it was read, and this running copy's hold on the
// file. An open reads a file whole or refuses it, a save writes the tree with its companion
// folder, a close lets go of all of it; nothing else makes, replaces or frees the open tree.
// The main window owns the one session and builds its own steps on these (the person list, the
// controls, the person shown); the session reaches the window only through TreeSessionPort.
#include "storage/tree_file_format.h"
#include "storage/tree_lock.h"

#include <memory>
#include <string>
#include <vector>

class Rod;
class Clovek;
class EditorPort;
class TextSource;
class TreeProgress;
struct SaveResult;

// What the tree session uses of the main window.
class TreeSessionPort {
public:
    // The texts of the language file loaded at the moment.
    virtual TextSource& texts() = 0;
    // The yes/no question: true on yes; Esc answers no.
    virtual bool askYesNo(const std::string& question) = 0;
    // Folder of the executable, ending with "/"; this running copy's own folder below it, where
    // the open tree's media live.
    virtual std::string programFolderPath() = 0;
    virtual std::string workingFolderPath() = 0;
    // The wait window around a whole-tree read or write, and what storage steps its bar by.
    virtual void showWaitWindow() = 0;
    virtual void hideWaitWindow() = 0;
    virtual TreeProgress& waitWindow() = 0;
    // The editor every tree of the session reports its undo steps to.
    virtual EditorPort& treeEditor() = 0;
    // The status line, which shows the last line a read got to.
    virtual void showStatusText(const std::string& text) = 0;

protected:
    ~TreeSessionPort() = default;
};

class TreeSession {
public:
    explicit TreeSession(TreeSessionPort& window);
    ~TreeSession();
    TreeSession(const TreeSession&) = delete;
    TreeSession& operator=(const TreeSession&) = delete;

    // The open tree, or none.
    Rod* tree() const { return tree_.get(); }

    enum class Opening {
        opened,
        // Too old, not a tree file, damaged or unreadable: the person has been told why, and no
        // tree is open.
        refused,
        // Another running copy has the file open: the person has been told, and nothing changed.
        heldElsewhere,
    };
    // Reads the tree file with the loader its version line calls for, inside the wait window,
    // into a new tree in an emptied working folder; from then on the file is this copy's. A file
    // of the current format that is damaged is refused with its line and what is wrong there,
    // and the person is asked whether to open what can be read of it: the tree then opens as far
    // as it can be read, the person is told what was read otherwise or left out, and the first
    // save keeps the damaged file beside the new one and no stored copy of its folder is lost.
    Opening open(const std::string& fileName);
    // A tree made elsewhere (new, or imported) becomes the open one, attached to the window for
    // undo. The working folder is left as it is.
    void adopt(std::unique_ptr<Rod> tree);

    enum class Saving {
        saved,
        // The person has been told or asked why, and the old file and folder are as they were.
        notSaved,
        // The tree has no file name yet, or its file is read-only and the person chose to save
        // it under another one: the name is to be asked for.
        nameWanted,
    };
    // Writes the open tree to its file with `current` as its active person and swaps in its new
    // companion folder, inside the wait window.
    Saving save(const Clovek* current);
    // Frees the tree, lets go of its file and empties the working folder.
    void close();

    // What the tree-file functions of storage/ need of the window for this session's tree.
    TreeFileEnvironment fileEnvironment();

private:
    void emptyWorkingFolder();
    void readCurrentFormat(const std::string& fileName, bool readWhatCan = false);
    // The refusal of a damaged file and the question whether to read what can be read of it.
    Opening offerWhatCanBeRead(const std::string& fileName, const EDamagedTreeFile& damage);
    // Before a save, while the damaged file read is not kept yet: when the save replaces it (the
    // same file on the disk, however named), it is kept as a pair with its pictures beside it.
    // False (the person told why) when that cannot be made; a damaged file that is gone is told
    // and the save goes on.
    bool keepDamagedFile();
    void readOldFormat(const std::string& fileName);
    // Before a tree is read: false (the person told) when another running copy has it open.
    bool claim(const std::string& fileName);
    // Before a save: false (the person told or asked) when the save must not go ahead: another
    // copy has the file open, or another program changed it and the person keeps that change.
    bool mayWrite();
    // After a read or a successful save: the file as it is now is this copy's.
    void fileIsOurs();
    // What a save or a read met, told to the person (shell/tree_session_reports.cpp): a save
    // that failed, media missing from the working folder or from a companion folder, old media
    // that could not be converted, dates that are not numbers.
    void tellSaveResult(const SaveResult& result);
    void tellLoadReport(const LoadReport& report);
    // What is wrong at a line of a damaged file ("hodnota příznaku není 1 ani 0 [zamek] „2“").
    std::string damageText(TreeDamage damage, const std::string& key, const std::string& text);
    void tellDamageRead(const LoadReport& report);

    TreeSessionPort& window_;
    std::unique_ptr<Rod> tree_;
    // The file the tree was read from or last saved to; empty for a new tree or one read from
    // an old-format file, whose folder holds no media of the current layout.
    std::string fileOnDisk_;
    // Media whose stored copies the tree's folder lacked when it was read (names as
    // "foto/foto3.jpg"): the person was told then, a save does not tell again.
    std::vector<std::string> mediaMissingAtOpen_;
    // Set while the tree open was read from a damaged file: every save keeps the stored copies
    // of its folder that the tree has no record of.
    bool readDamaged_ = false;
    // The damaged file it was read from, with what it is on the disk, until a copy of it is kept
    // beside it or it is gone; the copy, until the person is told of it after a save.
    std::string damagedFile_;
    FileStamp damagedStamp_;
    std::string damagedCopy_;
    // The lock of the tree's file, held from its read to the close; `savingHold_` takes the lock
    // of a new name for the length of a save under it.
    TreeFileHold hold_;
    TreeFileHold savingHold_;
};
