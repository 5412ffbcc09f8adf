// Prehledy, the anniversary calendar: the choice of anniversaries, the file in the working
// folder, the request to save it elsewhere, and the file opened.
#include "model/anniversaries.h"
#include "model/datum.h"
#include "model/rod.h"
#include "model/text_source.h"
#include "reports/anniversary_calendar.h"
#include "reports/report_commands.h"
#include "shell/list_display.h"
#include "shell/report_dialogs.h"
#include "system/codec.h"
#include "system/datetime.h"
#include "system/files.h"
#include "system/process.h"
#include "toolkit/application.h"
#include "toolkit/dialogs.h"

void ReportCommands::Kalendar1Click()
{
    Rod* tree = window_.currentTree();
    if (!tree)
        return;
    const std::optional<CalendarChoices> choices = askCalendarChoices();
    if (!choices)
        return;

    const TDateTime now = ::now();
    Prvky anniversaries;
    const Nastaveni& settings = window_.programSettings();
    TextSource& texts = window_.texts();
    tree->collectCalendarAnniversaries(anniversaries, *choices, now, texts, ListDisplay(settings),
                                       settings.showNumber);
    anniversaries.sort();
    const std::string file = joinPath(window_.workingFolderPath(), "kalendar.txt");
    try {
        writeUtf8TextLines(file, calendarLines(anniversaries, std::stoi(Datum(now).year)));
    } catch (const std::exception& e) {
        Application.ShowException(e);
        return;
    }
    ShowMessage(texts.langText("kalendar", "hotovo", "Kalendář byl vytvořen. Uložte si jej prosím."));
    shellOpen(file);
}
