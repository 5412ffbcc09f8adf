#pragma once
// The person editor: the pages that show and change one person (basic data, family and
// partnerships, further data, photos, documents, texts and files), the person commands (new,
// delete, bulk delete, lock), the groups, the kinship menu and the bulk fill, and the undo
// history's replay into those pages. The window owns it (app/main_window.h) and hands it the
// layout whose person pages and menus it fills and binds; the person shown and the media records
// shown are its own. It reaches the rest of the window through PersonEditorPort
// (shell/person_editor_port.h) and answers the frame through PersonEditorPart
// (shell/person_editor_part.h). Its members are defined in editor/, in files named after what
// they do; they are public for the free helpers of those files.
#include "forms/hlavni_form.h"
#include "model/life_checks.h"
#include "model/media_lists.h"
#include "model/note_lines.h"
#include "model/person_text_field.h"
#include "shell/person_editor_part.h"
#include "shell/person_editor_port.h"
#include "shell/person_list_panel.h"
#include "shell/settings.h"
#include "shell/wait_window.h"

#include <cstdint>
#include <string>
#include <vector>

enum class PersonField : uint8_t;
class Rod;
class Svatba;
class TStringList;
class TWinControl;
class TextSource;

class PersonEditor : public PersonEditorPart {
public:
    PersonEditor(PersonEditorPort& frame, ThlavniForm& layout);
    PersonEditor(const PersonEditor&) = delete;
    PersonEditor& operator=(const PersonEditor&) = delete;

    // ================================================================ what the editor works in
    PersonEditorPort& port;
    // The window's layout and the person pages the editor fills.
    ThlavniForm& window;
    ZakladniSheet& zakladniSheet;
    DalsiSheet& dalsiSheet;
    FotkySheet& fotkySheet;
    DokumentySheet& dokumentySheet;
    DoplnujiciSheet& doplnujiciSheet;
    Nastaveni& settings;
    PersonListPanel& personList;
    // The open tree, or none.
    Rod* tree() { return port.currentTree(); }
    // The standard lookup in the language file.
    std::string langText(const std::string& section, const std::string& key, const std::string& defaultText);

    // The person shown, or none. Belongs to the tree.
    Clovek* currentPerson = nullptr;
    // Set while an undo or redo is replayed; handlers then record nothing.
    bool undoReplaying = false;
    // Set while a person's values are put into the editor's controls; change handlers then
    // store, sort and record nothing.
    bool showingPerson = false;
    // Sets `showingPerson` while it lives and gives it back its former value at the end, also
    // when an exception passes, so a fill that fails never leaves the handlers switched off.
    class ShowingPerson {
    public:
        explicit ShowingPerson(PersonEditor& editor) : flag_(editor.showingPerson), was_(flag_)
        {
            flag_ = true;
        }
        ~ShowingPerson() { flag_ = was_; }
        ShowingPerson(const ShowingPerson&) = delete;
        ShowingPerson& operator=(const ShowingPerson&) = delete;

    private:
        bool& flag_;
        bool was_;
    };
    // The record each media tab shows, or none. They point into the tree, so they go with the
    // person shown.
    MediaRecord* currentPhoto = nullptr;
    MediaRecord* currentDocument = nullptr;
    MediaRecord* currentFile = nullptr;

    // ================================================================ what the frame asks (shell/person_editor_part.h)
    void bindEvents() override;
    Clovek* shownPerson() override { return currentPerson; }
    void setShownPerson(Clovek* person) override;
    void showPersonPage(TTabSheet* page) override;
    bool holdsUnstoredTyping() const override;

    // ================================================================ the undo replay (editor/undo_replay.cpp)
    // The field operations put a step's value into the field's own control, from the typed
    // tables of the person fields, the dates and the partnership's fields.
    void updateUndoButtons() override { port.updateUndoButtons(); }
    void setUndoReplaying(bool replaying) override { undoReplaying = replaying; }
    void showEditorPage(EditorPage page) override;
    void showPersonOfStep(Clovek* person) override;
    void showPartnershipOfStep(Svatba* partnership) override;
    void putFieldText(const std::string& key, const std::string& text) override;
    void putFieldFlag(const std::string& key, bool value) override;
    void putAboutFlag(const std::string& key, bool about, int tolerance) override;
    void putDate(const std::string& key, const Datum& date) override;
    void focusField(const std::string& key) override;
    void putMemoLines(const std::string& key, const std::vector<std::string>& lines) override;
    void showUserCaption(int field, const std::string& caption) override;
    void paintPersonList() override;
    void sortPersonList() override;
    TextSource& texts() override { return port.texts(); }
    bool askYesNo(const std::string& question) override { return port.askYesNo(question); }
    std::string workingFolderPath() override { return port.workingFolderPath(); }
    // sortPersonList after an edit that changed only this person.
    void sortPersonListAfterEditOf(const Clovek* person);

