#include "forms/jak_seznam_form.h"

#include "forms/global_window.h"

TJakSeznamFORM* JakSeznamFORM = nullptr;

TJakSeznamFORM::TJakSeznamFORM() : TForm("JakSeznamFORM")
{
    claimGlobalWindow(JakSeznamFORM, this);
    Caption = "Lipoveta";
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 392, 266);

    jakVypsatLB.SetBounds(8, 10, 376, 13);
    jakVypsatLB.Caption = "Jak si přejete vypsat seznam osob?";
    zpusobVypisuRADIO.SetBounds(8, 30, 376, 44);
    zpusobVypisuRADIO.Caption = "Způsob výpisu";
    zpusobVypisuRADIO.Columns = 3;
    for (const char* way : {"hierarchicky", "abecedně", "chronologicky"})
        zpusobVypisuRADIO.Items.Add(way);
    // The hierarchical way only says it is not there yet: the first way that lists is chosen.
    zpusobVypisuRADIO.setItemIndex(1);
    coVypsatGROUP.SetBounds(8, 82, 376, 138);
    coVypsatGROUP.Caption = "Co vypisovat?";
    // Three columns: the name and number, the birth and death, the life periods.
    struct Item {
        TCheckBox& box;
        const char* caption;
        bool checked;
        int column;
        int row;
    };
    const Item items[] = {
        {rodnePrijmeniCH, "rodné příjmení", false, 0, 0},
        {cisloCH, "ID číslo", false, 0, 1},
        {narozeniCH, "narození", true, 1, 0},
        {mistoNarozeniCH, "místo narození", true, 1, 1},
        {umrtiCH, "úmrtí", false, 1, 2},
        {mistoUmrtiCH, "místo úmrtí", false, 1, 3},
        {bydlisteCH, "bydliště", false, 2, 0},
        {vzdelaniCH, "vzdělání", false, 2, 1},
        {povolaniCH, "povolání", false, 2, 2},
    };
    for (const Item& i : items) {
        i.box.SetBounds(12 + i.column * 122, 22 + i.row * 26, 116, 17);
        i.box.Caption = i.caption;
        i.box.setChecked(i.checked);
    }
    OkBT.SetBounds(228, 232, 75, 25);
    OkBT.Caption = "OK";
    StornoBT.SetBounds(309, 232, 75, 25);
    StornoBT.Caption = "Storno";
    StornoBT.ModalResult = mrCancel;
}

TJakSeznamFORM::~TJakSeznamFORM()
{
    releaseGlobalWindow(JakSeznamFORM, this);
}
