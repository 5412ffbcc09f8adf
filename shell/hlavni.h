#pragma once
// The main window: its layout (ThlavniForm), the state every subsystem shares and the
// operations of every subsystem on it. One declaration, many files: a member function is
// defined in the folder of its subsystem (shell/, editor/, reports/, gedcom/), in a file
// named after what it does. Add members to the section of their subsystem.
#include "forms/hlavni_form.h"
#include "model/editor_port.h"
#include "model/life_checks.h"
#include "model/media_lists.h"
#include "model/text_source.h"
#include "shell/settings.h"
#include "storage/tree_file_format.h"
#include "storage/tree_loader.h"
#include "storage/tree_lock.h"
#include "shell/wait_window.h"

#include <memory>
#include <string>
#include <vector>

class Rod;
class Clovek;
class PersonTextField;
class LanguageFile;
// Types whose headers other parts of the program bring; held by pointer here.
class Scroll;    // the person list view
class Polozka;   // one row of it
class PrevNext;  // the visit history

class TStringList;
class Datum;
class Svatba;
class SparseText;
class TWinControl;
class TImage;
struct TPicture;
struct SaveResult; // what a save did (storage/tree_writer.h)
class WorkingFolderClaim;

// The main window is the model's text source: it hands out the texts of whichever language
// file is loaded at the moment.
// It is also the person editor the undo history replays its steps through.
class Thlavni : public ThlavniForm, public TextSource, public EditorPort {
public:
    Thlavni();
    ~Thlavni() override;
    Thlavni(const Thlavni&) = delete;
    Thlavni& operator=(const Thlavni&) = delete;

    // ================================================================ shared state
    // The open tree, or none. Owned; made when a tree is opened or created, freed when closed.
    std::unique_ptr<Rod> tree;
    // This running copy's own folder below program folder + "temp/" (storage/working_folders.h);
    // empty until the first activation.
    std::string workingFolder;
    // The person list view over the tree, or none (freed with the tree).
    std::unique_ptr<Scroll> personList;
    // The row of the selected person, or none.
    Polozka* currentRow = nullptr;
    // The person shown in the editor, or none. Belongs to the tree.
    Clovek* currentPerson = nullptr;
    // The visit history of the open tree, or none (freed with the tree).
    std::unique_ptr<PrevNext> history;
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
    // Sets `showingPerson` while it lives and gives it back its former value at the end, also
    // when an exception passes, so a fill that fails never leaves the handlers switched off.
    class ShowingPerson {
    public:
        explicit ShowingPerson(Thlavni& main) : flag_(main.showingPerson), was_(flag_) { flag_ = true; }
        ~ShowingPerson() { flag_ = was_; }
        ShowingPerson(const ShowingPerson&) = delete;
        ShowingPerson& operator=(const ShowingPerson&) = delete;

    private:
        bool& flag_;
        bool was_;
    };
    // Set by the previous/next buttons, so showing a person adds no visit.
    bool navigatingHistory = false;
    // Height of one person list row in pixels.
    static constexpr int personListRowHeight = 15;

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
    // What every way out does once: the open tree dropped unsaved, the settings saved, the
    // marker deleted, the working folder cleared. Close runs it; the program runs it again
    // after its loop, for the ways out that end the loop without a close (a stop signal, the
    // screenshot hook), and then it does nothing more.
    void endRun();
    bool runEnded = false;
    // Start-up step: the tree file named by the first command-line argument, when it exists.
    void openCommandLineTree();
    // Set when the person quits at the double-start warning: another copy may be running, so
    // the close must leave its settings file and working folder alone.
    bool leaveRunningCopyAlone = false;
    // The claim on this copy's working folder, held from the first activation to the close.
    std::unique_ptr<WorkingFolderClaim> workingFolderClaim;

    // ================================================================ questions (shell/questions.cpp)
    // The yes/no question: true on yes; Esc answers no.
    bool askYesNo(const std::string& question);
    // The yes/no/cancel question: 6 yes, 7 no, 2 cancel.
    int askYesNoCancel(const std::string& question);

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
    // Stores every memo the person changed (memos store their text only when left) before the
    // tree is saved or closed.
    void commitMemos();

    // ================================================================ general tab (shell/general_page.cpp)
    // Fills the general tab from the tree.
    void showGeneralPage();
    void nazevEDChange();
    void autorEDChange();
    void vytvorenoEDChange();
    void spolupracovaliEDChange();
    void dalsiUdajeMEMOExit();

