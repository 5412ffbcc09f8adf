// The person commands of the main window: a new person and deleting the shown one, with the
// choice of the person shown next that bulk deletion shares.
#include "editor/person_editor.h"
#include "model/clovek.h"
#include "model/group.h"
#include "model/prev_next.h"
#include "model/rod.h"
#include "shell/scroll.h"

void PersonEditor::bindPersonCommandEvents()
{
    window.Nova1.OnClick = window.NovaOsobaBT.OnClick = [this] { Nova1Click(); };
    window.Vymaz1.OnClick = window.SmazOsobuBT.OnClick =
        window.VymazPopup1.OnClick = [this] { Vymaz1Click(); };
    window.HromadneMazani1.OnClick = [this] { HromadneMazani1Click(); };
    window.zamekCH.OnClick = [this] { zamekCHClick(); };
}

void PersonEditor::Nova1Click()
{
    if (!tree() || !personList.hasView())
        return;
    Clovek* previous = currentPerson;
    // The person being left gets its share counted; the list shows it at the next repaint, and
    // in the order of the shares its row moves first: the new row alone is put in place below.
    if (previous) {
        const int32_t share = previous->percentFilled;
        if (previous->updatePercentFilled() != share &&
            personList.chosenSortKey() == PersonSortKey::byPercent)
            personList.sortAfterEditOf(previous, PersonSortKey::byPercent);
    }

    Clovek* person = tree()->addNewPerson(std::make_unique<Clovek>());
    if (tree()->personCount() == 1)
        port.enableControls(true, true);
    personList.add(person);
    personList.selectPerson(person);

    window.pages.setActivePage(&window.zakladniUdaje);
    showPerson(person);
    // The other rows are sorted still: the new row alone finds its place.
    sortPersonListAfterEditOf(person);
    TComboBox& firstName = zakladniSheet.jmenoCB;
    if (firstName.CanFocus())
        firstName.SetFocus();

    // Commands that make a relative call this too; what they record is their own affair when
    // they run inside a page fill.
    if (!showingPerson)
        tree()->recordNewPerson(previous, "vytvorOsobu", person);
}

void PersonEditor::Vymaz1Click()
{
    confirmDeletePerson();
}

bool PersonEditor::confirmDeletePerson()
{
    if (!tree() || !currentPerson)
        return false;
    // A deletion cannot be taken back, and no step may be replayed over what it changed: the
    // history goes before the question, whatever the answer.
    if (!undoReplaying)
        port.clearChangeHistory();
    const std::string question =
        langText("otazky", "opravduVymazat", "Opravdu vymazat osobu") + " " +
        currentPerson->displayName(settings.showBirthSurname, settings.showBirth, true) + "?";
    if (!askYesNo(question))
        return false;
    deleteCurrentPerson(false);
    return true;
}

void PersonEditor::deleteCurrentPerson(bool bulk)
{
    if (!tree() || !currentPerson)
        return;
    // Lines typed into a memo belong to the person who is going; none may reach the next one.
    port.commitMemos();
    Clovek* person = currentPerson;
    if (PrevNext* history = port.visitHistory())
        history->removePerson(person);
    Polozka* row = personList.rowOf(person);
    tree()->removePerson(person);
    currentPerson = nullptr;
    personList.remove(row);
    personList.setCurrentRow(nullptr);
    selectPersonAfterDeletion(bulk);
}

void PersonEditor::selectPersonAfterDeletion(bool bulk)
{
    // The person visited before, unless the list shows a group that does not hold them.
    Group* group = window.skupinyCB.Text() == port.allPersonsEntry()
                       ? nullptr
                       : tree()->findGroup(window.skupinyCB.Text());
    PrevNext* history = port.visitHistory();
    Clovek* next = history ? history->current() : nullptr;
    if (group && next && !Rod::isGroupMember(group->members, next))
        next = nullptr;
    Polozka* row = nullptr;
    if (personList.hasView()) {
        personList.locate(next);
        row = personList.makeSelectedRowCurrent();
    }
    // The group's last member is gone: the list falls back to every person.
    if (!row && personList.hasView()) {
        window.skupinyCB.setItemIndex(window.skupinyCB.Items.IndexOf(port.allPersonsEntry()));
        filterListByGroup();
        row = personList.makeSelectedRowCurrent();
    }

    if (row) {
        if (bulk) {
            currentPerson = row->person;
        } else {
            showPerson(row->person);
            paintPersonList();
        }
        return;
    }
    currentPerson = nullptr;
    if (!port.showsNoPerson(window.pages.ActivePage()))
        window.pages.setActivePage(&window.obecne);
    port.enableControls(true, false);
}
