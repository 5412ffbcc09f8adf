#include "forms/co_exportovat_form.h"

#include "forms/check_box_columns.h"
#include "forms/dialog_buttons.h"
#include "forms/global_window.h"

TcoExportovatFORM* coExportovatFORM = nullptr;

TcoExportovatFORM::TcoExportovatFORM() : TForm("coExportovatFORM")
{
    claimGlobalWindow(coExportovatFORM, this);
    showCzechTexts(texts());
    BorderStyle = TFormBorderStyle::bsDialog;
    Position = TPosition::poScreenCenter;
    SetBounds(0, 0, 440, 408);

    coExportovatGROUP.SetBounds(8, 8, 424, 310);
    // In the order the columns are written: down the left half, then down the right one.
    placeCheckBoxColumns(
        {
            {jmenoEx, true},          {prijmeniEx, true},       {rodneEx, true},
            {pohlaviEx, false},       {identifikatorEx, false}, {datumNarozeniEx, true},
            {mistoNarozeniEx, true},  {datumUmrtiEx, true},     {mistoUmrtiEx, true},
            {mistoPohrbeniEx, false}, {pricinaUmrtiEx, false},  {idOtecEx, false},
            {idMatkyEx, false},       {idPartneraEx, false},    {bydlisteEx, false},
            {vzdelaniEx, false},      {povolaniEx, false},      {vyznaniEx, false},
            {krestEx, false},         {narodnostEx, false},     {statniPrislusnostEx, false},
            {emailEx, false},         {telefonEx, false},       {wwwEx, false},
        },
        {.left = 12, .top = 22, .width = 198, .rowStep = 23, .rows = 12, .columnStep = 206});
    oddelovacRADIO.SetBounds(8, 326, 424, 42);
    oddelovacRADIO.Columns = 2;
    oddelovacRADIO.setItemIndex(1);
    placeOkStornoButtons(okBT, stornoBT, 276, 357, 376);
}

TcoExportovatFORM::~TcoExportovatFORM()
{
    releaseGlobalWindow(coExportovatFORM, this);
}

WindowTextList TcoExportovatFORM::texts()
{
    return {"exportTXT",
            {
                WindowText::caption(*this, "ExportTXT", "Export TXT"),
                WindowText::caption(coExportovatGROUP, "coExportovat", "Co exportovat?"),
                WindowText::caption(jmenoEx, "jmeno", "Jméno").in("hledej"),
                WindowText::caption(prijmeniEx, "prijmeni", "Příjmení").in("hledej"),
                WindowText::caption(rodneEx, "rodnePrijmeni", "Rodné příjmení").in("hledej"),
                WindowText::caption(pohlaviEx, "pohlavi", "Pohlaví"),
                WindowText::caption(identifikatorEx, "identifikator", "Identifikátor"),
                WindowText::caption(datumNarozeniEx, "datumNarozeni", "Datum narození").in("hledej"),
                WindowText::caption(mistoNarozeniEx, "mistoNarozeni", "Místo narození").in("hledej"),
                WindowText::caption(datumUmrtiEx, "datumUmrti", "Datum úmrtí").in("hledej"),
                WindowText::caption(mistoUmrtiEx, "mistoUmrti", "Místo úmrtí").in("hledej"),
                WindowText::caption(mistoPohrbeniEx, "mistoPohrbeni", "Místo pohřbení").in("hledej"),
                WindowText::caption(pricinaUmrtiEx, "pricinaUmrti", "Příčina úmrtí").in("hledej"),
                WindowText::caption(idOtecEx, "idotec", "ID otce"),
                WindowText::caption(idMatkyEx, "idmatka", "ID matky"),
                WindowText::caption(idPartneraEx, "idpartner", "ID partnera"),
                WindowText::caption(bydlisteEx, "bydliste", "Bydliště").in("hledej"),
                WindowText::caption(vzdelaniEx, "vzdelani", "Vzdělání").in("hledej"),
                WindowText::caption(povolaniEx, "povolani", "Povolání").in("hledej"),
                WindowText::caption(vyznaniEx, "vyznani", "Vyznání"),
                WindowText::caption(krestEx, "krest", "Křest"),
                WindowText::caption(narodnostEx, "narodnost", "Národnost"),
                WindowText::caption(statniPrislusnostEx, "statniPrislusnost", "Státní příslušnost"),
                WindowText::caption(emailEx, "email", "Email"),
                WindowText::caption(telefonEx, "telefon", "Telefon"),
                WindowText::caption(wwwEx, "www", "WWW"),
                WindowText::caption(oddelovacRADIO, "oddelovac", "Oddělovač položek"),
                WindowText::item(oddelovacRADIO.Items, 0, "mezera", "mezera"),
                WindowText::item(oddelovacRADIO.Items, 1, "tabulator", "tabulátor"),
                WindowText::cancel(stornoBT),
            }};
}