    // ================================================================ recent files (shell/recent_files.cpp)
    // Shows the four recent-file items of the tree menu as the settings list them.
    void updateRecentFilesMenu();
    // A recent-file item: opens its tree, or tells that the file is gone (the entry stays).
    void openRecentFile(int index);
    // Opens the tree stored in `path`, asking first whether to save an open tree with persons.
    void openTreeFile(const std::string& path);

    // ================================================================ greeting, tips, quick texts (shell/greeting_and_tips.cpp, shell/quick_texts.cpp)
    // The greeting of 1 January, 24 and 31 December; nothing on other days.
    void showDateGreeting(const Datum& today);
    // Fills and shows the tip window (the sign-up text during the first three starts).
    void showTipWindow();
    void Tip1Click();
    // A random line of the tip file of the language; the sign-up text without one.
    std::string tipText();
    // The tip file beside the language file: "data/lang/" + its name without extension + ".tip".
    std::string tipFilePath();
    // The quick-text prompt for F9 (0) to F12 (3).
    void editQuickText(int index);
    // "F9 " to "F12 " followed by each quick text.
    void updateQuickTextMenu();
    // Replaces the selection of a plain edit or of an editable combo box by `text`; any other
    // control, also one derived from these, is left alone.
    void insertQuickText(TWinControl& control, const std::string& text);
    // The key handler of the fields of the pages: Enter moves to the next field, F9 to F12
    // insert the quick texts. Nothing without a tree, nor without persons outside the general tab.
    void fieldKeyDown(TWinControl& control, int& key);

    // ================================================================ tree files (shell/hlavni_tree_files.cpp)
    // Empties the working folder and makes it again with its four media subfolders.
    void resetWorkingFolder();
    // The wait window around long operations (shell/wait_window.h).
    void showWaitWindow();
    void advanceWaitProgress(int step);
    void hideWaitWindow();
    WaitWindow& waitWindow();
    // Shows the wait window while it lives and hides it at the end, also when an exception
    // passes.
    class WaitShown {
    public:
        explicit WaitShown(Thlavni& main) : main_(main) { main_.showWaitWindow(); }
        ~WaitShown() { main_.hideWaitWindow(); }
        WaitShown(const WaitShown&) = delete;
        WaitShown& operator=(const WaitShown&) = delete;

    private:
        Thlavni& main_;
    };
    // Opening and closing (shell/open_close_tree.cpp).
    // Reads the tree file with the loader its version line calls for, inside the wait window,
    // builds and sorts the person list and shows the person saved as active. Answers 0 when the
    // tree is open and 1 when the file was refused (too old, not a tree file, damaged or
    // unreadable): the person has been told why and no tree is open.
    int openTree(const std::string& fileName);
    // The first steps of an open (also of an import): an empty working folder, the tree made
    // the open one, attached to this window for undo, with a new visit history.
    void adoptTree(std::unique_ptr<Rod> newTree);
    // The steps of an open once the tree is read (also for an imported tree): identifiers, the
    // person list, child and sibling lists, the person shown, sorting and the active page.
    void installLoadedTree();
    // A new empty tree with its person list and visit history; no tree may be open.
    void createEmptyTree();
    // Replaces the person list view by an empty one of as many rows as the grid shows.
    void newPersonList();
    // Stores the memos, frees the tree and puts the window into its no-tree state.
    void closeTree();
    // Frees the tree, its person list and visit history, forgets the current person and row,
    // and empties the working folder.
    void closeTreeData();
    // What the tree-file functions of storage/ need of this window.
    TreeFileEnvironment treeFileEnvironment();
    // Writes the open tree to its file and swaps in its new companion folder, inside the wait
    // window; the file goes to the front of the recent files. True when saved; otherwise the user
    // has been told what failed and the old file and folder are as they were. A tree without a
    // file name is not saved (Save As gives it one first).
    bool saveTree();
    // Tells the person what a save or a load met (storage/ reports, this window tells): a save
    // that failed, media missing from the working folder or from a companion folder, old media
    // that could not be converted.
    void tellSaveResult(const SaveResult& result);
    void tellLoadReport(const LoadReport& report);
    // The file the open tree was read from or last saved to; empty for a new tree.
    std::string treeFileOnDisk;
    // Media whose stored copies the open tree's folder lacked when it was opened (names as
    // "foto/foto3.jpg"): the person was told then, a save does not tell again.
    std::vector<std::string> mediaMissingAtOpen;
    // ------------------------------------------------ the tree file's lock (shell/tree_file_hold.cpp)
    // The lock of the open tree's file, held from its open to its close; `savingHold` takes the
    // lock of a new name for the length of a save under it.
    TreeFileHold treeHold;
    TreeFileHold savingHold;
    // Before a tree is read: false (the person told) when another running copy has it open.
    bool claimTreeFile(const std::string& fileName);
    // Before a save: false (the person told or asked) when the save must not go ahead: another
    // copy has the file open, or another program changed it and the person keeps that change.
    bool mayWriteTreeFile();
    // After a load or a successful save: the file as it is now is this copy's.
    void treeFileIsOurs();
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

