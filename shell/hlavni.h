#pragma once
// The main window: its layout (ThlavniForm), the state every subsystem shares and the
// operations of every subsystem on it. One declaration, many files: a member function is
// defined in the folder of its subsystem (shell/, editor/, reports/, gedcom/), in a file
// named after what it does. Add members to the section of their subsystem.
#include "forms/hlavni_form.h"
#include "model/text_source.h"
#include "shell/settings.h"
#include "storage/tree_file_format.h"
#include "storage/tree_loader.h"
#include "storage/wait_window.h"

#include <memory>
#include <string>
#include <vector>

class Rod;
class Clovek;
class LanguageFile;
// Types whose headers other parts of the program bring; held by pointer here.
class Scroll;    // the person list view
class Polozka;   // one row of it
class PrevNext;  // the visit history

class TStringList;

// The main window is the model's text source: it hands out the texts of whichever language
// file is loaded at the moment.
class Thlavni : public ThlavniForm, public TextSource {
public:
    Thlavni();
    ~Thlavni() override;
    Thlavni(const Thlavni&) = delete;
    Thlavni& operator=(const Thlavni&) = delete;

    // ================================================================ shared state
    // The open tree, or none. Owned; made when a tree is opened or created, freed when closed.
    std::unique_ptr<Rod> tree;
    // Program folder + "temp/"; empty until the first activation.
    std::string workingFolder;
    // The person list view over the tree, or none. Owned (freed with the tree).
    Scroll* personList = nullptr;
    // The row of the selected person, or none.
    Polozka* currentRow = nullptr;
    // The person shown in the editor, or none. Belongs to the tree.
    Clovek* currentPerson = nullptr;
    // The visit history of the open tree, or none. Owned (freed with the tree).
    PrevNext* history = nullptr;
    Nastaveni settings;
    // Folder of the executable, ending with "/"; empty until the first activation.
    std::string programFolder;
    // The active language file, or none until the first language load. Owned.
    std::unique_ptr<LanguageFile> languageFile;
    // The all-persons entry of the group lists ("_VŠICHNI" by default), set by the language load.
    std::string allPersonsGroupName;
    // Set while an undo or redo is replayed; handlers then record nothing.
    bool undoReplaying = false;
    // The wait window's behaviour over `cekejFORM`.
    WaitWindow wait;

    // The first activation's work runs once.
    bool startupPending = true;
    // Set while a person's values are put into the editor's controls; change handlers then
    // store, sort and record nothing.
    bool showingPerson = false;
    // Set by the previous/next buttons, so showing a person adds no visit.
    bool navigatingHistory = false;
    // Height of one person list row in pixels.
    static constexpr int personListRowHeight = 15;

    // ================================================================ start-up and shutdown (shell/)
    void FormCreate();

    // ================================================================ tree files (shell/hlavni_tree_files.cpp)
    // Empties the working folder and makes it again with its four media subfolders.
    void resetWorkingFolder();
    // The wait window around long operations (storage/wait_window.h).
    void showWaitWindow();
    void advanceWaitProgress(int step);
    void hideWaitWindow();
    WaitWindow& waitWindow();
    // What the tree-file functions of storage/ need of this window.
    TreeFileEnvironment treeFileEnvironment();
    // Writes the open tree to its file and swaps in its new companion folder, inside the wait
    // window; the file goes to the front of the recent files. True when saved; otherwise the user
    // has been told what failed and the old file and folder are as they were. A tree without a
    // file name is not saved (Save As gives it one first).
    bool saveTree();
    // The header and the shifted body (storage/tree_writer.h), written through a temporary file.
    void writeSavedState(const std::vector<std::string>& list, const std::string& fileName);
    // Numbers every person's partnership entries in list order and clears the partnerships' marks.
    void renumberPartnerships();
    // The decoded body of a tree file (storage/tree_loader.h). Raises as the loader does.
    BodyCursor readSavedState(const std::string& fileName);
    // Fills the open tree (just made with that file name) from a file of the current format;
    // raises EDamagedTreeFile for a damaged file and
    // EInOutError for one that cannot be read: the caller then closes the half-read tree.
    void loadCurrentFormat(const std::string& fileName);
    // The same for a file of the older tag format (storage/old_format_loader.h); old portraits
    // are scaled to fit the portrait frame.
    void loadOldFormat(const std::string& fileName);

    // ================================================================ control state (shell/)
    // Composes the person-summary page of the current person.
    void showPersonSummary();

    // ================================================================ person list (shell/)

    // ================================================================ window texts (shell/)
    // The standard lookup in the language file (shell/language.cpp): a missing or empty key is
    // written back with its default and logged. Before the first load it gives the default.
    std::string langText(const std::string& section, const std::string& key,
                         const std::string& defaultText) override;
    // The plain read: the stored value or the default; writes nothing.
    std::string readText(const std::string& section, const std::string& key,
                         const std::string& defaultText) override;
    // Opens (or reopens) the language file the settings name and re-applies every window text.
    void loadLanguage();
    // Adds "file name - language name" of one language file of "data/lang/" to `lines`; a file
    // without a language name is not offered.
    void addLanguageEntry(TStringList& lines, const std::string& fileName);
    // The language command: the language window, and a switch to the chosen language.
    void Jazyk1Click();
    // The window-text appliers, in their fixed order (shell/window_texts.cpp).
    void applyWindowTexts();

    // ================================================================ settings dialogs (shell/)
    // The limits dialog: the four limits and the father-death check into it, and back whatever
    // way it ends.
    void Kontroly1Click();
    // The colours dialog: the five relationship colours into it, and back when it ends with OK.
    void BarvyVztahu1Click();

    // ================================================================ person editor (editor/)
    // Refills the groups combo (the all-persons entry first, then the tree's groups) and
    // selects `groupName` (empty: the all-persons entry).
    void fillGroupsCombo(const std::string& groupName);
    // Fills the basic-data page from the current person.
    void showBasicPage();

    // ================================================================ statistics and exports (reports/)
    // Recomposes the statistics text of the open tree.
    void showTreeStatistics();

    // ================================================================ GEDCOM (gedcom/)
};

// The one main window of the program, as the class library's global names it.
extern Thlavni* hlavni;
