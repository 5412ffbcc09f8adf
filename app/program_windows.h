#pragma once
// Every window of the program, made once at start in the order the program has always made
// them (the main window first, so it becomes the application's main window) and kept until
// exit. Each window also claims its global pointer (hlavni, anoNeStorno, ...).
#include "forms/ano_ne_form.h"
#include "forms/ano_ne_storno_form.h"
#include "forms/cekej_form.h"
#include "forms/dvojite_spusteni_form.h"
#include "forms/formular_form.h"
#include "forms/id_change_form.h"
#include "forms/import_form.h"
#include "forms/kalendar_form.h"
#include "forms/mene_nez_form.h"
#include "forms/prirad_deti_form.h"
#include "forms/sourozenci_create_form.h"
#include "forms/tolerance_form.h"
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
    TbarvyFORM barvyFORM;
    TformularFORM formularFORM;
    TmeneNezFORM meneNezFORM;
    TdvojiteSpusteniFORM dvojiteSpusteniFORM;
    TlangFORM langFORM;
    TidChangeFORM idChangeFORM;
    TtoleranceFORM toleranceFORM;
    TFTextFORM FTextFORM;
    TtipFORM tipFORM;
    TkalendarFORM kalendarFORM;
    TimportFORM importFORM;

    ProgramWindows()
    {
        TForm* const all[] = {&hlavni, &anoNeStorno, &anoNe, &nastaveniForm, &sourozenciCreate,
                              &casoveObdobiFORM, &priradDetiFORM, &cekejFORM, &userDefFORM, &barvyFORM,
                              &formularFORM, &meneNezFORM, &dvojiteSpusteniFORM, &langFORM, &idChangeFORM,
                              &toleranceFORM, &FTextFORM, &tipFORM, &kalendarFORM, &importFORM};
        for (TForm* form : all)
            Application.CreateForm(*form);
    }
};