    // ================================================================ control state (shell/window_state.cpp)
    // Puts the window into its no-tree, empty-tree or tree state: the list panel, the tabs, the
    // menu items and tool buttons that need a tree or persons.
    void enableControls(bool treeOpen, bool hasPersons);
    // The change handler of `pages`: refills the page that is active now from the current person
    // or the tree. `showingPerson` is set meanwhile and restored afterwards, also when the fill
    // fails; a failure is shown and the page keeps what it got.
    void pagesChange();
    // Refills the active page (pagesChange).
    void refreshPage();
    // Composes the person-summary page of the current person.
    void showPersonSummary();
    // Puts the lines (when given) into a report text of the summary or statistics tab, and makes
    // the whole text take the Central European character set.
    void showReportText(TRichEdit& rich, const std::vector<std::string>* lines);
    // The supplementary texts of the current person into their memo.
    void showTextsAndFiles();
    // Leaving the supplementary-texts memo stores its lines as the current person's texts.
    void doplnujiciTextyMEMOExit();

    // ================================================================ person list (shell/person_list.cpp)
    // Set while the list moves its scroll bar to follow the selection, so the bar's change
    // handler does not feed the position back.
    bool ensuringVisible = false;
    // Hooks the list's controls to their handlers (from the constructor).
    void bindPersonListEvents();
    // Makes the grid, the bar and the group box below them taller by whole rows on a screen
    // higher than 768 pixels.
    void fitPersonListToScreen();
    // Widens (or with a negative `dx` narrows) the person list; everything right of it moves
    // with the window's right edge, so no page is cut. Kept in the settings.
    void widenPersonList(int dx);
    // The list settings into the sort, direction and display controls.
    void restoreListOptions();
    // Paints the list when there is one.
    void paintPersonList();
    // Page Up, Page Down, Up and Down move the selection; every key then scrolls it into view
    // and repaints. Only with a tree that has persons.
    void personListKey(int key);
    void scrollingDrawCell();
    void setridClick();
    void trideniBTClick();
    void scrollingKeyDown(int& key, TShiftState shift);
    void FormKeyDown(int& key, TShiftState shift);
    void scrollingMouseDown(TMouseButton button, TShiftState shift, int x, int y);
    void scrollingBarChange();
    void FormMouseWheel(TShiftState shift, int wheelDelta, int x, int y, bool& handled);
    void scrollingMouseWheelUp(TShiftState shift, int x, int y, bool& handled);
    void scrollingMouseWheelDown(TShiftState shift, int x, int y, bool& handled);
    void zobrazitCisloClick();
    void zobrazitNarozeniClick();
    void zobrazitProcentaClick();
    void zobrazitRodneClick();
    // After a tree was opened: today's anniversaries of its persons, one message each.
    void announceTodaysAnniversaries();

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
    // The window-text appliers; loadLanguage runs them in this order and nothing else calls them.
    void applyMenuTexts();
    void applyQuickButtonTexts();
    void applyListPanelTexts();
    void applyGeneralPageTexts();
    void applyBasicPageTexts();
    void applyFurtherDataPageTexts();
    void applyPhotosPageTexts();
    void applyDocumentsPageTexts();
    void applyTextsAndFilesPageTexts();
    void applySummaryPageTexts();
    void applyStatisticsPageTexts();
    void applyAboutBoxTexts();
    void applyColoursDialogTexts();
    void applyDoubleStartTexts();
    void applyDialogTexts();
    void applySearchDialogTexts();
    void applyTextExportDialogTexts();
    void applyToleranceDialogTexts();
    void applyWeddingAnniversaryTexts();
    void applyHtmlOptionsTexts();
    void applyGroupsDialogTexts();
    void applyGedcomImportTexts();
    void applyBulkDeleteTexts();
    // The caption of the sort-direction button for the direction now set (one lookup).
    std::string sortDirectionCaption();

