// The share of filled fields of a person, refreshed when a field that counts in it is left.
#include "editor/person_editor.h"
#include "model/clovek.h"

void PersonEditor::refreshPercentFilled(Clovek* person)
{
    if (!tree() || !person)
        return;
    const int32_t before = person->percentFilled;
    if (person->updatePercentFilled() == before)
        return;
    // Only the list sorted by the share moves; any other order just shows the new figure.
    if (personList.hasView() && personList.chosenSortKey() == PersonSortKey::byPercent)
        personList.sort(PersonSortKey::byPercent);
    paintPersonList();
}
