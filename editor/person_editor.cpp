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
}
