#include "forms/nastaveni_form.h"

#include "forms/dialog_buttons.h"

TnastaveniFormLayout::TnastaveniFormLayout() : TForm("nastaveniForm")
{
    showCzechTexts(texts());
    Caption = "Lipoveta";
    SetBounds(0, 0, 330, 200);
    BorderStyle = TFormBorderStyle::bsDialog;
    CloseBox = false;
    Position = TPosition::poScreenCenter;

    struct Row {
        TLabel& label;
        TEdit& edit;
        TUpDown& upDown;
        int min;
        int max;
        int position;
    };
    const Row rows[] = {
        {minRokLB, minRokED, minRokUD, 1, 3000, 1600},
        {maxRokLB, maxRokED, maxRokUD, 1, 3000, 2100},
        {maxVekLB, maxVekED, maxVekUD, 40, 200, 120},
        {minRodicDiteLB, minRodicDiteED, minRodicDiteUD, 5, 200, 15},
    };
    int top = 12;
    for (const Row& r : rows) {
        r.label.SetBounds(12, top + 3, 200, 13);
        r.edit.SetBounds(220, top, 65, 21);
        r.upDown.SetBounds(285, top, 16, 21);
        r.upDown.Min = r.min;
        r.upDown.Max = r.max;
        r.upDown.Wrap = false;
        r.upDown.Thousands = true;
        r.upDown.Associate = &r.edit;
        r.upDown.setPosition(r.position);
        top += 28;
    }
    smrtOtecNarozDiteCheck.SetBounds(12, top + 2, 300, 17);
    placeOkButton(Button1, 128, top + 30);
    Button1.Cancel = true; // the only button: Esc closes the window as well
}

WindowTextList TnastaveniFormLayout::texts()
{
    return {"nastaveni",
            {
                WindowText::caption(minRokLB, "minRok", "Minimální rok:"),
                WindowText::caption(maxRokLB, "maxRok", "Maximální rok:"),
                WindowText::caption(maxVekLB, "maxVek", "Maximální věk:"),
                WindowText::caption(minRodicDiteLB, "minRodicDite", "Minimální věk při narození dítěte:"),
                WindowText::caption(smrtOtecNarozDiteCheck, "smrtOtecNarozDite",
                                    "Kontrolovat úmrtí otce s narozením jeho dítěte"),
            }};
}