    // ================================================================ search and anniversaries (shell/search_command.cpp, shell/anniversaries_commands.cpp)
    // The search dialog; a person chosen among those found becomes the current one.
    void Hledej1Click();
    // The two searches of the dialog over the open tree, into its list of persons found.
    void searchText();
    void searchDate();
    // Makes the person of a list caption (display name with the identifier) the current one,
    // the first in the chain of that caption, when the person list shows it; otherwise nothing
    // changes.
    void showListedPerson(const std::string& caption);
    // The anniversaries window.
    void Vyroci1Click();

    // ================================================================ settings dialogs (shell/)
    // The limits dialog: the four limits and the father-death check into it, and back whatever
    // way it ends.
    void Kontroly1Click();
    // The colours dialog: the five relationship colours into it, and back when it ends with OK.
    void BarvyVztahu1Click();

    // ================================================================ links, texts, about box, archives (shell/)
    // Hooks the commands below to their menu items and buttons (from the constructor).
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
    void SeznamOsob1Click();
    void buildPersonListHierarchical(std::vector<std::string>& lines, const ListColumns& columns);
    void buildPersonList(std::vector<std::string>& lines, const ListColumns& columns);
    void buildPersonListSorted(std::vector<std::string>& lines, const ListColumns& columns);
    void writePersonListLines(std::vector<std::string>& lines, const ListColumns& columns);
    // The value right-aligned in `width` characters, never cut; an undeterminable date is blank.
    std::string padColumn(const std::string& value, int width);
    // The person form: shown, printed for the shown person, for all, for those filled below a
    // share, or blank (shell/person_form.cpp).
    void Formular1Click();
    // Archives of a saved tree through the archiver (shell/archives.cpp); their menu items stay
    // disabled.
    void expRARClick();
    void impRARClick();
    // The archiver below the program folder.
    std::string archiverPath() const;

    // ================================================================ person editor (editor/)
    // Makes the person the current one with `showingPerson` set meanwhile: a person page
    // becomes the active one (from the general and statistics tabs), is refilled, the visit is
    // recorded unless moving through the history, the heading follows and the list is repainted.
    void showPerson(Clovek* person);
    // Refills the groups combo (the all-persons entry first, then the tree's groups) and
    // selects `groupName` (empty: the all-persons entry).
    void fillGroupsCombo(const std::string& groupName);
    // Fill the basic-data, further-data, photos and documents pages from the current person.
    void showBasicPage();
    void showFurtherFields();
    void showPhotosTab();
    void showDocumentsTab();
    // The heading above the pages: the current person's full name and birth year, then the
    // tab-contents note.
    void updateHeading();
    // The note naming the current person's pages that hold something.
    void updateTabContentsLabel();
    // Enables undo and redo as the open tree's history allows.
    void updateUndoButtons();

    // ---------------------------------------------------------------- basic-data page (editor/)
    // Hooks the page's fields to their handlers (from the constructor).
    void bindBasicPageEvents();
    void bindDateEvents();
    // The names and titles (editor/name_fields.cpp): each keystroke is stored, re-sorts the list
    // where the field shows in it and refreshes the heading; entering a box offers the values
    // the tree's persons have; leaving a surname box ending like a woman's makes a man a woman.
    void jmenoCBChange();
    void prijmeniCBChange();
    void rodnePrijmeniCBChange();
    void titulPredCBChange();
    void titulZaCBChange();
    void jmenoCBExit();
    void prijmeniCBExit();
    void rodnePrijmeniCBExit();
    // The sex box (editor/sex_field.cpp): refused, with a message, for a person with a partner or
    // a child.
    void pohlaviCBChange();
    // The text of `box` into the current person's `field`, with one undo step per run of
    // keystrokes under `key`.
    void storeTextField(PersonTextField field, const char* key, const TComboBox& box,
                        bool showsInList);
    // sortPersonList after an edit that changed only this person (shell/undo_commands.cpp).
    void sortPersonListAfterEditOf(const Clovek* person);
    // The drop-down items of `box` from one of the tree's value lists; the text stays.
    // With `field`, the list made from that person field alone is the one the tree keeps.
    void fillValueList(TComboBox& box, void (Rod::*values)(TStringList&) const,
                       SparseText Clovek::*field = nullptr);
    void makeWomanBySurname();
    // The birth and death dates (editor/date_fields.cpp); `birth` picks the date, `part` is 'd',
    // 'm' or 'r' for the day, month or year box.
    void dateYearChange(bool birth);
    void dateDayMonthChange(bool birth, char part);
    // The day list as the date's month and year allow.
    void dayBoxEnter(bool birth);
    // Puts a stored part back into an emptied box, limits the day when the month or year was
    // left, checks the date and shows its weekday.
    void datePartExit(bool birth, char part);
    // The "?" button: the whole date unknown, after the question.
    void setDateUnknown(bool birth);
    // The about box: approximate with the tolerance chosen in the tolerance dialog.
    void aboutBoxMouseUp(bool birth);
    void zivaZesnulaCHClick();
    // The checks of the current person's birth or death date (editor/life_date_checks.cpp): true
    // when every rule passes; otherwise the message of the first rule that fails is shown, the
    // edited part becomes "?" and the page is refilled.
    bool checkBirthDate(char part);
    bool checkDeathDate(char part);
    LifeLimits lifeLimits() const;
    bool passLifeCheck(const DateCheck& check, Datum& date, const char* noteKey, const char* noteText, char part);

