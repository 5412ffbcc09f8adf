// The new-person command, which the parent, child, sibling and partner commands also run.
#include "model/clovek.h"
#include "model/rod.h"
#include "shell/hlavni.h"
#include "shell/scroll.h"

void Thlavni::Nova1Click()
{
    if (!tree)
        return;
    Clovek* previous = currentPerson;
    if (previous)
        previous->updatePercentFilled();
    auto* person = new Clovek;
    tree->addNewPerson(person);
    if (tree->personCount() == 1)
        enableControls(true, true);
    if (personList) {
        personList->add(person);
        currentRow = personList->locate(person);
    }
    pages.setActivePage(&zakladniUdaje);
    showPerson(person);
    sortPersonList();
    if (personList)
        currentRow = personList->locate(person);
    zakladniSheet.jmenoCB.SetFocus();
    if (!showingPerson)
        tree->recordNewPerson(previous, "vytvorOsobu", person);
}
