#pragma once
// Every window of the program, made once at start in the order the program has always made
// them (the main window first, so it becomes the application's main window) and kept until
// exit. Each window also claims its global pointer (hlavni, anoNeStorno, ...).
#include "app/main_window.h"
#include "forms/ano_ne_form.h"
#include "forms/ano_ne_storno_form.h"
#include "forms/cekej_form.h"
#include "forms/co_exportovat_form.h"
#include "forms/co_v_html_form.h"
#include "forms/co_vyplnit_form.h"
#include "forms/dvojite_spusteni_form.h"
#include "forms/easter_egg_form.h"
#include "forms/formular_form.h"
#include "forms/hledej_form.h"
#include "forms/hromadne_form.h"
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
#include "forms/vyroci_form.h"
#include "shell/barvy_form.h"
#include "shell/hledej_form.h"
#include "shell/lang_form.h"
#include "shell/nastaveni_form.h"
#include "shell/tip_form.h"
#include "shell/value_dialogs.h"
#include "shell/vyroci_form.h"
#include "toolkit/application.h"

struct ProgramWindows {
    Thlavni hlavni;
    TanoNeStorno anoNeStorno;
    TanoNe anoNe;
    ToProgramu oProgramu;
    TnastaveniForm nastaveniForm;
    TsourozenciCreate sourozenciCreate;
    TcasoveObdobiFORM casoveObdobiFORM;
    TvyberPartnera vyberPartnera;
    TpriradDetiFORM priradDetiFORM;
    TvyberDiteFORM vyberDiteFORM;
    TShrnutiSvatbyFORM ShrnutiSvatbyFORM;
    TpribuzniFORM pribuzniFORM;
    TcekejFORM cekejFORM;
    TuserDefFORM userDefFORM;
    ThledejFORM hledejFORM;
    TvyhledanoFORM vyhledanoFORM;
    TbarvyFORM barvyFORM;
    TvyrociFORM vyrociFORM;
    TJakSeznamFORM JakSeznamFORM;
    TtextFORM textFORM;
    TformularFORM formularFORM;
    TmeneNezFORM meneNezFORM;
    TVymazFotoFORM VymazFotoFORM;
    TvyberFotekFORM vyberFotekFORM;
    TvyberDokumentuFORM vyberDokumentuFORM;
    TvyberSouboruFORM vyberSouboruFORM;
    TdvojiteSpusteniFORM dvojiteSpusteniFORM;
    TeasterEggFORM easterEggFORM;
    TvyberAdresarFORM vyberAdresarFORM;
    ThtmlAdresarFORM htmlAdresarFORM;
    TlangFORM langFORM;
    TimportFORM importFORM;
    TidChangeFORM idChangeFORM;
    TcoExportovatFORM coExportovatFORM;
    TtoleranceFORM toleranceFORM;
    TnazvySvatebFORM nazvySvatebFORM;
    TFTextFORM FTextFORM;
    TspravceSkupinFORM spravceSkupinFORM;
    TmojeSkupinyFORM mojeSkupinyFORM;
    TnazevSkupinyFORM nazevSkupinyFORM;
    TnaplnitFORM naplnitFORM;
    ThromadneFORM hromadneFORM;
    TcoVyplnitFORM coVyplnitFORM;
    TtipFORM tipFORM;
    TcoVHtmlFORM coVHtmlFORM;
    TkalendarFORM kalendarFORM;
    ThromadneMazaniFORM hromadneMazaniFORM;

    ProgramWindows()
    {
        TForm* const all[] = {&hlavni.layout(),    &anoNeStorno,       &anoNe,
                              &oProgramu,          &nastaveniForm,     &sourozenciCreate,
                              &casoveObdobiFORM,   &vyberPartnera,     &priradDetiFORM,
                              &vyberDiteFORM,      &ShrnutiSvatbyFORM, &pribuzniFORM,
                              &cekejFORM,          &userDefFORM,       &hledejFORM,
                              &vyhledanoFORM,      &barvyFORM,         &vyrociFORM,
                              &JakSeznamFORM,      &textFORM,          &formularFORM,
                              &meneNezFORM,        &VymazFotoFORM,     &vyberFotekFORM,
                              &vyberDokumentuFORM, &vyberSouboruFORM,  &dvojiteSpusteniFORM,
                              &easterEggFORM,      &vyberAdresarFORM,  &htmlAdresarFORM,
                              &langFORM,           &importFORM,        &idChangeFORM,
                              &coExportovatFORM,   &toleranceFORM,     &nazvySvatebFORM,
                              &FTextFORM,          &spravceSkupinFORM, &mojeSkupinyFORM,
                              &nazevSkupinyFORM,   &naplnitFORM,       &hromadneFORM,
                              &coVyplnitFORM,      &tipFORM,           &coVHtmlFORM,
                              &kalendarFORM,       &hromadneMazaniFORM};
        for (TForm* form : all)
            Application.CreateForm(*form);
    }
};
