#include "forms/co_exportovat_form.h"

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
    struct Column {
        TCheckBox& box;
        const char* caption;
        bool checked;
    };
    // In the order the columns are written: down the left half, then down the right one.
    const Column columns[] = {
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
    };
    constexpr int rows = 12;
    int index = 0;
    for (const Column& c : columns) {
        c.box.SetBounds(12 + (index / rows) * 206, 22 + (index % rows) * 23, 198, 17);
        c.box.Caption = c.caption;
        c.box.setChecked(c.checked);
        ++index;
    }
    oddelovacRADIO.SetBounds(8, 326, 424, 42);
    oddelovacRADIO.Caption = "Oddělovač položek";
    oddelovacRADIO.Columns = 2;
    oddelovacRADIO.Items.Add("mezera");
    oddelovacRADIO.Items.Add("tabulátor");
    oddelovacRADIO.setItemIndex(1);
    okBT.SetBounds(276, 376, 75, 25);
    okBT.Caption = "OK";
    okBT.Default = true;
    okBT.ModalResult = mrOk;
    stornoBT.SetBounds(357, 376, 75, 25);
    stornoBT.Caption = "Storno";
    stornoBT.Cancel = true;
    stornoBT.ModalResult = mrCancel;
}

TcoExportovatFORM::~TcoExportovatFORM()
{
    releaseGlobalWindow(coExportovatFORM, this);
}
