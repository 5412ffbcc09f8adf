// The sex box: a change only where no partner and no child depend on the sex.
#include "editor/person_editor.h"
#include "model/clovek.h"
#include "model/rod.h"
#include "toolkit/application.h"
#include "toolkit/dialogs.h"

void PersonEditor::pohlaviCBChange()
{
    if (showingPerson || !currentPerson || !tree())
        return;
    TComboBox& box = zakladniSheet.pohlaviCB;
    const uint8_t old = currentPerson->sex;
    const uint8_t wanted = box.ItemIndex() == 0 ? 1 : 0;
    if (wanted != old) {
        if (tree()->canChangeSex(currentPerson)) {
            currentPerson->sex = wanted;
        } else {
            Application.MessageBox(
                langText("chyby", "zmenaPohlavi", "Nelze měnit pohlaví! Osoba má partnera nebo děti."),
                Application.Title, MB_OK | MB_ICONERROR);
            box.setItemIndex(old == 1 ? 0 : 1);
        }
    }
    if (!undoReplaying && currentPerson->sex != old)
        tree()->recordFlagChange(currentPerson, "pohlavi", old, currentPerson->sex);
}
