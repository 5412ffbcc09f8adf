#include "forms/jak_seznam_form.h"

#include "forms/check_box_columns.h"
#include "forms/global_window.h"

TJakSeznamFORM* JakSeznamFORM = nullptr;

TJakSeznamFORM::TJakSeznamFORM() : TForm("JakSeznamFORM")
{
    claimGlobalWindow(JakSeznamFORM, this);
    showCzechTexts(texts());
    Caption = "Lipoveta";
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 392, 266);

    jakVypsatLB.SetBounds(8, 10, 376, 13);
    zpusobVypisuRADIO.SetBounds(8, 30, 376, 44);
    zpusobVypisuRADIO.Columns = 3;
    // The hierarchical way only says it is not there yet: the first way that lists is chosen.
    zpusobVypisuRADIO.setItemIndex(1);
    coVypsatGROUP.SetBounds(8, 82, 376, 138);
    // Three columns: the name and number, the birth and death, the life periods.
    placeCheckBoxColumns(
        {
            {rodnePrijmeniCH, false},
            {cisloCH, false},
        },
        {.left = 12, .top = 22, .width = 116, .rowStep = 26});
    placeCheckBoxColumns(
        {
            {narozeniCH, true},
            {mistoNarozeniCH, true},
            {umrtiCH, false},
            {mistoUmrtiCH, false},
        },
        {.left = 134, .top = 22, .width = 116, .rowStep = 26});
    placeCheckBoxColumns(
        {
            {bydlisteCH, false},
            {vzdelaniCH, false},
            {povolaniCH, false},
        },
        {.left = 256, .top = 22, .width = 116, .rowStep = 26});
    OkBT.SetBounds(228, 232, 75, 25);
    OkBT.Caption = "OK";
    StornoBT.SetBounds(309, 232, 75, 25);
    StornoBT.ModalResult = mrCancel;
}

TJakSeznamFORM::~TJakSeznamFORM()
{
    releaseGlobalWindow(JakSeznamFORM, this);
}

WindowTextList TJakSeznamFORM::texts()
{
    return {"jakVypsatSeznam",
            {
                WindowText::caption(jakVypsatLB, "jakVypsat", "Jak si přejete vypsat seznam osob?"),
                WindowText::caption(zpusobVypisuRADIO, "zpusobVypisu", "Způsob výpisu"),
                WindowText::item(zpusobVypisuRADIO.Items, 0, "hierarchicky", "Hierarchicky"),
                WindowText::item(zpusobVypisuRADIO.Items, 1, "abecedne", "Abecedně"),
                WindowText::item(zpusobVypisuRADIO.Items, 2, "chronologicky", "Chronologicky"),
                WindowText::caption(coVypsatGROUP, "coVypsat", "Co vypisovat?"),
                WindowText::caption(rodnePrijmeniCH, "rodnePrijmeni", "rodné příjmení"),
                WindowText::caption(narozeniCH, "narozeni", "narození"),
                WindowText::caption(umrtiCH, "umrti", "úmrtí"),
                WindowText::caption(cisloCH, "cislo", "ID číslo"),
                WindowText::caption(mistoNarozeniCH, "mistoNarozeni", "místo narození"),
                WindowText::caption(mistoUmrtiCH, "mistoUmrti", "místo úmrtí"),
                WindowText::caption(bydlisteCH, "bydliste", "bydliště"),
                WindowText::caption(vzdelaniCH, "vzdelani", "vzdělání"),
                WindowText::caption(povolaniCH, "povolani", "povolání"),
                WindowText::cancel(StornoBT),
            }};
}
