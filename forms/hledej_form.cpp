#include "forms/hledej_form.h"

#include "forms/global_window.h"

#include <initializer_list>
#include <string>

ThledejFORM* hledejFORM = nullptr;

namespace {

// Check boxes in two columns of a group box.
struct Box {
    TCheckBox& box;
    const char* caption;
    int column;
    int row;
};

void placeBoxes(std::initializer_list<Box> boxes)
{
    for (const Box& b : boxes) {
        b.box.SetBounds(12 + b.column * 172, 22 + b.row * 24, 164, 17);
        b.box.Caption = b.caption;
    }
}

void fillNumbers(TComboBox& box, int last, const char* text)
{
    for (int n = 1; n <= last; ++n)
        box.Items.Add(std::to_string(n));
    box.setText(text);
}

}  // namespace

ThledejFORM::ThledejFORM() : TForm("hledejFORM")
{
    claimGlobalWindow(hledejFORM, this);
    Caption = "Lipoveta";
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 652, 366);

    // The tab pages fill the left part; their client area is about 372 x 314.
    pages.SetBounds(8, 8, 380, 350);

    retezecPage.Caption = "Vyhledávání ve slovech";
    retezecLB.SetBounds(8, 10, 356, 13);
    retezecLB.Caption = "Zadejte hledaný řetězec:";
    retezecED.SetBounds(8, 28, 356, 21);
    kdeHledatRetezecGROUP.SetBounds(8, 58, 356, 200);
    kdeHledatRetezecGROUP.Caption = "Co se má prohledávat?";
    // Names in the left column, places and events in the right one.
    placeBoxes({
        {jmenoCH, "Jméno", 0, 0},
        {prijmeniCH, "Příjmení", 0, 1},
        {rodnePrijmeniCH, "Rodné příjmení", 0, 2},
        {titulyCH, "Tituly", 0, 3},
        {bydlisteCH, "Bydliště", 0, 4},
        {vzdelaniCH, "Vzdělání", 0, 5},
        {povolaniCH, "Povolání", 0, 6},
        {mistoNarozeniCH, "Místo narození", 1, 0},
        {mistoUmrtiCH, "Místo úmrtí", 1, 1},
        {mistoPohrbeniCH, "Místo pohřbení", 1, 2},
        {pricinaUmrtiCH, "Příčina úmrtí", 1, 3},
        {mistoSvatbyCH, "Místo svatby", 1, 4},
        {oddavajiciKnezCH, "Oddávající kněz", 1, 5},
        {svedkoveCH, "Svědkové", 1, 6},
    });
    hledejRetezecBT.SetBounds(264, 272, 100, 27);
    hledejRetezecBT.Caption = "Hledej";
    hledejRetezecBT.Default = true;

    datumPage.Caption = "Vyhledávání v datech";
    kdeHledatDatumGROUP.SetBounds(8, 8, 356, 74);
    kdeHledatDatumGROUP.Caption = "Co se má prohledávat?";
    placeBoxes({
        {datumNarozeniCH, "Datum narození", 0, 0},
        {datumUmrtiCH, "Datum úmrtí", 0, 1},
        {datumSvatbyCH, "Datum svatby", 1, 0},
        {datumRozvoduCH, "Datum rozvodu", 1, 1},
    });
    jakHledatGROUP.SetBounds(8, 90, 356, 74);
    jakHledatGROUP.Caption = "Jak hledat?";
    jakHledatGROUP.Columns = 2;
    for (const char* item : {"Přesné datum", "Rozmezí", "Počínaje od...", "...až do"})
        jakHledatGROUP.Items.Add(item);
    jakHledatGROUP.setItemIndex(1);
    // Day, month and year of the first date, a dash, then the second date of a range.
    const int dateTop = 180;
    den1CB.SetBounds(8, dateTop, 46, 21);
    fillNumbers(den1CB, 31, "1");
    mesic1CB.SetBounds(58, dateTop, 46, 21);
    fillNumbers(mesic1CB, 12, "1");
    rok1CB.SetBounds(108, dateTop, 50, 21);
    rok1CB.MaxLength = 4;
    rok1CB.setText("2000");
    pomlckaLB.SetBounds(166, dateTop + 4, 8, 13);
    pomlckaLB.Caption = "-";
    den2CB.SetBounds(180, dateTop, 46, 21);
    fillNumbers(den2CB, 31, "31");
    mesic2CB.SetBounds(230, dateTop, 46, 21);
    fillNumbers(mesic2CB, 12, "12");
    rok2CB.SetBounds(280, dateTop, 50, 21);
    rok2CB.MaxLength = 4;
    rok2CB.setText("2005");
    hledejDatumBT.SetBounds(264, 272, 100, 27);
    hledejDatumBT.Caption = "Hledej";
    hledejDatumBT.Default = true;

    pages.setActivePage(&retezecPage);

    osobyLIST.SetBounds(396, 8, 248, 316);
    osobyLIST.setSorted(true);
    zpetBT.SetBounds(569, 333, 75, 25);
    zpetBT.Caption = "Zpět";
    zpetBT.Cancel = true;
    zpetBT.ModalResult = mrCancel;
}

ThledejFORM::~ThledejFORM()
{
    releaseGlobalWindow(hledejFORM, this);
}