    // ---------------------------------------------------------------- family and partnerships (editor/)
    // Hooks the parents, children, siblings and partnership controls to their handlers.
    void bindFamilyEvents();
    void bindPartnershipEvents();
    // Parents (editor/parents.cpp). Combo items carry their person, so two persons of one
    // display text stay two choices.
    void fillFatherCombo();
    void fillMotherCombo();
    void selectFatherInCombo();
    void selectMotherInCombo();
    // The page shows each parent with the not-given entry only; entering a box fills it.
    void showParentCombos();
    void otecCBEnter();
    void matkaCBEnter();
    void otecCBChange();
    void matkaCBChange();
    void otecBTClick();
    void matkaBTClick();
    // Sets or removes the current person's father (`father`) or mother after the questions, the
    // date check and the cycle test; one undo step for a change made.
    void changeParent(bool father);
    // Jumps to the father (mother), or offers to create one.
    void parentButtonClick(bool father);
    // Children and siblings (editor/children_siblings.cpp). Rows carry their person.
    void fillChildrenList();
    void fillSiblingsList();
    void detiLISTClick();
    void detiLISTDblClick();
    void sourozenciLISTDblClick();
    void vytvorDiteBTClick();
    void vytvorSourozenceBTClick();
    void odeberDiteBTClick();
    // The persons that may become children of the current person, with their display texts.
    void childCandidates(TStringList& list);
    // Assigning existing persons as children (editor/assign_children.cpp).
    void priradDiteBTClick();
    // Makes the current person the parent of `child` after its question; false when nothing
    // changed. `partner` (assigning the partner's children): a link it holds is left to it.
    // `listed`: the child was picked from the list, which words the questions its own way.
    bool assignChild(Clovek* child, Clovek* partner, bool listed);
    // Selects the person's row in the person list and shows the person.
    void goToPerson(Clovek* person);
    // The person of a list row, or none.
    static Clovek* personOfRow(const TStringList& items, int row);
    // Partnerships tab (editor/partnerships_tab.cpp).
    Svatba* currentPartnership();
    void showPartnershipControls(bool general, bool wedding, bool divorce);
    void partneriLISTDblClick();
    void nahoruSvatbaBTClick();
    void doluSvatbaBTClick();
    void oddaniCHECKClick();
    void rozvedeniCHECKClick();
    void smazSvatbuBTClick();
    // Adding and changing a partner (editor/partner_commands.cpp).
    void vytvorSvatbuBTClick();
    void zmenPartneraBTClick();
    // Fills the partner dialog with every person of the other sex than `person`; 1 OK or a
    // double-click, 6 a new person, anything else no choice. The chosen person into `chosen`.
    int choosePartner(const Clovek& person, Clovek*& chosen);
    // The fields of the selected partnership (editor/partnership_fields.cpp); `divorce` picks the
    // date, `part` is 'd', 'm' or 'r'.
    void svatbaMistoCBChange();
    void oddavajiciKnezEDChange();
    void svedkoveEDChange();
    void partnershipTextChange(SparseText Svatba::*field, const char* key, const std::string& text);
    void partnershipDayMonthChange(bool divorce, char part);
    void partnershipYearChange(bool divorce);
    void partnershipDayEnter(bool divorce);
    void partnershipDateExit(bool divorce, char part);
    void setPartnershipDateUnknown(bool divorce);
    void svatbaAsiMouseUp();
    // The wedding and divorce checks (editor/life_date_checks.cpp): true when every rule
    // passes; otherwise the edited part becomes "?", the message is shown and the partner area
    // is refilled on its first row.
    bool checkWeddingDate(char part);
    bool checkDivorceDate(char part);
    // The partnership summary (editor/partnership_summary.cpp).
    void shrnutiSvatbyBTClick();
    void buildPartnershipSummary(TStringList& lines, Svatba* partnership);
    void ulozitShrnutiBTClick();

