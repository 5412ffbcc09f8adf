// Prehledy, the anniversary calendar: the choice of anniversaries, the file in the working
// folder, the request to save it elsewhere, and the file opened.
#include "forms/kalendar_form.h"
#include "model/anniversaries.h"
#include "model/datum.h"
#include "model/rod.h"
#include "platform/application.h"
#include "platform/codec.h"
#include "platform/datetime.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/process.h"
#include "reports/anniversary_calendar.h"
#include "reports/report_commands.h"
#include "shell/list_display.h"

void ReportCommands::Kalendar1Click()
{
    if (!tree || !kalendarFORM)
        return;
    if (kalendarFORM->ShowModal() != mrOk)
        return;
    const TkalendarFORM& w = *kalendarFORM;
    CalendarChoices choices;
    choices.birthdaysOfLiving = w.narozZijCH.Checked();
    choices.birthsOfDead = w.narozZesCH.Checked();
    choices.deaths = w.umrtiCH.Checked();
    choices.weddingsOfLiving = w.svatbaZijCH.Checked();
    choices.weddingsWithDeadPartner = w.svatbaZesCH.Checked();

    const TDateTime now = ::now();
    Prvky anniversaries;
    tree->collectCalendarAnniversaries(anniversaries, choices, now, *this, ListDisplay(settings), settings.showNumber);
    anniversaries.sort();
    const std::string file = joinPath(workingFolder, "kalendar.txt");
    try {
        writeUtf8TextLines(file, calendarLines(anniversaries, std::stoi(Datum(now).year)));
    } catch (const std::exception& e) {
        Application.ShowException(e);
        return;
    }
    ShowMessage(langText("kalendar", "hotovo", "Kalendář byl vytvořen. Uložte si jej prosím."));
    shellOpen(file);
}
