#pragma once
// Every window of the program, made once at start in the order the program has always made
// them (the main window first, so it becomes the application's main window) and kept until
// exit. Each window also claims its global pointer (hlavni, anoNeStorno, ...).
#include "forms/ano_ne_form.h"
#include "forms/ano_ne_storno_form.h"
#include "forms/cekej_form.h"
#include "forms/dvojite_spusteni_form.h"
#include "forms/formular_form.h"
#include "forms/hledej_form.h"
#include "forms/id_change_form.h"
#include "forms/import_form.h"
#include "forms/kalendar_form.h"
#include "forms/mene_nez_form.h"
#include "forms/nazvy_svateb_form.h"
#include "forms/prirad_deti_form.h"
#include "forms/sourozenci_create_form.h"
#include "forms/tolerance_form.h"
#include "forms/vyroci_form.h"
#include "platform/application.h"
#include "shell/barvy_form.h"
#include "shell/hlavni.h"
#include "shell/lang_form.h"
#include "shell/nastaveni_form.h"
#include "shell/tip_form.h"
#include "shell/value_dialogs.h"

struct ProgramWindows {
    Thlavni hlavni;
    TanoNeStorno anoNeStorno;
    TanoNe anoNe;
    TnastaveniForm nastaveniForm;
    TsourozenciCreate sourozenciCreate;
    TcasoveObdobiFORM casoveObdobiFORM;
    TpriradDetiFORM priradDetiFORM;
    TcekejFORM cekejFORM;
    TuserDefFORM userDefFORM;
    ThledejFORM hledejFORM;
    TbarvyFORM barvyFORM;
    TvyrociFORM vyrociFORM;
    TformularFORM formularFORM;
    TmeneNezFORM meneNezFORM;
    TdvojiteSpusteniFORM dvojiteSpusteniFORM;
    TlangFORM langFORM;
    TimportFORM importFORM;
    TidChangeFORM idChangeFORM;
    TtoleranceFORM toleranceFORM;
    TnazvySvatebFORM nazvySvatebFORM;
    TFTextFORM FTextFORM;
    TtipFORM tipFORM;
    TkalendarFORM kalendarFORM;

    ProgramWindows()
    {
        TForm* const all[] = {&hlavni, &anoNeStorno, &anoNe, &nastaveniForm, &sourozenciCreate,
                              &casoveObdobiFORM, &priradDetiFORM, &cekejFORM, &userDefFORM, &hledejFORM,
                              &barvyFORM, &vyrociFORM, &formularFORM, &meneNezFORM, &dvojiteSpusteniFORM,
                              &langFORM, &importFORM, &idChangeFORM, &toleranceFORM, &nazvySvatebFORM,
                              &FTextFORM, &tipFORM, &kalendarFORM};
        for (TForm* form : all)
            Application.CreateForm(*form);
    }
};
