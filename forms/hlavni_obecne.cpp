#include "forms/hlavni_obecne.h"

ObecneSheet::ObecneSheet(TTabSheet& s) : sheet(s)
{
    const std::pair<TLabel*, const char*> labels[] = {
        {&nazevLB, "Název lipovetau:"},
        {&autorLB, "Autor lipovetau:"},
        {&vytvorenoLB, "Vytvořeno:"},
        {&spolupracovaliLB, "Spolupracovali:"},
    };
    TEdit* const edits[] = {&nazevED, &autorED, &vytvorenoED, &spolupracovaliED};
    int top = 16;
    for (int i = 0; i < 4; ++i) {
        labels[i].first->SetBounds(16, top + 4, 120, 13);
        labels[i].first->Caption = labels[i].second;
        labels[i].first->FocusControl = edits[i];
        edits[i]->SetBounds(144, top, 400, 21);
        top += 32;
    }
    dalsiUdajeLB.SetBounds(16, top + 4, 120, 13);
    dalsiUdajeLB.Caption = "Další údaje:";
    dalsiUdajeLB.FocusControl = &dalsiUdajeMEMO;
    dalsiUdajeMEMO.SetBounds(144, top, 600, 360);
    dalsiUdajeMEMO.ScrollBars = TMemo::ssVertical;
}
