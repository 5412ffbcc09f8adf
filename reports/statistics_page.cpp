// The statistics tab (the report and the tables of the open tree) and the save and print
// commands of the statistics and person-summary tabs.
#include "model/datum.h"
#include "model/display_settings.h"
#include "model/rod.h"
#include "reports/report_commands.h"
#include "reports/statistics_report.h"
#include "reports/statistics_tables.h"
#include "system/codec.h"
#include "system/datetime.h"
#include "system/exceptions.h"
#include "toolkit/application.h"

void ReportCommands::bindStatisticsEvents()
{
    StatistikaSheet& s = statistikaSheet;
    s.zakladniPrehledBT.OnClick = [this] { zakladniPrehledBTClick(); };
    s.tabulkyBT.OnClick = [this] { tabulkyBTClick(); };
    s.ulozitStatistikyLipovetauBT.OnClick = [this] { ulozitStatistikyLipovetauBTClick(); };
    s.tiskStatistikyLipovetauBT.OnClick = [this] { tiskStatistikyLipovetauBTClick(); };
    ShrnutiSheet& p = shrnutiSheet;
    p.ulozitStatistikuOsobyBT.OnClick = [this] { ulozitStatistikuOsobyBTClick(); };
    p.tiskStatistikyOsobyBT.OnClick = [this] { tiskStatistikyOsobyBTClick(); };
}

void ReportCommands::showTreeStatistics()
{
    if (!tree)
        return;
    const FixedDisplaySettings display(settings.showBirthSurname, settings.showBirth);
    const std::vector<std::string> lines = treeStatisticsLines(*tree, *this, display, Datum(today()));
    showReportText(statistikaSheet.statistikaLipovetauRICH, &lines);
}

void ReportCommands::showStatisticsTables()
{
    if (!tree)
        return;
    const std::vector<std::string> lines = statisticsTablesLines(*tree, *this);
    showReportText(statistikaSheet.statistikaLipovetauRICH, &lines);
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
    SaveDialogTXT.InitialDir = programFolder;
    if (!SaveDialogTXT.Execute())
        return;
    try {
        // Written beside the old file and renamed over it: a failure leaves the old one whole.
        writeUtf8TextLines(SaveDialogTXT.FileName, rich.Lines.lines());
    } catch (const Exception& e) {
        Application.ShowException(e);
    }
}

void ReportCommands::printRichEdit(TRichEdit& rich, const std::string& jobName)
{
    if (!PrintDialog1.Execute())
        return;
    rich.BorderWidth = 60;
    rich.Print(jobName);
    rich.BorderWidth = 0;
}

void ReportCommands::ulozitStatistikyLipovetauBTClick()
{
    saveRichEditLines(statistikaSheet.statistikaLipovetauRICH);
}

void ReportCommands::ulozitStatistikuOsobyBTClick()
{
    saveRichEditLines(shrnutiSheet.shrnutiOsobyRICH);
}

void ReportCommands::tiskStatistikyLipovetauBTClick()
{
    printRichEdit(statistikaSheet.statistikaLipovetauRICH, "Statistika Lipovetau");
}

void ReportCommands::tiskStatistikyOsobyBTClick()
{
    printRichEdit(shrnutiSheet.shrnutiOsobyRICH, "Shrnuti osoby");
}
