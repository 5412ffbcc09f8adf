// Every window's texts, window by window in the order their keys are looked up, so a first start
// writes a fresh language file's keys in this order. Each window's keys and Czech texts stand in
// its layout; what is looked up here beside them depends on the frame's state.
#include "forms/ano_ne_form.h"
#include "forms/ano_ne_storno_form.h"
#include "forms/cekej_form.h"
#include "forms/co_exportovat_form.h"
#include "forms/co_v_html_form.h"
#include "forms/co_vyplnit_form.h"
#include "forms/dvojite_spusteni_form.h"
#include "forms/formular_form.h"
#include "forms/hromadne_mazani_form.h"
#include "forms/html_adresar_form.h"
#include "forms/id_change_form.h"
#include "forms/import_form.h"
#include "forms/jak_seznam_form.h"
#include "forms/kalendar_form.h"
#include "forms/mene_nez_form.h"
#include "forms/moje_skupiny_form.h"
#include "forms/naplnit_form.h"
#include "forms/nazev_skupiny_form.h"
#include "forms/nazvy_svateb_form.h"
#include "forms/o_programu_form.h"
#include "forms/pribuzni_form.h"
#include "forms/prirad_deti_form.h"
#include "forms/shrnuti_svatby_form.h"
#include "forms/sourozenci_create_form.h"
#include "forms/spravce_skupin_form.h"
#include "forms/text_form.h"
#include "forms/tolerance_form.h"
#include "forms/vyber_adresar_form.h"
#include "forms/vyber_dite_form.h"
#include "forms/vyber_dokumentu_form.h"
#include "forms/vyber_fotek_form.h"
#include "forms/vyber_partnera_form.h"
#include "forms/vyber_souboru_form.h"
#include "forms/vyhledano_form.h"
#include "forms/vymaz_foto_form.h"
#include "model/clovek.h"
#include "shell/barvy_form.h"
#include "shell/hlavni.h"
#include "shell/hledej_form.h"
#include "shell/lang_form.h"
#include "shell/nastaveni_form.h"
#include "shell/tip_form.h"
#include "shell/value_dialogs.h"
#include "shell/vyroci_form.h"
#include "shell/window_texts.h"

void MainFrame::applyWindowTexts()
{
    WindowTexts t(*this);
    // The main window: title, menu, tool buttons, the person list's panel.
    t.apply(menuTexts());
    t.apply(toolTexts());
    t.apply(sortBoxTexts());
    // Only the direction now in force is looked up.
    personList.showSortDirection();
    // The items are replaced in place, so the chosen sort key stays chosen.
    t.apply(listPanelTexts());

    // The tab pages; the further-data page's identifier change window goes with it.
    t.apply(obecneSheet.texts());
    t.apply(zakladniSheet.texts());
    // New item texts leave the sex box without a choice; the shown person's sex is chosen again
    // without going through the change handler, so nothing is stored or recorded.
    const Clovek* person = shownPerson();
    zakladniSheet.pohlaviCB.setItemIndex(person ? (person->sex == 1 ? 0 : 1) : -1);
    t.apply(lockTexts());
    t.apply(dalsiSheet.texts());
    t.applyIfMade(idChangeFORM);
    t.apply(fotkySheet.texts());
    t.apply(dokumentySheet.texts());
    t.apply(doplnujiciSheet.texts());
    t.apply(shrnutiSheet.texts());
    t.apply(statistikaSheet.texts());

    // The windows bound with the main window: the about box, the relationship colours, the
    // double-start warning.
    t.applyIfMade(oProgramu);
    t.applyIfMade(barvyFORM);
    t.applyIfMade(dvojiteSpusteniFORM);

    // The small dialogs and the person list's pop-up menu.
    t.applyIfMade(VymazFotoFORM);
    t.applyIfMade(formularFORM);
    t.applyIfMade(vyhledanoFORM);
    t.applyIfMade(JakSeznamFORM);
    t.applyIfMade(htmlAdresarFORM);
    t.applyIfMade(vyberDiteFORM);
    t.applyIfMade(priradDetiFORM);
    t.applyIfMade(vyberPartnera);
    t.applyIfMade(vyrociFORM);
    t.applyIfMade(langFORM);
    t.applyIfMade(meneNezFORM);
    t.applyIfMade(vyberAdresarFORM);
    t.applyIfMade(pribuzniFORM);
    t.applyIfMade(vyberDokumentuFORM);
    t.applyIfMade(vyberFotekFORM);
    t.applyIfMade(vyberSouboruFORM);
    t.applyIfMade(nastaveniForm);
    t.applyIfMade(sourozenciCreate);
    t.applyIfMade(textFORM);
    t.applyIfMade(casoveObdobiFORM);
    t.applyIfMade(userDefFORM);
    t.applyIfMade(cekejFORM);
    t.applyIfMade(ShrnutiSvatbyFORM);
    t.applyIfMade(anoNe);
    t.applyIfMade(anoNeStorno);
    t.applyIfMade(FTextFORM);
    t.apply(popupTexts());
    t.applyIfMade(kalendarFORM);
    t.applyIfMade(tipFORM);

    // The search, text export, tolerance, anniversary names, web export, group, GEDCOM import
    // and bulk delete windows. The search's field names serve the text export too, so one
    // translation relabels a field in both.
    t.applyIfMade(hledejFORM);
    t.applyIfMade(coExportovatFORM);
    t.applyIfMade(toleranceFORM);
    t.applyIfMade(nazvySvatebFORM);
    t.applyIfMade(coVHtmlFORM);
    t.applyIfMade(spravceSkupinFORM);
    t.applyIfMade(naplnitFORM);
    t.applyIfMade(mojeSkupinyFORM);
    t.applyIfMade(nazevSkupinyFORM);
    t.applyIfMade(coVyplnitFORM);
    t.applyIfMade(importFORM);
    t.applyIfMade(hromadneMazaniFORM);
}
