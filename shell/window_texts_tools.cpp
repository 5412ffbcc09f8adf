// The texts of the search, text export, tolerance, wedding-anniversary, web export, group,
// GEDCOM import and bulk delete windows. The field names of the search serve the text export
// too, so one translation relabels a field in both. A window that was not made (tests that make
// the main window alone) is passed over.
#include "forms/co_exportovat_form.h"
#include "forms/co_v_html_form.h"
#include "forms/co_vyplnit_form.h"
#include "forms/hromadne_mazani_form.h"
#include "forms/import_form.h"
#include "forms/moje_skupiny_form.h"
#include "forms/naplnit_form.h"
#include "forms/nazev_skupiny_form.h"
#include "forms/nazvy_svateb_form.h"
#include "forms/spravce_skupin_form.h"
#include "forms/tolerance_form.h"
#include "shell/hlavni.h"
#include "shell/hledej_form.h"
#include "system/numbers.h"

namespace {

const char* const kCommon = "ruzne";
const char* const kCancel = "Storno";

// The traditional names of the wedding anniversaries: every year up to 15, then every fifth.
struct WeddingAnniversary {
    int years;
    const char* name;
};
constexpr WeddingAnniversary kWeddingAnniversaries[] = {
    {1, "bavlněná"},     {2, "papírová"},  {3, "kožená"},      {4, "květinová"},    {5, "dřevěná"},
    {6, "železná"},      {7, "vlněná"},    {8, "bronzová"},    {9, "měděná"},       {10, "cínová"},
    {11, "ocelová"},     {12, "hedvábná"}, {13, "krajková"},   {14, "slonovinová"}, {15, "křišťálová"},
    {20, "porcelánová"}, {25, "stříbrná"}, {30, "perlová"},    {35, "korálová"},    {40, "rubínová"},
    {45, "safírová"},    {50, "zlatá"},    {55, "smaragdová"}, {60, "diamantová"},  {65, "kamenná"},
    {70, "platinová"},
};

} // namespace

void MainFrame::applySearchDialogTexts()
{
    ThledejFORM* w = hledejFORM;
    if (!w)
        return;
    const char* const s = "hledej";
    w->retezecPage.Caption = langText(s, "vyhledavaniVeSlovech", "Vyhledávání ve slovech");
    w->kdeHledatRetezecGROUP.Caption = langText(s, "coProhledavat", "Co se má prohledávat?");
    w->jmenoCH.Caption = langText(s, "jmeno", "Jméno");
    w->prijmeniCH.Caption = langText(s, "prijmeni", "Příjmení");
    w->rodnePrijmeniCH.Caption = langText(s, "rodnePrijmeni", "Rodné příjmení");
    w->titulyCH.Caption = langText(s, "tituly", "Tituly");
    w->mistoNarozeniCH.Caption = langText(s, "mistoNarozeni", "Místo narození");
    w->mistoUmrtiCH.Caption = langText(s, "mistoUmrti", "Místo úmrtí");
    w->mistoPohrbeniCH.Caption = langText(s, "mistoPohrbeni", "Místo pohřbení");
    w->pricinaUmrtiCH.Caption = langText(s, "pricinaUmrti", "Příčina úmrtí");
    w->mistoSvatbyCH.Caption = langText(s, "mistoSvatby", "Místo svatby");
    w->oddavajiciKnezCH.Caption = langText(s, "oddavajiciKnez", "Oddávající kněz");
    w->svedkoveCH.Caption = langText(s, "svedkove", "Svědkové");
    w->bydlisteCH.Caption = langText(s, "bydliste", "Bydliště");
    w->vzdelaniCH.Caption = langText(s, "vzdelani", "Vzdělání");
    w->povolaniCH.Caption = langText(s, "povolani", "Povolání");
    w->retezecLB.Caption = langText(s, "zadejteRetezec", "Zadejte hledaný řetězec");
    w->hledejRetezecBT.Caption = langText(s, "hledej", "Hledej");
    w->zpetBT.Caption = langText(kCommon, "zpet", "Zpět");
    w->datumPage.Caption = langText(s, "vyhledavaniVDatech", "Vyhledávání v datech");
    w->kdeHledatDatumGROUP.Caption = langText(s, "coProhledavat", "Co se má prohledávat?");
    w->datumNarozeniCH.Caption = langText(s, "datumNarozeni", "Datum narození");
    w->datumUmrtiCH.Caption = langText(s, "datumUmrti", "Datum úmrtí");
    w->datumSvatbyCH.Caption = langText(s, "datumSvatby", "Datum svatby");
    w->datumRozvoduCH.Caption = langText(s, "datumRozvodu", "datum rozvodu");
    w->jakHledatGROUP.Caption = langText(s, "jakHledat", "Jak hledat?");
    w->jakHledatGROUP.Items.setString(0, langText(s, "presneDatum", "Přesné datum"));
    w->jakHledatGROUP.Items.setString(1, langText(s, "rozmezi", "Rozmezí"));
    w->jakHledatGROUP.Items.setString(2, langText(s, "pocinajeOd", "Počínaje od..."));
    w->jakHledatGROUP.Items.setString(3, langText(s, "azDo", "...až do"));
    w->hledejDatumBT.Caption = langText(s, "hledej", "Hledej");
}

