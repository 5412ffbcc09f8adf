#include "shell/report_dialogs.h"

#include "forms/co_exportovat_form.h"
#include "forms/co_v_html_form.h"
#include "forms/html_adresar_form.h"
#include "forms/import_form.h"
#include "forms/kalendar_form.h"
#include "forms/vyber_adresar_form.h"
#include "shell/settings.h"
#include "system/files.h"

#include <cstdlib>

std::optional<TextExportChoice> askTextExportChoice()
{
    if (!coExportovatFORM || coExportovatFORM->ShowModal() != mrOk)
        return std::nullopt;
    const TcoExportovatFORM& w = *coExportovatFORM;
    // In the order of TextColumn.
    const TCheckBox* boxes[textColumnCount] = {&w.jmenoEx,         &w.prijmeniEx,      &w.rodneEx,
                                               &w.pohlaviEx,       &w.identifikatorEx, &w.datumNarozeniEx,
                                               &w.mistoNarozeniEx, &w.datumUmrtiEx,    &w.mistoUmrtiEx,
                                               &w.mistoPohrbeniEx, &w.pricinaUmrtiEx,  &w.idOtecEx,
                                               &w.idMatkyEx,       &w.idPartneraEx,    &w.bydlisteEx,
                                               &w.vzdelaniEx,      &w.povolaniEx,      &w.vyznaniEx,
                                               &w.krestEx,         &w.narodnostEx,     &w.statniPrislusnostEx,
                                               &w.emailEx,         &w.telefonEx,       &w.wwwEx};
    TextExportChoice choice;
    for (int i = 0; i < textColumnCount; ++i)
        choice.columns[size_t(i)] = boxes[i]->Checked();
    choice.separator = w.oddelovacRADIO.ItemIndex() == 0 ? " " : "\t";
    return choice;
}

std::optional<CalendarChoices> askCalendarChoices()
{
    if (!kalendarFORM || kalendarFORM->ShowModal() != mrOk)
        return std::nullopt;
    const TkalendarFORM& w = *kalendarFORM;
    CalendarChoices choices;
    choices.birthdaysOfLiving = w.narozZijCH.Checked();
    choices.birthsOfDead = w.narozZesCH.Checked();
    choices.deaths = w.umrtiCH.Checked();
    choices.weddingsOfLiving = w.svatbaZijCH.Checked();
    choices.weddingsWithDeadPartner = w.svatbaZesCH.Checked();
    return choices;
}

std::optional<WebExportOptions> askWebExportOptions()
{
    if (!coVHtmlFORM || coVHtmlFORM->ShowModal() != mrOk)
        return std::nullopt;
    return shownWebExportOptions();
}

WebExportOptions shownWebExportOptions()
{
    if (!coVHtmlFORM)
        return {};
    const TcoVHtmlFORM& w = *coVHtmlFORM;
    WebExportOptions o;
    o.portrait = w.fotkaCH.Checked();
    o.identifier = w.identifikatorCH.Checked();
    o.birth = w.narozeniCH.Checked();
    o.death = w.umrtiCH.Checked();
    o.partnerships = w.snatkyCH.Checked();
    o.residences = w.bydlisteCH.Checked();
    o.educations = w.vzdelaniCH.Checked();
    o.occupations = w.povolaniCH.Checked();
    o.contacts = w.kontaktyCH.Checked();
    return o;
}

bool webSiteWindowsMade()
{
    return coVHtmlFORM && vyberAdresarFORM && htmlAdresarFORM;
}

std::string askWebSiteLocation()
{
    if (!vyberAdresarFORM)
        return {};
    TvyberAdresarFORM& w = *vyberAdresarFORM;
    const char* home = std::getenv("HOME");
    const std::string base = home && *home ? withoutTrailingSlashes(home) : std::string("/");
    w.showFolder(w.currentFolder().empty() ? base : w.currentFolder(), base);
    if (w.ShowModal() != mrOk)
        return {};
    return w.chosenFolder();
}

std::optional<std::string> askWebSiteFolderName(const std::string& location)
{
    if (!htmlAdresarFORM)
        return std::nullopt;
    htmlAdresarFORM->dirnameLB.Caption = location;
    if (htmlAdresarFORM->ShowModal() != mrOk)
        return std::nullopt;
    return htmlAdresarFORM->dirNameED.Text();
}

void askGedcomImportOptions(Nastaveni& settings)
{
    if (!importFORM)
        return;
    TimportFORM& options = *importFORM;
    options.bornGROUP.setItemIndex(settings.gedNameAsBorn ? 0 : 1);
    options.manCH.setChecked(settings.gedManCopy);
    options.womanCH.setChecked(settings.gedWomanCopy);
    options.ShowModal();
    settings.gedNameAsBorn = options.bornGROUP.ItemIndex() == 0;
    settings.gedManCopy = options.manCH.Checked();
    settings.gedWomanCopy = options.womanCH.Checked();
}
