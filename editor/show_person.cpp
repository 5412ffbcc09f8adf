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
    port.commitMemos();
    ShowingPerson showing(*this);
    setShownPerson(person);
    editedDate = nullptr;
    if (port.showsNoPerson(window.pages.ActivePage()))
        window.pages.setActivePage(&window.zakladniUdaje);
    port.refreshPage();
    if (PrevNext* history = port.visitHistory(); history && !port.isNavigatingHistory())
        history->push(person);
    updateHeading();
    paintPersonList();
}

void PersonEditor::showPersonPage(TTabSheet* page)
{
    if (!currentPerson)
        return;
    // A change handler that runs while a page is filled must not take the values being put
    // into the controls for the person's edits; and a fill that fails part way must not leave
    // every handler switched off afterwards.
    ShowingPerson showing(*this);
    if (page == &window.zakladniUdaje)
        showBasicPage();
    else if (page == &window.dalsiUdaje)
        showFurtherFields();
    else if (page == &window.fotkyAObrazky)
        showPhotosTab();
    else if (page == &window.dokumenty)
        showDocumentsTab();
    else if (page == &window.doplnujiciTextyASoubory)
        showTextsAndFiles();
}

void PersonEditor::updateHeading()
{
    if (!currentPerson)
        return;
    // The full name keeps the blank of a missing first name or surname for the texts built on
    // it; above the pages it would stand before the comma or at the start of the heading.
    window.nadpisJmenoLB.Caption = trim(currentPerson->fullName(window.zobrazitRodne.Checked(), false)) +
                                   ", " + currentPerson->birth.year;
    updateTabContentsLabel();
}

void PersonEditor::updateTabContentsLabel()
{
    if (currentPerson)
        window.obsahKaretLB.Caption = tabContentsText(*currentPerson, texts());
}