void MainFrame::applyTextExportDialogTexts()
{
    TcoExportovatFORM* w = coExportovatFORM;
    if (!w)
        return;
    const char* const s = "exportTXT";
    const char* const field = "hledej";
    w->Caption = langText(s, "ExportTXT", "Export TXT");
    w->coExportovatGROUP.Caption = langText(s, "coExportovat", "Co exportovat?");
    w->jmenoEx.Caption = langText(field, "jmeno", "Jméno");
    w->prijmeniEx.Caption = langText(field, "prijmeni", "Příjmení");
    w->rodneEx.Caption = langText(field, "rodnePrijmeni", "Rodné příjmení");
    w->pohlaviEx.Caption = langText(s, "pohlavi", "Pohlaví");
    w->identifikatorEx.Caption = langText(s, "identifikator", "Identifikátor");
    w->datumNarozeniEx.Caption = langText(field, "datumNarozeni", "Datum narození");
    w->mistoNarozeniEx.Caption = langText(field, "mistoNarozeni", "Místo narození");
    w->datumUmrtiEx.Caption = langText(field, "datumUmrti", "Datum úmrtí");
    w->mistoUmrtiEx.Caption = langText(field, "mistoUmrti", "Místo úmrtí");
    w->mistoPohrbeniEx.Caption = langText(field, "mistoPohrbeni", "Místo pohřbení");
    w->pricinaUmrtiEx.Caption = langText(field, "pricinaUmrti", "Příčina úmrtí");
    w->idOtecEx.Caption = langText(s, "idotec", "ID otce");
    w->idMatkyEx.Caption = langText(s, "idmatka", "ID matky");
    w->idPartneraEx.Caption = langText(s, "idpartner", "ID partnera");
    w->bydlisteEx.Caption = langText(field, "bydliste", "Bydliště");
    w->vzdelaniEx.Caption = langText(field, "vzdelani", "Vzdělání");
    w->povolaniEx.Caption = langText(field, "povolani", "Povolání");
    w->vyznaniEx.Caption = langText(s, "vyznani", "Vyznání");
    w->krestEx.Caption = langText(s, "krest", "Křest");
    w->narodnostEx.Caption = langText(s, "narodnost", "Národnost");
    w->statniPrislusnostEx.Caption = langText(s, "statniPrislusnost", "Státní příslušnost");
    w->emailEx.Caption = langText(s, "email", "Email");
    w->telefonEx.Caption = langText(s, "telefon", "Telefon");
    w->wwwEx.Caption = langText(s, "www", "WWW");
    w->oddelovacRADIO.Caption = langText(s, "oddelovac", "Oddělovač položek");
    w->oddelovacRADIO.Items.setString(0, langText(s, "mezera", "mezera"));
    w->oddelovacRADIO.Items.setString(1, langText(s, "tabulator", "tabulátor"));
    w->stornoBT.Caption = langText(kCommon, "storno", kCancel);
}

void MainFrame::applyToleranceDialogTexts()
{
    if (TtoleranceFORM* w = toleranceFORM) {
        w->Caption = langText("tolerance", "tolerance", "Tolerance");
        w->pocetRokuLB.Caption = langText("tolerance", "pocetRoku", "Počet roků v toleranci:");
    }
}

void MainFrame::applyWeddingAnniversaryTexts()
{
    TnazvySvatebFORM* w = nazvySvatebFORM;
    if (!w)
        return;
    // Only the names are translated; the numbers are the lines' own, so a second language
    // gives the same 26 lines again.
    TStringList& lines = w->svatbyMEMO.Lines;
    lines.Clear();
    for (const WeddingAnniversary& a : kWeddingAnniversaries) {
        const std::string key = (a.years < 10 ? "0" : "") + intToStr(a.years) + "svatba";
        lines.Add(intToStr(a.years) + ". " + langText("nazvySvateb", key, a.name));
    }
}

void MainFrame::applyHtmlOptionsTexts()
{
    TcoVHtmlFORM* w = coVHtmlFORM;
    if (!w)
        return;
    const char* const s = "coVHTML";
    w->coZobrazitGROUP.Caption = langText(s, "coVyplnovat", "Co se má vyplňovat?");
    w->fotkaCH.Caption = langText(s, "fotka", "Fotografie");
    w->identifikatorCH.Caption = langText(s, "identifikator", "Identifikátor");
    w->narozeniCH.Caption = langText(s, "narozeni", "Informace o narození");
    w->umrtiCH.Caption = langText(s, "umrti", "Informace o úmrtí");
    w->snatkyCH.Caption = langText(s, "snatky", "Informace o sňatcích");
    w->bydlisteCH.Caption = langText(s, "bydliste", "Bydliště");
    w->vzdelaniCH.Caption = langText(s, "vzdelani", "Vzdělání");
    w->povolaniCH.Caption = langText(s, "povolani", "Povolání");
    w->kontaktyCH.Caption = langText(s, "kontakty", "Kontakty");
    w->stornoBT.Caption = langText(kCommon, "storno", kCancel);
}

