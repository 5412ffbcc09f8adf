// The summary of the selected partnership in its own window, which can save it as a text file.
#include "model/partnership_summary.h"
#include "editor/person_editor.h"
#include "forms/shrnuti_svatby_form.h"
#include "model/datum.h"
#include "shell/list_display.h"
#include "system/codec.h"
#include "system/datetime.h"
#include "system/exceptions.h"
#include "toolkit/application.h"

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
    dialog.ulozitShrnutiBT.OnClick = [this] { ulozitShrnutiBTClick(); };
    buildPartnershipSummary(dialog.shrnutiMEMO.Lines, s);
    dialog.ShowModal();
}

void PersonEditor::ulozitShrnutiBTClick()
{
    TShrnutiSvatbyFORM& dialog = *ShrnutiSvatbyFORM;
    if (!dialog.SaveDialogTXT.Execute())
        return;
    try {
        // Written beside the old file and renamed over it: a failure leaves the old one whole.
        writeUtf8TextLines(dialog.SaveDialogTXT.FileName, dialog.shrnutiMEMO.Lines.lines());
    } catch (const Exception& e) {
        Application.ShowException(e);
    }
}