    // The portrait frame and its insert-or-change button (editor/portrait_display.cpp).
    void showPortrait() override;
    // The date checks of a parent and a child, or of two partners (editor/date_checks.cpp): true
    // when every rule passes; otherwise the message of the first rule that fails is shown.
    bool checkFatherDates(const Clovek& father, const Clovek& child, int minAge);
    bool checkMotherDates(const Clovek& mother, const Clovek& child, int minAge);
    bool checkPartnershipDates(const Clovek& a, const Clovek& b, const Svatba* partnership);
    // The supplementary texts of the current person into their memo, and the file part.
    void showTextsAndFiles();
    // Leaving the supplementary-texts memo stores its lines as the current person's texts.
    void doplnujiciTextyMEMOExit();
    // What the person typed into a memo of the shown person's lines, stored into them and
    // recorded as one step; nothing when the memo was not typed into since it was filled.
    void storeTypedLines(TMemo& memo, NoteList list, const std::string& key);

    // ================================================================ showing a person
    // Makes the person the current one with `showingPerson` set meanwhile: a person page
    // becomes the active one (from the general and statistics tabs), is refilled, the visit is
    // recorded unless moving through the history, the heading follows and the list is repainted.
    void showPerson(Clovek* person) override;
    // Refills the groups combo (the all-persons entry first, then the tree's groups) and
    // selects `groupName` (empty: the all-persons entry).
    void fillGroupsCombo(const std::string& groupName) override;
    // Fill the basic-data, further-data, photos and documents pages from the current person.
    void showBasicPage() override;
    void showFurtherFields();
    void showPhotosTab();
    void showDocumentsTab();
    // The heading above the pages: the current person's full name and birth year, then the
    // tab-contents note.
    void updateHeading() override;
    // The note naming the current person's pages that hold something.
    void updateTabContentsLabel() override;

    // ---------------------------------------------------------------- basic-data page (editor/)
    // Hooks the page's fields to their handlers (from bindEvents).
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
    // keystrokes in it.
    void storeTextField(PersonField field, const TComboBox& box, bool showsInList);
    // The drop-down items of `box` from one of the tree's value lists; the text stays. With
    // `field`, the list made from that person field alone is the one the tree keeps.
    void fillValueList(TComboBox& box, void (Rod::*values)(TStringList&) const, PersonTextField field = {});
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
    // date goes back to what it was before the entry (`takeBackRefusedEntry`) and the page is
    // refilled.
    bool checkBirthDate(char part);
    bool checkDeathDate(char part);
    LifeLimits lifeLimits() const;
    bool passLifeCheck(const DateCheck& check, Datum& date, const char* noteKey, const char* noteText,
                       char part);
    // The date as it was before the first change since one of its boxes was last left: what a
    // refused entry puts back, so that a check never loses the value the box had. Only compared
    // by address, never read through: the date may be gone by the time a box is left.
    const Datum* editedDate = nullptr;
    Datum dateBeforeEdit;
    void noteDateBeforeEdit(const Datum& date, const Datum& before);
    // The refused entry's date put back as it was before the entry, or with the checked part
    // unknown when nothing was typed into it.
    void takeBackRefusedEntry(Datum& date, char part);
    // A box holding no value of its list: the part goes back to what it was before the entry.
    void takeBackUnlistedPart(Datum& date, char part);

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
    // passes; otherwise the date goes back as for the birth, the message is shown and the
    // partner area is refilled on its first row.
    bool checkWeddingDate(char part);
    bool checkDivorceDate(char part);
    // The partnership summary (editor/partnership_summary.cpp).
    void shrnutiSvatbyBTClick();
    void buildPartnershipSummary(TStringList& lines, Svatba* partnership);

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
    // The lock of the person's fields that the page shows, by the table of person fields.
    void lockFieldsOfPage(EditorPage page);

    // The partner area of the current person with row `row` selected, and the selected
    // partnership into its controls (editor/partnerships_tab.cpp).
    void showPartnership();
    void fillPartnerList(int row) override;
    // The shown person's residence, education and occupation lists (editor/life_periods.cpp).
    void fillResidenceList(int row) override;
    void fillEducationList(int row) override;
    void fillOccupationList(int row) override;
    // The completeness share of the person, into the list row and the page.
    void refreshPercentFilled(Clovek* person) override;

    // ---------------------------------------------------------------- kinship menus (editor/kinship_menu.cpp)
    // Hooks the items of the relatives submenu to their queries (from bindEvents).
    void bindKinshipMenu();
    // The relatives window with its heading, the relation and the count over what the query
    // listed; a double-clicked person becomes the current one.
    void showRelatives(const std::string& relation);

    // ---------------------------------------------------------------- groups (editor/group_*.cpp)
    // Hooks the group box and the two group buttons to their handlers (from bindEvents).
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
    void furtherTextChange(PersonField field, const std::string& text, bool isEdit);
    // "Definuj" of user field 1 to 5: the caption for the whole tree.
    void userCaptionBTClick(int field);
    void idZmenBTClick();
    void matrikyMEMOExit();
    void ulozNaDiskTextyBTClick();

    // ---------------------------------------------------------------- photo, document and file tabs (editor/media_tabs.cpp)
    // The record each tab shows is the frame's `currentPhoto`, `currentDocument` and
    // `currentFile`; showing another person or closing the tree drops them.
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
};
