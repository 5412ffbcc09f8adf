// The person's lock: while it is set, the person's data cannot be edited on the basic-data and
// further-data pages. The lock box itself stays usable.
#include "editor/person_editor.h"
#include "editor/person_field_controls.h"
#include "model/clovek.h"
#include "model/rod.h"

#include <initializer_list>

void PersonEditor::zamekCHClick()
{
    if (!currentPerson)
        return;
    const bool recording = !undoReplaying && !showingPerson;
    const uint8_t old = currentPerson->lock;
    currentPerson->lock = window.zamekCH.Checked() ? 1 : 0;
    // Within a page fill the fill itself applies the lock when it reaches its end.
    if (!showingPerson) {
        ShowingPerson showing(*this);
        showBasicPage();
    }
    if (recording && tree() && old != currentPerson->lock)
        tree()->recordFlagChange(currentPerson, "zamek", old, currentPerson->lock);
}

void PersonEditor::lockFieldsOfPage(EditorPage page)
{
    const bool editable = currentPerson->lock == 0;
    for (const PersonFieldInfo& f : personFields) {
        if (f.page != page)
            continue;
        const PersonFieldControls c = personFieldControls(window, f.field);
        for (TControl* control : c.locked)
            if (control)
                control->Enabled = editable;
        // These follow their list's selection as well: a lock never enables one.
        for (TControl* control : c.lockedWithSelection)
            if (control)
                control->Enabled = control->Enabled && editable;
    }
}

void PersonEditor::setPersonLockState()
{
    if (!currentPerson)
        return;
    lockFieldsOfPage(EditorPage::basicData);
    // The partnership shown with the person and the children's list are locked with it.
    const bool editable = currentPerson->lock == 0;
    ZakladniSheet& z = zakladniSheet;
    for (TControl* c : std::initializer_list<TControl*>{
             &z.oddaniCHECK, &z.svatbaDenCB, &z.svatbaMesicCB, &z.svatbaRokED, &z.nastavNeznamouSvatbuBT,
             &z.svatbaAsi, &z.svatbaMistoCB, &z.oddavajiciKnezED, &z.svedkoveED, &z.rozvedeniCHECK,
             &z.rozvodDenCB, &z.rozvodMesicCB, &z.rozvodRokED, &z.nastavNeznamyRozvodBT})
        c->Enabled = editable;
    for (TControl* c : std::initializer_list<TControl*>{&z.odeberDiteBT, &z.zmenPartneraBT, &z.smazSvatbuBT})
        c->Enabled = c->Enabled && editable;
}

void PersonEditor::setFurtherDataLockState()
{
    if (currentPerson)
        lockFieldsOfPage(EditorPage::furtherData);
}
