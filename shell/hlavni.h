#pragma once
// The main window: its layout (ThlavniForm), the state every subsystem shares and the
// operations of every subsystem on it. One declaration, many files: a member function is
// defined in the folder of its subsystem (shell/, editor/, reports/, gedcom/), in a file
// named after what it does. Add members to the section of their subsystem.
#include "forms/hlavni_form.h"
#include "shell/settings.h"
#include "storage/wait_window.h"

#include <memory>
#include <string>

class Rod;
class Clovek;
class LanguageFile;
// Types whose headers other parts of the program bring; held by pointer here.
class Scroll;    // the person list view
class Polozka;   // one row of it
class PrevNext;  // the visit history

class Thlavni : public ThlavniForm {
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

    // ================================================================ control state (shell/)

    // ================================================================ person list (shell/)

    // ================================================================ window texts (shell/)

    // ================================================================ person editor (editor/)

    // ================================================================ statistics and exports (reports/)

    // ================================================================ GEDCOM (gedcom/)
};

// The one main window of the program, as the class library's global names it.
extern Thlavni* hlavni;
