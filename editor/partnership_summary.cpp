// The summary of the selected partnership in its own window (saved as a text file by the
// window's own button, shell/text_windows.cpp).
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
    writePartnershipSummary(text, *partnership, texts(), ListDisplay(settings), Datum(today()));
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