    // ---------------------------------------------------------------- person commands (editor/person_commands.cpp, editor/person_lock.cpp)
    void bindPersonCommandEvents();
    // A new person with the defaults, added to the tree and the list, shown on the basic-data
    // page with the caret in the first name; one undo step that deletes it again after asking.
    void Nova1Click();
    void Vymaz1Click();
    // Empties the history (outside a replay), asks, and deletes the shown person on yes; true
    // when it was deleted.
    bool confirmDeletePerson() override;
    // Takes the shown person out of the visit history, the tree and the list, and shows the
    // person visited before (within the list's group), or the one now at the same place; with
    // none left the window goes to its empty-tree state. `bulk` makes the next person current
    // without showing it.
    void deleteCurrentPerson(bool bulk);
    // After the current person (or many) left the tree and the list: the person visited before
    // within the list's group, else the row now at the selected place; with no row the list
    // falls back to every person, and with no person the window goes to its empty-tree state.
    void selectPersonAfterDeletion(bool bulk);
    // The bulk-deletion window with no person marked (editor/bulk_delete.cpp).
    void HromadneMazani1Click();
    // Rebuilds the person list from the group chosen in `skupinyCB` (every person for the
    // all-persons entry), sorted, with the current person's row selected (editor/group_combo.cpp).
    void filterListByGroup();
    // The lock box: stores the lock, refills the page and records one step.
    void zamekCHClick();
    // Disables the controls of the person's data on the basic-data (further-data) page while
    // the person is locked.
    void setPersonLockState();
    void setFurtherDataLockState();

    // ---------------------------------------------------------------- undo and redo (shell/undo_commands.cpp)
    void Zpet1Click();
    void Znovu1Click();
    // Empties the open tree's history and disables undo and redo.
    void clearChangeHistory();
    // What the undo history replays its steps through. The field operations find a field's
    // control by the name that belongs to the step's key; a control that is not on the pages
    // yet is passed over.
    void setUndoReplaying(bool replaying) override;
    void showEditorPage(EditorPage page) override;
    void showPersonOfStep(Clovek* person) override;
    void showPartnershipOfStep(Svatba* partnership) override;
    void putFieldText(const std::string& key, const std::string& text) override;
    void putFieldFlag(const std::string& key, bool value) override;
    void putAboutFlag(const std::string& key, bool about, int tolerance) override;
    void putDate(const std::string& key, const Datum& date) override;
    void focusField(const std::string& key) override;
    std::vector<std::string> memoLines(const std::string& key) override;
    void putMemoLines(const std::string& key, const std::vector<std::string>& lines) override;
    void showUserCaption(int field, const std::string& caption) override;
    void refreshPercentFilled(Clovek* person) override;
    void sortPersonList() override;
    TextSource& texts() override { return *this; }
    std::string workingFolderPath() override { return workingFolder; }
    // The partner area of the current person with row `row` selected, and the selected
    // partnership into its controls (editor/partnerships_tab.cpp).
    void showPartnership();
    void fillPartnerList(int row) override;
    // The shown person's residence, education and occupation lists (editor/life_periods.cpp).
    void fillResidenceList(int row) override;
    void fillEducationList(int row) override;
    void fillOccupationList(int row) override;
    // The portrait frame and its insert-or-change button (shell/portrait_display.cpp).
    void showPortrait() override;
    // The date checks of a parent and a child, or of two partners (shell/date_checks.cpp): true
    // when every rule passes; otherwise the message of the first rule that fails is shown.
    bool checkFatherDates(const Clovek& father, const Clovek& child, int minAge);
    bool checkMotherDates(const Clovek& mother, const Clovek& child, int minAge);
    bool checkPartnershipDates(const Clovek& a, const Clovek& b, const Svatba* partnership);

