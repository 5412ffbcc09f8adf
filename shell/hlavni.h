#pragma once
// The main window's frame: its layout (ThlavniForm, kept to itself and to the window that
// composes it), the state every part of the window shares, and the frame's own work: start-up
// and shutdown, the tree commands, the window texts, undo and redo, the settings dialogs and the
// small commands of the menus. What it offers everyone else stands first; its handlers and what
// it answers through its ports are private. The open tree and its file belong to the tree
// session it owns (shell/tree_session.h). Its members are defined in shell/, in files named
// after what they do.
// The person editor (editor/person_editor.h), the reports and the GEDCOM commands are objects
// of their own that the window owns, each reaching the frame through a port the frame implements
// (shell/person_editor_port.h, shell/main_window_port.h); the frame reaches the editor only
// through PersonEditorPart (shell/person_editor_part.h). The window the program makes is all of
// them together (app/main_window.h). The person list is such an object too, one the frame owns
// itself (shell/person_list_panel.h, through PersonListPort).
#include "forms/hlavni_form.h"
#include "model/life_checks.h"
#include "model/media_lists.h"
#include "model/text_source.h"
#include "shell/person_editor_part.h"
#include "shell/person_editor_port.h"
#include "shell/person_list_panel.h"
#include "shell/person_list_port.h"
#include "shell/settings.h"
#include "shell/tree_session.h"
#include "shell/wait_window.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class Rod;
class Clovek;
class LanguageFile;
// Types whose headers other parts of the program bring; held by pointer here.
class PrevNext; // the visit history

class TStringList;
class Datum;
class Svatba;
class SparseText;
class TWinControl;
class TImage;
struct TPicture;
class WorkingFolderClaim;

