// The statistics tab (the report and the tables of the open tree) and the save and print
// commands of the statistics and person-summary tabs.
#include "model/datum.h"
#include "model/display_settings.h"
#include "model/rod.h"
#include "reports/report_commands.h"
#include "reports/statistics_report.h"
#include "reports/statistics_tables.h"
#include "shell/report_text.h"
#include "shell/settings.h"
#include "system/codec.h"
#include "system/datetime.h"
#include "system/exceptions.h"
#include "toolkit/application.h"
#include "toolkit/dialogs.h"
#include "toolkit/stdctrls.h"

void ReportCommands::showTreeStatistics()
{
    const Rod* tree = window_.currentTree();
    if (!tree)
        return;
    const Nastaveni& settings = window_.programSettings();
    const FixedDisplaySettings display(settings.showBirthSurname, settings.showBirth);
    const std::vector<std::string> lines =
        treeStatisticsLines(*tree, window_.texts(), display, Datum(today()));
    showReportText(controls_.statistikaLipovetauRICH, &lines);
}

void ReportCommands::showStatisticsTables()
{
    const Rod* tree = window_.currentTree();
    if (!tree)
        return;
    const std::vector<std::string> lines = statisticsTablesLines(*tree, window_.texts());
    showReportText(controls_.statistikaLipovetauRICH, &lines);
}

void ReportCommands::zakladniPrehledBTClick()
{
    showTreeStatistics();
}

void ReportCommands::tabulkyBTClick()
{
    showStatisticsTables();
}

void ReportCommands::saveRichEditLines(const TRichEdit& rich)
{
    TSaveDialog& dialog = controls_.SaveDialogTXT;
    dialog.InitialDir = window_.programFolderPath();
    if (!dialog.Execute())
        return;
    try {
        // Written beside the old file and renamed over it: a failure leaves the old one whole.
        writeUtf8TextLines(dialog.FileName, rich.Lines.lines());
    } catch (const Exception& e) {
        Application.ShowException(e);
    }
}

void ReportCommands::printRichEdit(TRichEdit& rich, const std::string& jobName)
{
    if (!controls_.PrintDialog1.Execute())
        return;
    rich.BorderWidth = 60;
    rich.Print(jobName);
    rich.BorderWidth = 0;
}

void ReportCommands::ulozitStatistikyLipovetauBTClick()
{
    saveRichEditLines(controls_.statistikaLipovetauRICH);
}

void ReportCommands::ulozitStatistikuOsobyBTClick()
{
    saveRichEditLines(controls_.shrnutiOsobyRICH);
}

void ReportCommands::tiskStatistikyLipovetauBTClick()
{
    printRichEdit(controls_.statistikaLipovetauRICH, "Statistika Lipovetau");
}

void ReportCommands::tiskStatistikyOsobyBTClick()
{
    printRichEdit(controls_.shrnutiOsobyRICH, "Shrnuti osoby");
}