    // ---------------------------------------------------------------- kinship menus (editor/kinship_menu.cpp)
    // Hooks the items of the relatives submenu to their queries (from the constructor).
    void bindKinshipMenu();
    // The relatives window with its heading, the relation and the count over what the query
    // listed; a double-clicked person becomes the current one.
    void showRelatives(const std::string& relation);

    // ---------------------------------------------------------------- groups (editor/group_*.cpp)
    // Hooks the group box and the two group buttons to their handlers (from the constructor).
    void bindGroupEvents();
    void skupinyCBChange();
    // The groups of the shown person, each tick acting at once; the list follows afterwards.
    void skupinyBTClick();
    // The group manager; afterwards the page is refilled and the group box keeps its group
    // while that still exists.
    void spravceSkupinBTClick();
    void fillGroupManagerLists();
    // The manager's groups, with the one of that name selected and its members shown (empty:
    // none selected).
    void selectManagedGroup(const std::string& name);
    // Every person in the manager's member list, ticked when a member of the selected group.
    void showManagedGroupMembers();

    // ---------------------------------------------------------------- bulk delete (editor/bulk_delete.cpp)
    // Deletes every marked person after the history was emptied and the tree detached from its
    // file, with the wait window up; then shows the person left current. A locked person stays;
    // answers how many marked persons stayed so.
    int deleteMarkedPersons();

    // ---------------------------------------------------------------- life periods (editor/life_periods.cpp)
    // The residence, education and occupation lists of the basic-data page, one design.
    enum class PeriodList { residences, educations, occupations };
    void bindLifePeriodEvents();
    // Refills the list from the current person with `row` selected (-1: none), then the buttons.
    void fillPeriodList(PeriodList which, int row);
    // Edit and delete need a selected row of an unlocked person; up and down a row to move past.
    void updatePeriodButtons(PeriodList which);
    void updateResidenceButtons() { updatePeriodButtons(PeriodList::residences); }
    void updateEducationButtons() { updatePeriodButtons(PeriodList::educations); }
    void updateOccupationButtons() { updatePeriodButtons(PeriodList::occupations); }
    // The new, edit and delete buttons (undoable) and the up and down buttons (not recorded).
    void newPeriodEntry(PeriodList which);
    void editPeriodEntry(PeriodList which);
    void deletePeriodEntry(PeriodList which);
    void movePeriodEntry(PeriodList which, bool up);

    // ---------------------------------------------------------------- portrait (editor/portrait.cpp)
    void bindPortraitEvents();
    void vlozHlavaBTClick();
    void ulozHlavaBTClick();
    void odeberHlavaBTClick();

    // ---------------------------------------------------------------- further data (editor/further_page.cpp)
    void bindFurtherPageEvents();
    // A text field of the page into the current person, one undo step per run of keystrokes.
    // An edit's handler also runs while the page is filled, and then records nothing.
    void furtherTextChange(PersonTextField field, const char* key, const std::string& text,
                           bool isEdit);
    // "Definuj" of user field 1 to 5: the caption for the whole tree.
    void userCaptionBTClick(int field);
    void idZmenBTClick();
    void matrikyMEMOEnter();
    void matrikyMEMOExit();
    void doplnujiciTextyMEMOEnter();
    void ulozNaDiskTextyBTClick();

