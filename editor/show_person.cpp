// Making a person the current one, and the heading above the pages that names it.
#include "editor/person_editor.h"
#include "model/clovek.h"
#include "model/person_texts.h"
#include "model/prev_next.h"
#include "system/text.h"

void PersonEditor::showPerson(Clovek* person)
{
    // A line typed into a memo is stored only when the memo is left; a click on the list or a
    // tool button leaves no memo, so it is stored here for the person who is still shown.
    commitMemos();
    ShowingPerson showing(*this);
    currentPerson = person;
    editedDate = nullptr;
    currentPhoto = currentDocument = currentFile = nullptr;
    if (showsNoPerson(pages.ActivePage()))
        pages.setActivePage(&zakladniUdaje);
    pagesChange();
    if (history && !navigatingHistory)
        history->push(person);
    updateHeading();
    paintPersonList();
}

void PersonEditor::updateHeading()
{
    if (!currentPerson)
        return;
    // The full name keeps the blank of a missing first name or surname for the texts built on
    // it; above the pages it would stand before the comma or at the start of the heading.
    nadpisJmenoLB.Caption =
        trim(currentPerson->fullName(zobrazitRodne.Checked(), false)) + ", " + currentPerson->birth.year;
    updateTabContentsLabel();
}

void PersonEditor::updateTabContentsLabel()
{
    if (currentPerson)
        obsahKaretLB.Caption = tabContentsText(*currentPerson, *this);
}
