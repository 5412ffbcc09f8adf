#include "editor/person_editor.h"

void PersonEditor::bindEditorEvents()
{
    bindBasicPageEvents();
    bindLifePeriodEvents();
    bindPortraitEvents();
    bindFurtherPageEvents();
    bindMediaTabEvents();
    bindPersonCommandEvents();
    bindKinshipMenu();
    bindGroupEvents();
    // What the person typed into these memos is stored before the tree is saved or closed.
    for (TMemo* memo : {&dalsiSheet.matrikyMEMO, &fotkySheet.komentarFotoMEMO,
                        &dokumentySheet.komentarDokMEMO, &doplnujiciSheet.komentarSouborMEMO})
        addMemoToCommit(*memo);
}
