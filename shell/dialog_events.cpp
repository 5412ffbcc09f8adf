#include "shell/dialog_events.h"

#include "forms/easter_egg_form.h"
#include "forms/jak_seznam_form.h"
#include "forms/o_programu_form.h"
#include "forms/pribuzni_form.h"
#include "forms/shrnuti_svatby_form.h"
#include "forms/text_form.h"
#include "forms/vyber_dite_form.h"
#include "forms/vyber_partnera_form.h"
#include "forms/vyhledano_form.h"
#include "shell/hlavni.h"

void MainFrame::bindDialogEvents()
{
    if (vyberPartnera)
        bindPickListEvents(*vyberPartnera);
    if (vyberDiteFORM)
        bindPickListEvents(*vyberDiteFORM);
    if (pribuzniFORM)
        bindPickListEvents(*pribuzniFORM);
    if (vyhledanoFORM)
        bindPickListEvents(*vyhledanoFORM);
    if (JakSeznamFORM)
        bindTextWindowEvents(*JakSeznamFORM);
    if (textFORM)
        bindTextWindowEvents(*textFORM);
    if (ShrnutiSvatbyFORM)
        bindTextWindowEvents(*ShrnutiSvatbyFORM);
    if (oProgramu)
        bindAboutBoxEvents(*oProgramu);
    if (easterEggFORM)
        bindQuizEvents(*easterEggFORM);
}

void MainFrame::bindShellCommands()
{
    prevBT.OnClick = [this] { prevBTClick(); };
    nextBT.OnClick = [this] { nextBTClick(); };
    Napoveda2.OnClick = NapovedaBT.OnClick = [this] { Napoveda2Click(); };
    dalsiSheet.otevriWWW1BT.OnClick = [this] { otevriWWW1BTClick(); };
    dalsiSheet.otevriWWW2BT.OnClick = [this] { otevriWWW2BTClick(); };
    dalsiSheet.napis1BT.OnClick = [this] { napis1BTClick(); };
    dalsiSheet.napis2BT.OnClick = [this] { napis2BTClick(); };
    OProgramu1.OnClick = [this] { OProgramu1Click(); };
    SeznamOsob1.OnClick = [this] { SeznamOsob1Click(); };
    Formular1.OnClick = [this] { Formular1Click(); };
    expRAR.OnClick = [this] { expRARClick(); };
    impRAR.OnClick = [this] { impRARClick(); };
}
