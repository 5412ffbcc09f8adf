// The names and titles of the basic-data page: storing each keystroke, the value lists of their
// drop-downs, and the rules that make a man with a woman's surname a woman.
#include "editor/person_editor.h"
#include "model/clovek.h"
#include "model/person_fields.h"
#include "model/rod.h"
#include "shell/scroll.h"
#include "toolkit/lists.h"

#include <string_view>

void PersonEditor::storeTextField(PersonField which, const TComboBox& box, bool showsInList)
{
    const PersonFieldInfo& field = personField(which);
    // The page fill puts texts into combo boxes without raising their change event; this
    // guard only keeps a stray call during a fill from storing.
    if (showingPerson || !currentPerson || !tree())
        return;
    const std::string old = field.text.of(*currentPerson);
    const std::string& text = box.Text();
    // A replayed step has put its value into the person already; the list and heading follow.
    if (old == text && !undoReplaying)
        return;
    field.text.set(*currentPerson, text);
    if (showsInList)
        sortPersonListAfterEditOf(currentPerson);
    updateHeading();
    // Successive keystrokes in one field of one person become one step in the tree's history.
    if (!undoReplaying && old != text)
        tree()->recordTextChange(currentPerson, std::string(field.stepKey), old, text);
}

void PersonEditor::jmenoCBChange()
{
    storeTextField(PersonField::firstName, zakladniSheet.jmenoCB, true);
}

void PersonEditor::prijmeniCBChange()
{
    storeTextField(PersonField::surname, zakladniSheet.prijmeniCB, true);
}

void PersonEditor::rodnePrijmeniCBChange()
{
    storeTextField(PersonField::birthSurname, zakladniSheet.rodnePrijmeniCB, true);
}

void PersonEditor::titulPredCBChange()
{
    storeTextField(PersonField::titlesBefore, zakladniSheet.titulPredCB, false);
}

void PersonEditor::titulZaCBChange()
{
    storeTextField(PersonField::titlesAfter, zakladniSheet.titulZaCB, false);
}

void PersonEditor::fillValueList(TComboBox& box, void (Rod::*values)(TStringList&) const,
                                 PersonTextField field)
{
    if (!tree())
        return;
    // Refilling the items must not lose what the box shows.
    const std::string text = box.Text();
    TStringList list;
    if (field)
        tree()->keptDistinctTexts(list, values, field);
    else
        (tree()->*values)(list);
    box.Items.Assign(list);
    box.setText(text);
}

namespace {

// The number of letters (not bytes) of a UTF-8 text.
size_t letterCount(std::string_view text)
{
    size_t n = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++n;
    return n;
}

} // namespace

void PersonEditor::makeWomanBySurname()
{
    // Neither a message nor an undo step: the surname's own step is what the person did.
    if (currentPerson->sex != 1 || !tree()->canChangeSex(currentPerson))
        return;
    currentPerson->sex = 0;
    zakladniSheet.pohlaviCB.setItemIndex(1);
}

void PersonEditor::jmenoCBExit()
{
    if (currentPerson)
        refreshPercentFilled(currentPerson);
}

void PersonEditor::prijmeniCBExit()
{
    if (!currentPerson || !tree())
        return;
    const std::string& surname = currentPerson->surname;
    if (letterCount(surname) > 1 && surname.ends_with("á"))
        makeWomanBySurname();
    refreshPercentFilled(currentPerson);
}

void PersonEditor::rodnePrijmeniCBExit()
{
    if (!currentPerson || !tree())
        return;
    // Any "ová" earlier in the name does not matter: Nováková is a woman's name too.
    const std::string& name = currentPerson->birthSurname;
    if (letterCount(name) > 3 && name.ends_with("ová"))
        makeWomanBySurname();
}
