// The texts of the small dialog windows, as each layout names them, and of the person-list
// pop-up menu, window by window in the order their keys are looked up (so a first start writes
// them in this order).
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
#include "shell/window_texts.h"

void MainFrame::applyDialogTexts()
{
    WindowTexts t(*this);
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
}
