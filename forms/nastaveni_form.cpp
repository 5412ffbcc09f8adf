#include "forms/nastaveni_form.h"

#include "forms/dialog_buttons.h"

TnastaveniFormLayout::TnastaveniFormLayout() : TForm("nastaveniForm")
{
    Caption = "Lipoveta";
    SetBounds(0, 0, 330, 200);
    BorderStyle = TFormBorderStyle::bsDialog;
    CloseBox = false;
    Position = TPosition::poScreenCenter;

    struct Row {
        TLabel& label;
        const char* caption;
        TEdit& edit;
        TUpDown& upDown;
        int min;
        int max;
        int position;
    };
    const Row rows[] = {
        {minRokLB, "Minimální rok:", minRokED, minRokUD, 1, 3000, 1600},
        {maxRokLB, "Maximální rok:", maxRokED, maxRokUD, 1, 3000, 2100},
        {maxVekLB, "Maximální věk:", maxVekED, maxVekUD, 40, 200, 120},
        {minRodicDiteLB, "Minimální věk při narození dítěte:", minRodicDiteED, minRodicDiteUD, 5, 200, 15},
    };
    int top = 12;
    for (const Row& r : rows) {
        r.label.SetBounds(12, top + 3, 200, 13);
        r.label.Caption = r.caption;
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
    smrtOtecNarozDiteCheck.Caption = "Kontrolovat úmrtí otce s narozením jeho dítěte";
    placeOkButton(Button1, 128, top + 30);
    Button1.Cancel = true; // the only button: Esc closes the window as well
}
