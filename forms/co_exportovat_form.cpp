#include "forms/co_exportovat_form.h"

#include "forms/check_box_columns.h"
#include "forms/dialog_buttons.h"
#include "forms/global_window.h"

TcoExportovatFORM* coExportovatFORM = nullptr;

TcoExportovatFORM::TcoExportovatFORM() : TForm("coExportovatFORM")
{
    claimGlobalWindow(coExportovatFORM, this);
    Caption = "Export TXT";
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 440, 408);

    coExportovatGROUP.SetBounds(8, 8, 424, 310);
    coExportovatGROUP.Caption = "Co exportovat?";
    // In the order the columns are written: down the left half, then down the right one.
    placeCheckBoxColumns(
        {
            {jmenoEx, "Jméno", true},
            {prijmeniEx, "Příjmení", true},
            {rodneEx, "Rodné příjmení", true},
            {pohlaviEx, "Pohlaví", false},
            {identifikatorEx, "Identifikátor", false},
            {datumNarozeniEx, "Datum narození", true},
            {mistoNarozeniEx, "Místo narození", true},
            {datumUmrtiEx, "Datum úmrtí", true},
            {mistoUmrtiEx, "Místo úmrtí", true},
            {mistoPohrbeniEx, "Místo pohřbení", false},
            {pricinaUmrtiEx, "Příčina úmrtí", false},
            {idOtecEx, "ID otce", false},
            {idMatkyEx, "ID matky", false},
            {idPartneraEx, "ID partnera", false},
            {bydlisteEx, "Bydliště", false},
            {vzdelaniEx, "Vzdělání", false},
            {povolaniEx, "Povolání", false},
            {vyznaniEx, "Vyznání", false},
            {krestEx, "Křest", false},
            {narodnostEx, "Národnost", false},
            {statniPrislusnostEx, "Státní příslušnost", false},
            {emailEx, "Email", false},
            {telefonEx, "Telefon", false},
            {wwwEx, "WWW", false},
        },
        {.left = 12, .top = 22, .width = 198, .rowStep = 23, .rows = 12, .columnStep = 206});
    oddelovacRADIO.SetBounds(8, 326, 424, 42);
    oddelovacRADIO.Caption = "Oddělovač položek";
    oddelovacRADIO.Columns = 2;
    oddelovacRADIO.Items.Add("mezera");
    oddelovacRADIO.Items.Add("tabulátor");
    oddelovacRADIO.setItemIndex(1);
    placeOkStornoButtons(okBT, stornoBT, 276, 357, 376);
}

TcoExportovatFORM::~TcoExportovatFORM()
{
    releaseGlobalWindow(coExportovatFORM, this);
}
