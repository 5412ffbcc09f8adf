#pragma once
// The person editor: the pages that show and change one person (basic data, family and
// partnerships, further data, photos, documents, texts and files), the person commands (new,
// delete, bulk delete, lock), the groups, the kinship menu and the bulk fill. Its members are
// defined in editor/, in files named after what they do. It may use everything of the frame
// (shell/hlavni.h) and answers the frame's hooks that belong to it; it reaches no other part
// of the window except through the frame.
#include "model/person_text_field.h"
#include "shell/hlavni.h"

#include <cstdint>
#include <string>

enum class PersonField : uint8_t;

class PersonEditor : public MainFrame {
public:
    PersonEditor() = default;

    // Wires the editor's handlers (the frame runs it through its hook once the window exists).
    void bindEditorEvents() override;

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
    void showFurtherFields() override;
    void showPhotosTab() override;
    void showDocumentsTab() override;
    // The heading above the pages: the current person's full name and birth year, then the
    // tab-contents note.
    void updateHeading() override;
    // The note naming the current person's pages that hold something.
    void updateTabContentsLabel() override;

    // ---------------------------------------------------------------- basic-data page (editor/)
    // Hooks the page's fields to their handlers (from bindEditorEvents).
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
    // edited part becomes "?" and the page is refilled.
    bool checkBirthDate(char part);
    bool checkDeathDate(char part);
    LifeLimits lifeLimits() const;
    bool passLifeCheck(const DateCheck& check, Datum& date, const char* noteKey, const char* noteText,
                       char part);

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
    void showPartnership() override;
    void fillPartnerList(int row) override;
    // The shown person's residence, education and occupation lists (editor/life_periods.cpp).
    void fillResidenceList(int row) override;
    void fillEducationList(int row) override;
    void fillOccupationList(int row) override;
    // The completeness share of the person, into the list row and the page.
    void refreshPercentFilled(Clovek* person) override;

    // ---------------------------------------------------------------- kinship menus (editor/kinship_menu.cpp)
    // Hooks the items of the relatives submenu to their queries (from bindEditorEvents).
    void bindKinshipMenu();
    // The relatives window with its heading, the relation and the count over what the query
    // listed; a double-clicked person becomes the current one.
    void showRelatives(const std::string& relation);

    // ---------------------------------------------------------------- groups (editor/group_*.cpp)
    // Hooks the group box and the two group buttons to their handlers (from bindEditorEvents).
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
    void furtherTextChange(PersonField field, const std::string& text, bool isEdit);
    // "Definuj" of user field 1 to 5: the caption for the whole tree.
    void userCaptionBTClick(int field);
    void idZmenBTClick();
    void matrikyMEMOEnter();
    void matrikyMEMOExit();
    void doplnujiciTextyMEMOEnter();
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
    void showFilesPart() override { showMediaTab(MediaKind::File); }
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
