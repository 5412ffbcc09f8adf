// The supplementary texts and files tab: the shown person's free texts, stored when their memo is
// left, and the file part below them (editor/media_tabs.cpp).
#include "editor/person_editor.h"
#include "model/clovek.h"
#include "model/rod.h"

#include <string>
#include <string_view>
#include <vector>

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
    storeTypedLines(doplnujiciSheet.doplnujiciTextyMEMO, NoteList::furtherTexts, "doplnujiciTexty");
    updateTabContentsLabel();
}

bool PersonEditor::holdsUnstoredTyping() const
{
    return doplnujiciSheet.doplnujiciTextyMEMO.Modified || dalsiSheet.matrikyMEMO.Modified;
}

void PersonEditor::storeTypedLines(TMemo& memo, NoteList list, const std::string& key)
{
    // A memo nobody typed into holds the lines it was filled with, and those need not be the
    // shown person's: an undo or a command may show another person while the memo keeps the
    // focus on a page not filled again. Storing them would write one person's text into
    // another's. What was typed is stored before another person is shown.
    if (!currentPerson || !memo.Modified)
        return;
    memo.Modified = false;
    const std::vector<std::string> held = currentPerson->lines(list).toVector();
    const std::vector<std::string> typed = memo.Lines.lines();
    currentPerson->setLines(list, typed);
    if (!undoReplaying && tree())
        tree()->recordStringsChange(currentPerson, key, held, typed);
    port.updateUndoButtons();
}
