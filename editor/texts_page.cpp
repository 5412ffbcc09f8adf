// The supplementary texts and files tab: the shown person's free texts, stored when their memo is
// left, and the file part below them (editor/media_tabs.cpp).
#include "editor/person_editor.h"
#include "model/clovek.h"
#include "model/rod.h"

#include <string_view>

void PersonEditor::showTextsAndFiles()
{
    if (!currentPerson)
        return;
    TStringList text;
    for (std::string_view line : currentPerson->furtherTexts())
        text.Add(std::string(line));
    doplnujiciSheet.doplnujiciTextyMEMO.Lines.Assign(text);
    showFilesPart();
}

void PersonEditor::doplnujiciTextyMEMOExit()
{
    if (!currentPerson)
        return;
    const std::vector<std::string> held = currentPerson->furtherTexts().toVector();
    const std::vector<std::string> typed = doplnujiciSheet.doplnujiciTextyMEMO.Lines.lines();
    currentPerson->setFurtherTexts(typed);
    doplnujiciSheet.doplnujiciTextyMEMO.Modified = false;
    // Completes the step that entering the memo started, or is one of its own.
    if (!undoReplaying && tree())
        tree()->recordStringsChange(currentPerson, "doplnujiciTexty", &held, &typed);
    updateTabContentsLabel();
}
