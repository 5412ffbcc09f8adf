#include "forms/hlavni_obecne.h"

ObecneSheet::ObecneSheet(TTabSheet& s) : sheet(s)
{
    showCzechTexts(texts());
    TLabel* const labels[] = {&nazevLB, &autorLB, &vytvorenoLB, &spolupracovaliLB};
    TEdit* const edits[] = {&nazevED, &autorED, &vytvorenoED, &spolupracovaliED};
    int top = 16;
    for (int i = 0; i < 4; ++i) {
        labels[i]->SetBounds(16, top + 4, 120, 13);
        labels[i]->FocusControl = edits[i];
        edits[i]->SetBounds(144, top, 400, 21);
        top += 32;
    }
    dalsiUdajeLB.SetBounds(16, top + 4, 120, 13);
    dalsiUdajeLB.FocusControl = &dalsiUdajeMEMO;
    dalsiUdajeMEMO.SetBounds(144, top, 600, 360);
    dalsiUdajeMEMO.ScrollBars = TMemo::ssVertical;
}

WindowTextList ObecneSheet::texts()
{
    return {"kartaObecne",
            {
                WindowText::caption(sheet, "obecne", "Obecně"),
                WindowText::caption(nazevLB, "nazevLipovetau", "Název lipovetau:"),
                WindowText::caption(autorLB, "autorLipovetau", "Autor lipovetau:"),
                WindowText::caption(vytvorenoLB, "vytvoreno", "Vytvořeno:"),
                WindowText::caption(spolupracovaliLB, "spolupracovali", "Spolupracovali:"),
                WindowText::caption(dalsiUdajeLB, "dalsiUdaje", "Další údaje:"),
            }};
}
