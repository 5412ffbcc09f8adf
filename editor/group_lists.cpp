#include "editor/group_lists.h"

#include "editor/person_editor.h"
#include "model/group.h"
#include "model/rod.h"
#include "system/stringlist.h"
#include "toolkit/dialogs.h"

int exactIndexOf(const TStringList& lines, const std::string& text)
{
    for (int i = 0; i < lines.Count(); ++i)
        if (lines[i] == text)
            return i;
    return -1;
}

void addGroupNames(TStringList& lines, const Rod& tree)
{
    for (Group* g : tree.groups.items<Group>())
        lines.Add(g->name);
}

void tellLockedSkipped(PersonEditor& main, int skipped)
{
    if (skipped <= 0)
        return;
    ShowMessage(
        main.langText("chyby", "zamceneVynechany", "Zamčené osoby zůstaly beze změny. Vynechaných osob:") +
        " " + std::to_string(skipped));
}
