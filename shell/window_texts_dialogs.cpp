// The texts of the small dialog windows and of the person-list pop-up menu, window by window in
// the order their keys are looked up (so a first start writes them in this order). The common
// texts of section "ruzne" (back, cancel, yes, no) serve every window that has such a button.
// A window that was not made (tests that make the main window alone) is passed over.
#include "forms/ano_ne_form.h"
#include "forms/ano_ne_storno_form.h"
#include "forms/cekej_form.h"
#include "forms/formular_form.h"
#include "forms/html_adresar_form.h"
#include "forms/jak_seznam_form.h"
#include "forms/kalendar_form.h"
#include "forms/mene_nez_form.h"
#include "forms/pribuzni_form.h"
#include "forms/prirad_deti_form.h"
#include "forms/shrnuti_svatby_form.h"
#include "forms/sourozenci_create_form.h"
#include "forms/text_form.h"
#include "forms/vyber_adresar_form.h"
#include "forms/vyber_dite_form.h"
#include "forms/vyber_dokumentu_form.h"
#include "forms/vyber_fotek_form.h"
#include "forms/vyber_partnera_form.h"
#include "forms/vyber_souboru_form.h"
#include "forms/vyhledano_form.h"
#include "forms/vymaz_foto_form.h"
#include "shell/hlavni.h"
#include "shell/lang_form.h"
#include "shell/nastaveni_form.h"
#include "shell/tip_form.h"
#include "shell/value_dialogs.h"
#include "shell/vyroci_form.h"

namespace {

const char* const kCommon = "ruzne";
const char* const kBack = "Zpět";
const char* const kCancel = "Storno";

} // namespace

