#include "forms/jak_seznam_form.h"

#include "forms/check_box_columns.h"
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
    placeCheckBoxColumns(
        {
            {rodnePrijmeniCH, "rodné příjmení", false},
            {cisloCH, "ID číslo", false},
        },
        {.left = 12, .top = 22, .width = 116, .rowStep = 26});
    placeCheckBoxColumns(
        {
            {narozeniCH, "narození", true},
            {mistoNarozeniCH, "místo narození", true},
            {umrtiCH, "úmrtí", false},
            {mistoUmrtiCH, "místo úmrtí", false},
        },
        {.left = 134, .top = 22, .width = 116, .rowStep = 26});
    placeCheckBoxColumns(
        {
            {bydlisteCH, "bydliště", false},
            {vzdelaniCH, "vzdělání", false},
            {povolaniCH, "povolání", false},
        },
        {.left = 256, .top = 22, .width = 116, .rowStep = 26});
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