void MainFrame::applyGroupsDialogTexts()
{
    const char* const s = "skupiny";
    if (TspravceSkupinFORM* w = spravceSkupinFORM) {
        w->Caption = langText(s, "spravce", "Správce skupin");
        w->skupinyLB.Caption = langText(s, "skupiny", "Skupiny:");
        w->clenoveLB.Caption = langText(s, "clenove", "Členové:");
        w->vytvoritBT.Caption = langText(s, "vytvorit", "Vytvořit");
        w->zkopirovatBT.Caption = langText(s, "zkopirovat", "Zkopírovat");
        w->prejmenovatBT.Caption = langText(s, "prejmenovat", "Přejmenovat");
        w->smazatBT.Caption = langText(s, "smazat", "Smazat");
        w->vyprazdnitBT.Caption = langText(s, "vyprazdnit", "Vyprázdnit");
        w->invertovatBT.Caption = langText(s, "invertovat", "Invertovat výběr");
        w->naplnitBT.Caption = langText(s, "naplnit", "Naplnit osobami");
        w->hromadneBT.Caption = langText(s, "hromadneVyplnovani", "Hromadné vyplňování");
        w->predciBT.Caption = langText(s, "pridatRodice", "Přidat rodiče, prarodiče,...");
        w->detiBT.Caption = langText(s, "pridatDeti", "Přidat děti, vnuky,...");
        w->partneriBT.Caption = langText(s, "pridatPartnery", "Přidat partnery, manžely,...");
        w->sourozenciBT.Caption = langText(s, "pridatSourozence", "Přidat sourozence");
    }
    if (TnaplnitFORM* w = naplnitFORM) {
        w->Caption = langText(s, "jakNaplnit", "Jak naplnit?");
        w->muziBT.Caption = langText(s, "muzi", "Všichni muži");
        w->zenyBT.Caption = langText(s, "zeny", "Všechny ženy");
        w->zacatekBT.Caption = langText(s, "zacatek", "Příjmení (nebo rodné příjmení) začíná na...");
        w->zpetBT.Caption = langText(kCommon, "zpet", "Zpět");
    }
    if (TmojeSkupinyFORM* w = mojeSkupinyFORM)
        w->Caption = langText(s, "prirazeniDoSkupin", "Přiřazení do skupin");
    if (TnazevSkupinyFORM* w = nazevSkupinyFORM) {
        w->Caption = langText(s, "nazevSkupiny", "Název skupiny");
        w->zadejteLB.Caption = langText(s, "zadejteNazevSkupiny", "Zadejte název skupiny");
        w->StornoBT.Caption = langText(kCommon, "storno", kCancel);
    }
    if (TcoVyplnitFORM* w = coVyplnitFORM)
        w->stornoBT.Caption = langText(kCommon, "storno", kCancel);
}

void MainFrame::applyGedcomImportTexts()
{
    TimportFORM* w = importFORM;
    if (!w)
        return;
    const char* const s = "gedcom";
    w->Caption = langText(s, "import", "Import GEDCOMu");
    w->importLB.Caption = langText(s, "budeImport", "Soubor ve formátu GEDCOM bude importován.");
    w->bornGROUP.Caption = langText(s, "prijmeniRodnePrijmeni", "Příjmení / Rodné příjmení");
    w->bornGROUP.Items.setString(
        0, langText(s, "jakoRodne", "importovat NAME jako příjmení a případné SURN jako rodné příjmení"));
    w->bornGROUP.Items.setString(1, langText(s, "jakoPrijmeni", "importovat NAME jako rodné příjmení"));
    w->manCH.Caption =
        langText(s, "muziDokopirovat", "u mužů dokopírovat chybějící část příjmení z druhého příjmení");
    w->womanCH.Caption =
        langText(s, "zenyDokopirovat", "u žen dokopírovat chybějící část příjmení z druhého příjmení");
}

void MainFrame::applyBulkDeleteTexts()
{
    ThromadneMazaniFORM* w = hromadneMazaniFORM;
    if (!w)
        return;
    const char* const s = "hromadneMazani";
    w->Caption = langText(s, "hromadne", "Hromadné mazání");
    w->invertovatBT.Caption = langText(s, "invertovat", "Invertovat seznam");
    w->zrusBT.Caption = langText(s, "zrusit", "Zrušit výběr");
    w->vseBT.Caption = langText(s, "vse", "Vybrat vše");
    w->predciBT.Caption = langText(s, "predci", "Přidat rodiče, prarodiče,...");
    w->partneriBT.Caption = langText(s, "partneri", "Přidat partnery, manžely,...");
    w->detiBT.Caption = langText(s, "deti", "Přidat děti, vnuky,...");
    w->sourozenciBT.Caption = langText(s, "sourozenci", "Přidat sourozence");
    w->skupinaBT.Caption = langText(s, "skupina", "Vybrat skupinu:");
    w->OkBT.Caption = langText(s, "smazat", "Smazat vybrané");
    w->StornoBT.Caption = langText(kCommon, "storno", kCancel);
}