void MainFrame::applyDialogTexts()
{
    if (TVymazFotoFORM* w = VymazFotoFORM) {
        w->OdstranBT.Caption = langText("vymazFoto", "odstran", "Odstraň od aktuální osoby");
        w->VymazBT.Caption = langText("vymazFoto", "vymaz", "Vymaž všem");
    }
    if (TformularFORM* w = formularFORM) {
        w->jakouAkciLB.Caption = langText("formular", "jakouAkci", "Jakou akci chcete provést?");
        w->zobrazAktivniBT.Caption = langText("formular", "zobrazAktivni", "Zobrazit formulář aktivní osoby");
        w->tiskniAktivniBT.Caption = langText("formular", "tiskniAktivni", "Tisknout formulář aktivní osoby");
        w->tiskniVseBT.Caption = langText("formular", "tiskniVse", "Tisknout formuláře všech osob");
        w->tiskniDleProcentBT.Caption =
            langText("formular", "tiskniDleProcent", "Tisknout formuláře dle procent");
        w->tiskniPrazdneBT.Caption = langText("formular", "tiskniPrazdne", "Tisknout prázdné formuláře");
    }
    if (TvyhledanoFORM* w = vyhledanoFORM) {
        w->nalezenoLB.Caption = langText("vyhledano", "nalezeno", "Byly nalezeny tyto osoby:");
        w->poklepanimLB.Caption = langText("vyhledano", "poklepanim", "Poklepáním osobu zobrazíte.");
        w->zpetBT.Caption = langText(kCommon, "zpet", kBack);
    }
    if (TJakSeznamFORM* w = JakSeznamFORM) {
        const char* const s = "jakVypsatSeznam";
        w->jakVypsatLB.Caption = langText(s, "jakVypsat", "Jak si přejete vypsat seznam osob?");
        w->zpusobVypisuRADIO.Caption = langText(s, "zpusobVypisu", "Způsob výpisu");
        w->zpusobVypisuRADIO.Items.setString(0, langText(s, "hierarchicky", "Hierarchicky"));
        w->zpusobVypisuRADIO.Items.setString(1, langText(s, "abecedne", "Abecedně"));
        w->zpusobVypisuRADIO.Items.setString(2, langText(s, "chronologicky", "Chronologicky"));
        w->coVypsatGROUP.Caption = langText(s, "coVypsat", "Co vypisovat?");
        w->rodnePrijmeniCH.Caption = langText(s, "rodnePrijmeni", "rodné příjmení");
        w->narozeniCH.Caption = langText(s, "narozeni", "narození");
        w->umrtiCH.Caption = langText(s, "umrti", "úmrtí");
        w->cisloCH.Caption = langText(s, "cislo", "ID číslo");
        w->mistoNarozeniCH.Caption = langText(s, "mistoNarozeni", "místo narození");
        w->mistoUmrtiCH.Caption = langText(s, "mistoUmrti", "místo úmrtí");
        w->bydlisteCH.Caption = langText(s, "bydliste", "bydliště");
        w->vzdelaniCH.Caption = langText(s, "vzdelani", "vzdělání");
        w->povolaniCH.Caption = langText(s, "povolani", "povolání");
        w->StornoBT.Caption = langText(kCommon, "storno", kCancel);
    }
    if (ThtmlAdresarFORM* w = htmlAdresarFORM) {
        w->zadejteLB.Caption =
            langText("HTML", "zadejteAdresar", "Zadejte název podadresáře, který má být vytvořen v umístění");
        w->stornoBT.Caption = langText(kCommon, "storno", kCancel);
    }
    if (TvyberDiteFORM* w = vyberDiteFORM) {
        w->pokynLB.Caption =
            langText("prirazeniDeti", "pokyn", "Poklepáním zvolte dítě, které chcete přiřadit:");
        w->zpetBT.Caption = langText(kCommon, "zpet", kBack);
    }
    if (TpriradDetiFORM* w = priradDetiFORM) {
        w->dotazLB.Caption = langText("prirazeniDeti", "jakymZpusobem", "Jakým způsobem přiřadit děti?");
        w->dlePartneraBT.Caption = langText("prirazeniDeti", "dlePartnera", "Podle partnera");
        w->zeSeznamuBT.Caption = langText("prirazeniDeti", "zeSeznamu", "Vybrat ze seznamu");
    }
    if (TvyberPartnera* w = vyberPartnera) {
        w->pokynLB.Caption = langText("vyberPartnera", "pokyn", "Vyberte partnera:");
        w->vytvorNovehoBT.Caption = langText("vyberPartnera", "vytvorNovou", "Vytvořit novou osobu");
    }
    if (TvyrociFORM* w = vyrociFORM) {
        w->zpetBT.Caption = langText(kCommon, "zpet", kBack);
        w->vybranyRADIO.Caption = langText("vyroci", "zobrazovatVyroci", "Zobrazovat výročí ve");
        w->vybranyRADIO.Items.setString(0, langText("vyroci", "vybranyDen", "vybraný den"));
        w->vybranyRADIO.Items.setString(1, langText("vyroci", "vybranyMesic", "vybraný měsíc"));
        w->nazvySvatebBT.Caption = langText("vyroci", "nazvySvateb", "Názvy svateb");
    }
    if (TlangFORM* w = langFORM) {
        w->zvolteLB.Caption = langText("jazyk", "zvolteJazyk", "Zvolte jazyk:");
        w->stornoBT.Caption = langText(kCommon, "storno", kCancel);
    }
    if (TmeneNezFORM* w = meneNezFORM) {
        w->pokynLB.Caption =
            langText("formular", "meneNezXProcent",
                     "Tisk formulářů lidí, kteří mají z důležitých údajů vyplněno méně než ... procent:");
        w->stornoBT.Caption = langText(kCommon, "storno", kCancel);
    }
    if (TvyberAdresarFORM* w = vyberAdresarFORM) {
        w->pokynLB.Caption =
            langText("HTML", "zvolteAdresar",
                     "Zvolte adresář, kam má být uložena adresářová struktura vygenerovaných HTML stránek");
        w->stornoBT.Caption = langText(kCommon, "storno", kCancel);
    }
    if (TpribuzniFORM* w = pribuzniFORM) {
        w->poklepanimLB.Caption =
            langText("vyhledaniPribuznych", "poklepanim", "Poklepáním na jméno osobu zobrazíte.");
        w->zpetBT.Caption = langText(kCommon, "zpet", kBack);
    }
    if (TvyberDokumentuFORM* w = vyberDokumentuFORM) {
        const char* const s = "vyberDokumentu";
        w->fotkyVLipovetauLB.Caption = langText(s, "dokumentyVLipovetau", "Dokumenty v lipovetau:");
        w->fotkyOsobyLB.Caption = langText(s, "dokumentyAktualniOsoby", "Dokumenty aktuální osoby:");
        w->osobyDokumentuLB.Caption = langText(s, "osobyAktualnihoDokumentu", "Osoby s vybraným dokumentem:");
        w->smazBT.Caption = langText(s, "smaz", "Smaž");
        w->zpetBT.Caption = langText(kCommon, "zpet", kBack);
    }
    if (TvyberFotekFORM* w = vyberFotekFORM) {
        const char* const s = "vyberFotek";
        w->fotkyVLipovetauLB.Caption = langText(s, "fotkyVLipovetau", "Fotky v lipovetau:");
        w->fotkyOsobyLB.Caption = langText(s, "fotkyAktualniOsoby", "Fotky aktuální osoby:");
        w->osobyFotkyLB.Caption = langText(s, "osobyAktualniFotky", "Osoby s vybranou fotografií:");
        w->smazBT.Caption = langText(s, "smaz", "Smaž");
        w->zpetBT.Caption = langText(kCommon, "zpet", kBack);
    }
    if (TvyberSouboruFORM* w = vyberSouboruFORM) {
        const char* const s = "vyberSouboru";
        w->souboryVLipovetauLB.Caption = langText(s, "souboryVLipovetau", "Soubory v lipovetau:");
        w->souboryOsobyLB.Caption = langText(s, "souboryAktualniOsoby", "Soubory aktuální osoby:");
        w->osobySouboruLB.Caption = langText(s, "osobyAktualnihoSouboru", "Osoby s vybraným souborem:");
        w->smazBT.Caption = langText(s, "smaz", "Smaž");
        w->zpetBT.Caption = langText(kCommon, "zpet", kBack);
    }
    if (TnastaveniForm* w = nastaveniForm) {
        w->minRokLB.Caption = langText("nastaveni", "minRok", "Minimální rok:");
        w->maxRokLB.Caption = langText("nastaveni", "maxRok", "Maximální rok:");
        w->maxVekLB.Caption = langText("nastaveni", "maxVek", "Maximální věk:");
        w->minRodicDiteLB.Caption =
            langText("nastaveni", "minRodicDite", "Minimální věk při narození dítěte:");
        w->smrtOtecNarozDiteCheck.Caption =
            langText("nastaveni", "smrtOtecNarozDite", "Kontrolovat úmrtí otce s narozením jeho dítěte");
    }
    if (TsourozenciCreate* w = sourozenciCreate) {
        w->coSpolecnehoLB.Caption =
            langText("sourozenci", "coSpolecneho", "S aktuální osobou má nový sourozenec...");
        w->otceBT.Caption = langText("sourozenci", "otce", "Společného otce");
        w->matkuBT.Caption = langText("sourozenci", "matku", "Společnou matku");
        w->obaRodiceBT.Caption = langText("sourozenci", "obaRodice", "Společné oba rodiče");
    }
    if (TtextFORM* w = textFORM) {
        w->ulozitBT.Caption = langText("text", "ulozit", "Uložit");
        w->tiskBT.Caption = langText("text", "tisk", "Tisk");
        w->zavritBT.Caption = langText("text", "zavrit", "Zavřít");
    }
    if (TcasoveObdobiFORM* w = casoveObdobiFORM) {
        w->textLB.Caption = langText("casoveObdobi", "text", "Text:");
        w->odLB.Caption = langText("casoveObdobi", "od", "Od:");
        w->doLB.Caption = langText("casoveObdobi", "do", "Do:");
        w->stornoBT.Caption = langText(kCommon, "storno", kCancel);
    }
    if (TuserDefFORM* w = userDefFORM) {
        w->pokynLB.Caption = langText("dalsiUdaje", "zadejKolonku", "Zadejte název kolonky:");
        w->stornoBT.Caption = langText(kCommon, "storno", kCancel);
    }
    if (TcekejFORM* w = cekejFORM)
        w->Caption = langText(kCommon, "prosimCekejte", "Prosím čekejte...");
    if (TShrnutiSvatbyFORM* w = ShrnutiSvatbyFORM) {
        w->ulozitShrnutiBT.Caption = langText("shrnutiSvatby", "ulozitText", "Uložit text");
        w->zpetBT.Caption = langText(kCommon, "zpet", kBack);
    }
    if (TanoNe* w = anoNe) {
        w->anoBT.Caption = langText(kCommon, "ano", "Ano");
        w->neBT.Caption = langText(kCommon, "ne", "Ne");
    }
    if (TanoNeStorno* w = anoNeStorno) {
        w->anoBT.Caption = langText(kCommon, "ano", "Ano");
        w->neBT.Caption = langText(kCommon, "ne", "Ne");
        w->stornoBT.Caption = langText(kCommon, "storno", kCancel);
    }
    if (TFTextFORM* w = FTextFORM) {
        w->Caption = langText("FText", "vkladanyText", "Vkládaný text");
        w->vkladanyTextLB.Caption = langText("FText", "zadejte", "Zadejte vkládaný text");
        w->stornoBT.Caption = langText(kCommon, "storno", kCancel);
    }
    VymazPopup1.Caption = langText("popup", "vymaz", "Vymaž");
    ZpetPopup1.Caption = langText("popup", "zadnaAkce", "Žádná akce");
    if (TkalendarFORM* w = kalendarFORM) {
        w->stornoBT.Caption = langText(kCommon, "storno", kCancel);
        w->kteraVyrociGROUP.Caption =
            langText("kalendar", "kteraVyroci", "Která výročí zahrnout do kalendáře?");
        w->narozZijCH.Caption = langText("kalendar", "narozZij", "narozeniny žijících");
        w->narozZesCH.Caption = langText("kalendar", "narozZes", "výročí narození zesnulých");
        w->umrtiCH.Caption = langText("kalendar", "umrti", "výročí úmrtí");
        w->svatbaZijCH.Caption = langText("kalendar", "svatbaZij", "výročí svatby žijících");
        w->svatbaZesCH.Caption = langText("kalendar", "svatbaZes", "výročí svatby zesnulých");
    }
    if (TtipFORM* w = tipFORM)
        w->zobrazovatCH.Caption = langText("tip", "zobrazovat", "Zobrazovat tip při spuštění");
}