// The main window is the model's text source: it hands out the texts of whichever language
// file is loaded at the moment. Its layout is its own: the window that composes the frame and
// its parts hands each part the controls it answers (app/main_window.h).
// It is also the window its editor, its commands and its person list reach through their
// ports, and what its tree session uses of a window.
class MainFrame : protected ThlavniForm,
                  public TextSource,
                  public PersonEditorPort,
                  public TreeSessionPort,
                  public PersonListPort {
public:
    MainFrame();
    ~MainFrame() override;
    MainFrame(const MainFrame&) = delete;
    MainFrame& operator=(const MainFrame&) = delete;

    // ================================================================ shared state
    // The open tree with its file (shell/tree_session.h): `session.tree()` is the tree, or none.
    TreeSession session{*this};
    // This running copy's own folder below program folder + "temp/" (storage/working_folders.h);
    // empty until the first activation.
    std::string workingFolder;
    // The person list: its view over the tree (made with the tree, freed with it), the row of
    // the person shown and the handlers of its controls.
    PersonListPanel personList{
        *this, PersonListControls{
                   .window = *this,
                   .scrolling = scrolling,
                   .scrollingBar = scrollingBar,
                   .listSplitter = listSplitter,
                   .setrid = setrid,
                   .trideniBT = trideniBT,
                   .sortDirectionTexts = [this](bool ascending) { return sortDirectionTexts(ascending); },
                   .zobrazovatGroupBox = zobrazovatGroupBox,
                   .zobrazitCislo = zobrazitCislo,
                   .zobrazitNarozeni = zobrazitNarozeni,
                   .zobrazitProcenta = zobrazitProcenta,
                   .zobrazitRodne = zobrazitRodne,
                   .skupinyCB = skupinyCB,
                   .osobaPopup = osobaPopup,
               }};
    // The visit history of the open tree, or none (freed with the tree).
    std::unique_ptr<PrevNext> history;
    Nastaveni settings;
    // Folder of the executable, ending with "/"; empty until the first activation.
    std::string programFolder;
    // The active language file, or none until the first language load. Owned.
    std::unique_ptr<LanguageFile> languageFile;
    // The all-persons entry of the group lists ("_VŠICHNI" by default), set by the language load.
    std::string allPersonsGroupName;
    // The wait window's behaviour over `cekejFORM`.
    WaitWindow wait;
    // The first activation's work runs once.
    bool startupPending = true;
    // Set by the previous/next buttons, so showing a person adds no visit.
    bool navigatingHistory = false;

    // ================================================================ start-up and shutdown (shell/startup.cpp)
    // What every way out does once: the open tree dropped unsaved, the settings saved, the
    // marker deleted, the working folder cleared. Close runs it; the program runs it again
    // after its loop, for the ways out that end the loop without a close (a stop signal, the
    // screenshot hook), and then it does nothing more.
    void endRun();
    bool runEnded = false;
    // Set when the person quits at the double-start warning: another copy may be running, so
    // the close must leave its settings file and working folder alone.
    bool leaveRunningCopyAlone = false;
    // The claim on this copy's working folder, held from the first activation to the close.
    std::unique_ptr<WorkingFolderClaim> workingFolderClaim;

    // ================================================================ recent files (shell/recent_files.cpp)
    // Shows the four recent-file items of the tree menu as the settings list them.
    void updateRecentFilesMenu();
    // Opens the tree stored in `path`, asking first whether to save an open tree with persons.
    void openTreeFile(const std::string& path);

    // ================================================================ greeting, tips, quick texts (shell/greeting_and_tips.cpp, shell/quick_texts.cpp)
    // The greeting of 1 January, 24 and 31 December; nothing on other days.
    void showDateGreeting(const Datum& today);
    // A random line of the tip file of the language; the sign-up text without one.
    std::string tipText();
    // The tip file beside the language file: "data/lang/" + its name without extension + ".tip".
    std::string tipFilePath();
    // "F9 " to "F12 " followed by each quick text.
    void updateQuickTextMenu();
    // Replaces the selection of a plain edit or of an editable combo box by `text`; any other
    // control, also one derived from these, is left alone.
    void insertQuickText(TWinControl& control, const std::string& text);

    // ================================================================ tree files (shell/hlavni_tree_files.cpp)
    // Empties the working folder and makes it again with its four media subfolders.
    void resetWorkingFolder();
    // Opening and closing (shell/open_close_tree.cpp).
    // Reads the tree file (TreeSession::open), builds and sorts the person list and shows the
    // person saved as active. Answers 0 when the tree is open and 1 when the file was refused
    // (held by another running copy, too old, not a tree file, damaged or unreadable): the person
    // has been told why and no tree is open.
    int openTree(const std::string& fileName);
    // The steps of an open once the tree is read (also for an imported tree): identifiers, the
    // person list, child and sibling lists, the person shown, sorting and the active page.
    void installLoadedTree();
    // A new empty tree with its person list and visit history; no tree may be open.
    void createEmptyTree();
    // Stores the memos, frees the tree and puts the window into its no-tree state.
    void closeTree();
    // Frees the tree, its person list and visit history, forgets the current person and row,
    // and empties the working folder.
    void closeTreeData();
    // Writes the open tree to its file (TreeSession::save); the file goes to the front of the
    // recent files. True when saved; otherwise the user has been told what failed and the old
    // file and folder are as they were. A tree without a file name is given one by Save As first.
    bool saveTree();

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

    // ================================================================ search and anniversaries (shell/search_command.cpp, shell/anniversaries_commands.cpp)
    // The two searches of the dialog over the open tree, into its list of persons found.
    void searchText();
    void searchDate();

    // ================================================================ links, texts, about box, archives (shell/)
    // The person list as text (shell/person_list_text.cpp). The builders write one line per row
    // of the person list, in name or birth order; the list shows the chosen order again after.
    struct ListColumns {
        bool useBirthSurname = false;
        bool birth = false;
        bool death = false;
        bool number = false;
        bool birthPlace = false;
        bool deathPlace = false;
        bool residence = false;
        bool education = false;
        bool occupation = false;
    };
    void buildPersonListHierarchical(std::vector<std::string>& lines, const ListColumns& columns);
    void buildPersonList(std::vector<std::string>& lines, const ListColumns& columns);
    void buildPersonListSorted(std::vector<std::string>& lines, const ListColumns& columns);

    // ================================================================ the window's state, questions, memos and undo
    // Puts the window into its no-tree, empty-tree or tree state: the list panel, the tabs, the
    // menu items and tool buttons that need a tree or persons.
    void enableControls(bool treeOpen, bool hasPersons) override;
    // Refills the active page (pagesChange).
    void refreshPage() override;
    // Empties the open tree's history and disables undo and redo.
    void clearChangeHistory() override;
    // Stores every memo the person changed (memos store their text only when left) before the
    // tree is saved or closed: each added memo that is modified, in the order added, through
    // the exit handler its OnExit holds.
    void commitMemos() override;
    // The yes/no question: true on yes; Esc answers no.
    bool askYesNo(const std::string& question) override;
    // The yes/no/cancel question: 6 yes, 7 no, 2 cancel.
    int askYesNoCancel(const std::string& question) override;

    // ================================================================ the person editor (shell/person_editor_part.h)
    // The window hands the frame its editor once both exist, then wires the handlers of every
    // control, the frame's own and the editor's; the frame's own code reaches the editor only
    // through this part.
    void attachEditor(PersonEditorPart& editor) { editor_ = &editor; }
    PersonEditorPart& editorPart() { return *editor_; }
    void bindEvents();

private:
    // ================================================================ start-up and shutdown (shell/startup.cpp)
    void FormCreate();
    // Reseeds the random generator at every activation; the first one also starts the program:
    // folders, the double-start marker, settings, language, tips, greeting, a tree named on
    // the command line.
    void FormActivate();
    // Closing is allowed once no tree is open; the open tree is closed with the save question.
    void FormCloseQuery(bool& canClose);
    // Frees the tree, saves the settings and deletes the double-start marker.
    void FormClose(TCloseAction& action);
    // Start-up step: the tree file named by the first command-line argument, when it exists.
    void openCommandLineTree();

    // ================================================================ file commands (shell/file_commands.cpp)
    void Novy1Click();
    void Otevrit1Click();
    void Ulozit1Click();
    void UlozitJako1Click();
    void Zavrit1Click();
    void Konec1Click();
    // The Save As dialog, then the save. True when the tree was written; false when the dialog
    // was cancelled or the save failed.
    bool saveTreeAs();
    // Saves the open tree when `answer` is yes, then closes it unless the answer was cancel or
    // the save did not happen; true when the tree is closed afterwards.
    bool closeTreeAfterAnswer(int answer);
    // Closes the open tree, first asking the question of the language text `key` (section
    // "otazky") whether to save it when it holds persons; true when the tree is closed.
    bool closeTreeAsking(const char* key, const char* defaultQuestion);
    // Adds a memo whose exit handler stores what the person typed (the frame adds its own two
    // first, the person editor its memos when it binds its handlers).
    void addMemoToCommit(TMemo& memo) override;

    // ================================================================ general tab (shell/general_page.cpp)
    // Fills the general tab from the tree.
    void showGeneralPage();
    void nazevEDChange();
    void autorEDChange();
    void vytvorenoEDChange();
    void spolupracovaliEDChange();
    void dalsiUdajeMEMOExit();

    // ================================================================ recent files (shell/recent_files.cpp)
    // A recent-file item: opens its tree, or tells that the file is gone (the entry stays).
    void openRecentFile(int index);

    // ================================================================ greeting, tips, quick texts (shell/greeting_and_tips.cpp, shell/quick_texts.cpp)
    // Fills and shows the tip window (the sign-up text during the first three starts).
    void showTipWindow();
    void Tip1Click();
    // The quick-text prompt for F9 (0) to F12 (3).
    void editQuickText(int index);
    // The key handler of the fields of the pages: Enter moves to the next field, F9 to F12
    // insert the quick texts. Nothing without a tree, nor without persons outside the general tab.
    void fieldKeyDown(TWinControl& control, int& key) override;

    // ================================================================ tree files (shell/hlavni_tree_files.cpp)
    // The wait window around long operations (shell/wait_window.h); WaitShown shows it for a
    // scope.
    void showWaitWindow() override;
    void hideWaitWindow() override;
    WaitWindow& waitWindow() override;
    void advanceWaitProgress(int step) override;
    // What the tree session shows through the window: the editor its trees report undo steps
    // to, and the status line.
    EditorPort& treeEditor() override { return *editor_; }
    void showStatusText(const std::string& text) override { StatusBar1.SimpleText = text; }

    // ================================================================ control state (shell/window_state.cpp)
    // The change handler of `pages`: refills the page that is active now from the tree, or from
    // the person shown through the editor; a failure is shown and the page keeps what it got.
    void pagesChange();
    // Composes the person-summary page of the current person.
    void showPersonSummary();

    // ================================================================ person list (shell/person_list_panel.h)
    // The window grown with its list (shell/window_growth.cpp).
    int roomToWiden() override;
    int roomToHeighten() override;
    void widenBesideList(int dx) override;
    void heightenBesideList(int dy) override;
    // After a tree was opened: today's anniversaries of its persons, one message each.
    void announceTodaysAnniversaries();

    // ================================================================ window texts (shell/)
    // Adds "file name - language name" of one language file of "data/lang/" to `lines`; a file
    // without a language name is not offered.
    void addLanguageEntry(TStringList& lines, const std::string& fileName);
    // The language command: the language window, and a switch to the chosen language.
    void Jazyk1Click();
    // Applies every window's texts from the language file, in the fixed order that decides the
    // order of a fresh language file's keys (shell/window_texts_order.cpp); run by loadLanguage.
    void applyWindowTexts();

    // ================================================================ search and anniversaries (shell/search_command.cpp, shell/anniversaries_commands.cpp)
    // The search dialog; a person chosen among those found becomes the current one.
    void Hledej1Click();
    // Makes the person of a list caption (display name with the identifier) the current one,
    // the first in the chain of that caption, when the person list shows it; otherwise nothing
    // changes.
    void showListedPerson(const std::string& caption) override;
    // The anniversaries window.
    void Vyroci1Click();

    // ================================================================ settings dialogs (shell/)
    // The limits dialog: the four limits and the father-death check into it, and back whatever
    // way it ends.
    void Kontroly1Click();
    // The colours dialog: the five relationship colours into it, and back when it ends with OK.
    void BarvyVztahu1Click();

    // ================================================================ links, texts, about box, archives (shell/)
    // Hooks the commands below to their menu items and buttons (from bindEvents).
    void bindShellCommands();
    // Hooks the handlers of the dialog windows (pick lists, text windows, about box, quiz) once
    // every window exists (first activation).
    void bindDialogEvents();
    // Back and forward through the visited persons (shell/visit_history.cpp); a person the list
    // does not show at the moment is not shown and the history stays where it was.
    void prevBTClick();
    void nextBTClick();
    // Help, the person's web pages and mail addresses, the about box (shell/help_links.cpp).
    void Napoveda2Click();
    void openHelp();
    void otevriWWW1BTClick();
    void otevriWWW2BTClick();
    void napis1BTClick();
    void napis2BTClick();
    void OProgramu1Click();
    void SeznamOsob1Click();
    void writePersonListLines(std::vector<std::string>& lines, const ListColumns& columns);
    // The person form: shown, printed for the shown person, for all, for those filled below a
    // share, or blank (shell/person_form.cpp).
    void Formular1Click();
    // Archives of a saved tree through the archiver (shell/archives.cpp); their menu items stay
    // disabled.
    void expRARClick();
    void impRARClick();
    // The archiver below the program folder.
    std::string archiverPath() const;

    // ================================================================ undo and redo (shell/undo_commands.cpp)
    void Zpet1Click();
    void Znovu1Click();
    // Enables undo and redo as the open tree's history allows.
    void updateUndoButtons() override;
    TextSource& texts() override { return *this; }
    std::string workingFolderPath() override { return workingFolder; }

    // ================================================================ what the window's commands use (shell/main_window_port.h)
    Rod* currentTree() override { return session.tree(); }
    Clovek* shownPerson() override { return editor_->shownPerson(); }
    Nastaveni& programSettings() override { return settings; }
    std::string programFolderPath() override { return programFolder; }
    // The pages added, each with its fill (shell/window_state.cpp).
    void addTreePage(TTabSheet& page, std::function<void()> fill) override;
    // Runs the fill of `page` when it was added; false when it was not.
    bool fillTreePage(TTabSheet* page);
    // The general tab or an added tree page: a page that shows no person.
    bool showsNoPerson(const TTabSheet* page) override;
    void addItemNeedingPersons(TMenuItem& item) override;
    // The persons listed.
    bool hasPersonList() override { return personList.hasView(); }
    void withListedPersonsByName(const std::function<void(const std::vector<Clovek*>&)>& use) override
    {
        personList.withPersonsByName(use);
    }
    void closeTreeAskingToSave() override { Zavrit1Click(); }
    // The tree adopted by the session, installLoadedTree, the focus on the list
    // (shell/open_close_tree.cpp).
    void installImportedTree(std::unique_ptr<Rod> imported) override;

    // ================================================================ what the person editor uses (shell/person_editor_port.h)
    PersonListPanel& personListPanel() override { return personList; }
    PrevNext* visitHistory() override { return history.get(); }
    bool isNavigatingHistory() override { return navigatingHistory; }
    const std::string& allPersonsEntry() override { return allPersonsGroupName; }

    // ================================================================ the person editor (shell/person_editor_part.h)
    // The person list's wish to show a person, and its heading, go to the editor.
    void showPerson(Clovek* person) override { editor_->showPerson(person); }
    void updateHeading() override { editor_->updateHeading(); }

    struct TreePage {
        TTabSheet* page;
        std::function<void()> fill;
    };
    std::vector<TreePage> treePages_;
    std::vector<TMenuItem*> itemsNeedingPersons_;
    std::vector<TMemo*> memosToCommit_;
    PersonEditorPart* editor_ = nullptr;
};

// The one main window of the program, as the class library's global names it; the frame of
// the composed window (app/main_window.h).
extern MainFrame* hlavni;