    // ---------------------------------------------------------------- photo, document and file tabs (editor/media_tabs.cpp)
    // The record each tab shows, or none; showing another person or closing the tree drops them.
    MediaRecord* currentPhoto = nullptr;
    MediaRecord* currentDocument = nullptr;
    MediaRecord* currentFile = nullptr;
    void bindMediaTabEvents();
    MediaRecord*& currentMedia(MediaKind kind);
    // The tab's fill: with none current, the person's list sorted and its first record current;
    // the list box, the selection and the details.
    void showMediaTab(MediaKind kind);
    // The file part of the supplementary texts and files tab.
    void showFilesPart() { showMediaTab(MediaKind::File); }
    void showMediaDetails(MediaKind kind);
    void enableMediaDetails(MediaKind kind, bool enabled);
    // The sort radio, the list click, name and year typed, the comment memo left.
    void mediaSortClick(MediaKind kind);
    void mediaListClick(MediaKind kind);
    void mediaNameOrYearChange(MediaKind kind, bool year);
    void mediaCommentExit(MediaKind kind);
    void komentarFotoMEMOExit() { mediaCommentExit(MediaKind::Photo); }
    void komentarDokMEMOExit() { mediaCommentExit(MediaKind::Document); }
    void komentarSouborMEMOExit() { mediaCommentExit(MediaKind::File); }
    // The buttons.
    void openMedia(MediaKind kind);
    void saveMediaToDisk(MediaKind kind);
    void insertMedia(MediaKind kind);
    void removeMedia(MediaKind kind);
    void assignMedia(MediaKind kind);
    // A JPEG file shown in the image, shrunk to fit it; a copy that cannot be read shows nothing.
    void loadImageScaled(const std::string& fileName, TImage& image);
    // The picture an image shows, saved as BMP or JPEG by the extension the person gives.
    void savePictureToDisk(const TPicture& picture);
    // A copy of the record's stored file under a name the person chooses.
    void saveFileToDisk(const Soubor& file);
    // What the person is told when a picture chosen for insertion cannot be read, a file cannot
    // be copied in, or a copy cannot be written where they chose.
    void tellPictureNotRead(const std::string& path);
    void tellFileNotInserted(const std::string& path);
    void tellFileNotSaved(const std::string& path);

    // ================================================================ statistics and exports (reports/)
    // Recomposes the statistics text of the open tree.
    void showTreeStatistics();
    // --- statistics tab and the save and print of the person summary (reports/statistics_page.cpp)
    // Hooks the buttons of the statistics and person-summary tabs to their handlers.
    void bindStatisticsEvents();
    // The tables of births, deaths and weddings by month and weekday and of first names.
    void showStatisticsTables();
    void zakladniPrehledBTClick();
    void tabulkyBTClick();
    // Save: the lines of the tab's text as a UTF-8 file of the person's choice, replacing
    // an old one only whole; a failure is shown. Print: the text as a print job.
    void ulozitStatistikyLipovetauBTClick();
    void ulozitStatistikuOsobyBTClick();
    void tiskStatistikyLipovetauBTClick();
    void tiskStatistikyOsobyBTClick();
    void saveRichEditLines(const TRichEdit& rich);
    void printRichEdit(TRichEdit& rich, const std::string& jobName);
    // -- web export (reports/web_export_command.cpp)
    // The web export command: the options, the location and the subfolder name (re-asked
    // while it is not a plain name or the user declines to replace an existing folder), then
    // the site.
    void HTMLstranky1Click();
    // Replaces the folder `folder` by the site of the person list's rows in name order, tells
    // where it starts and opens it; a failure is told with how far the export got.
    void writeHtmlSite(const std::string& folder);
    // -- web page of one person (reports/single_person_page_command.cpp): the shown person's page
    // at a file of the person's choice, its portrait in "foto" beside it; a failure names the file.
    void HTMLstranka1Click();
    // -- chart viewer (reports/chart_viewer_command.cpp)
    // The button and "Spustit Lineskop": the tree handed over when a person is shown, else the
    // viewer started bare. The four charts: the tree handed over and the chart asked for.
    void LineskopBTClick();
    void SpustitLineskop1Click();
    void RodovyVyvod1Click();
    void AgnatniVyvod1Click();
    void RozrodKmene1Click();
    void VyvodARozrod1Click();
    // The exchange file and the portrait copies in the viewer's folder. Raises when they cannot
    // be written.
    void writeLineskopIni();
    // The tree handed over (a failure is shown and nothing started), then the viewer with chart
    // `chart` (0: none).
    void handOverToLineskop(int chart);
    // Starts the viewer in its folder; a viewer that is missing or does not start is told.
    void startLineskop(const std::vector<std::string>& arguments);
    // -- delimited text export (reports/text_export_command.cpp)
    void expTXTClick();
    // -- anniversary calendar (reports/calendar_command.cpp): "kalendar.txt" in the working
    // folder, the request to save it elsewhere, and the file opened.
    void Kalendar1Click();

    // ================================================================ GEDCOM (gedcom/)
    // --- export (gedcom/export_command.cpp)
    // Export, GED: the open tree as a GEDCOM file of the person's choice; a failure is shown and
    // no success is announced.
    void expGEDClick();
    // The import command (gedcom/import_command.cpp): the open tree closed, a file and the
    // surname options chosen, the file imported into a new tree installed as an opened one, and
    // the outcome told with where the log is.
    void impGEDClick();
};

// The one main window of the program, as the class library's global names it.
extern Thlavni* hlavni;
