#pragma once
// What the undo history needs of the person editor. Undo and redo replay a step where the person
// sees it: the page that holds the field, the step's person current, the value in the field's
// control with the focus on it, and the field's own change handler run with recording off. The
// main window implements this; tests hand in a fake. The model never includes a window.
//
// A field is named by the key of its steps ("jmeno", "narozeniRok", "svatbaMisto", "matriky",
// ...): the editor knows which control and handler belong to each key.
#include <string>
#include <vector>

class Clovek;
class Datum;
class Svatba;
class TextSource;

// The person editor's pages that steps are replayed on.
enum class EditorPage { basicData, furtherData, textsAndFiles };

class EditorPort {
public:
    virtual ~EditorPort() = default;

    // --- the undo and redo controls
    // Enables undo and redo as the open tree's history allows.
    virtual void updateUndoButtons() = 0;
    // Set for the whole replay of a step; the editor's handlers record nothing meanwhile.
    virtual void setUndoReplaying(bool replaying) = 0;

    // --- where a step happened
    virtual void showEditorPage(EditorPage page) = 0;
    // Selects the person's row of the person list and makes the person the shown one.
    virtual void showPersonOfStep(Clovek* person) = 0;
    // Selects the shown person's entry for the partnership and shows the partnership.
    virtual void showPartnershipOfStep(Svatba* partnership) = 0;

    // --- a field's control; each gives the control the focus
    // The text into the field's edit or combo box, and the field's change handler run.
    virtual void putFieldText(const std::string& key, const std::string& text) = 0;
    // Sex ("pohlavi": true a man), alive ("zije") and lock ("zamek") into their controls.
    virtual void putFieldFlag(const std::string& key, bool value) = 0;
    // The about box of a date: checked as `about` says, captioned "+- " and the tolerance.
    virtual void putAboutFlag(const std::string& key, bool about, int tolerance) = 0;
    // Day, month and year of a date into its three controls; the focus on the part the key names.
    virtual void putDate(const std::string& key, const Datum& date) = 0;
    virtual void focusField(const std::string& key) = 0;
    // A memo's lines put in, the caret at the end of what they changed, its exit handler run
    // after (the focus stays).
    virtual void putMemoLines(const std::string& key, const std::vector<std::string>& lines) = 0;
    // The caption of user field 1 to 5 into its label.
    virtual void showUserCaption(int field, const std::string& caption) = 0;

    // --- refills of what a step changed
    virtual void showBasicPage() = 0;
    virtual void fillPartnerList(int row) = 0;
    // The shown person's residence, education or occupation list; row -1 selects none.
    virtual void fillResidenceList(int row) = 0;
    virtual void fillEducationList(int row) = 0;
    virtual void fillOccupationList(int row) = 0;
    virtual void showPortrait() = 0;
    // Recomputes the person's share of filled fields and repaints the person list.
    virtual void refreshPercentFilled(Clovek* person) = 0;
    virtual void paintPersonList() = 0;
    // Sorts the person list by the order the person chose, and repaints it.
    virtual void sortPersonList() = 0;

    // --- questions
    virtual TextSource& texts() = 0;
    virtual bool askYesNo(const std::string& question) = 0;
    // Asks whether to delete the shown person and deletes it on yes (`Rod::removePerson`); true
    // when it did. Leaves the history alone during a replay.
    virtual bool confirmDeletePerson() = 0;
    // The working folder, ending with "/".
    virtual std::string workingFolderPath() = 0;
};
