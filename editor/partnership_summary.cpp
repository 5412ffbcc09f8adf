// The summary of the selected partnership in its own window, which can save it as a text file.
#include "model/partnership_summary.h"
#include "editor/person_editor.h"
#include "forms/shrnuti_svatby_form.h"
#include "model/datum.h"
#include "shell/list_display.h"
#include "system/datetime.h"

#include <vector>

void PersonEditor::buildPartnershipSummary(TStringList& lines, Svatba* partnership)
{
    lines.Clear();
    if (!partnership)
        return;
    std::vector<std::string> text;
    writePartnershipSummary(text, *partnership, *this, ListDisplay(settings), Datum(today()));
    for (const std::string& line : text)
        lines.Add(line);
}

void PersonEditor::shrnutiSvatbyBTClick()
{
    Svatba* s = currentPartnership();
    if (!s)
        return;
    TShrnutiSvatbyFORM& dialog = *ShrnutiSvatbyFORM;
    buildPartnershipSummary(dialog.shrnutiMEMO.Lines, s);
    dialog.ShowModal();
}
