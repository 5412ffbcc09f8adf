// The statistics tab (the report and the tables of the open tree) and the save and print
// commands of the statistics and person-summary tabs.
#include "model/datum.h"
#include "model/display_settings.h"
#include "model/rod.h"
#include "platform/application.h"
#include "platform/codec.h"
#include "platform/datetime.h"
#include "platform/exceptions.h"
#include "reports/statistics_report.h"
#include "reports/statistics_tables.h"
#include "shell/hlavni.h"

void Thlavni::bindStatisticsEvents()
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

void Thlavni::showTreeStatistics()
{
    if (!tree)
        return;
    const FixedDisplaySettings display(settings.showBirthSurname, settings.showBirth);
    const std::vector<std::string> lines = treeStatisticsLines(*tree, *this, display, Datum(today()));
    showReportText(statistikaSheet.statistikaLipovetauRICH, &lines);
}

void Thlavni::showStatisticsTables()
{
    if (!tree)
        return;
    const std::vector<std::string> lines = statisticsTablesLines(*tree, *this);
    showReportText(statistikaSheet.statistikaLipovetauRICH, &lines);
}

void Thlavni::zakladniPrehledBTClick()
{
    showTreeStatistics();
}

void Thlavni::tabulkyBTClick()
{
    showStatisticsTables();
}

void Thlavni::saveRichEditLines(const TRichEdit& rich)
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

void Thlavni::printRichEdit(TRichEdit& rich, const std::string& jobName)
{
    if (!PrintDialog1.Execute())
        return;
    rich.BorderWidth = 60;
    rich.Print(jobName);
    rich.BorderWidth = 0;
}

void Thlavni::ulozitStatistikyLipovetauBTClick()
{
    saveRichEditLines(statistikaSheet.statistikaLipovetauRICH);
}

void Thlavni::ulozitStatistikuOsobyBTClick()
{
    saveRichEditLines(shrnutiSheet.shrnutiOsobyRICH);
}

void Thlavni::tiskStatistikyLipovetauBTClick()
{
    printRichEdit(statistikaSheet.statistikaLipovetauRICH, "Statistika Lipovetau");
}

void Thlavni::tiskStatistikyOsobyBTClick()
{
    printRichEdit(shrnutiSheet.shrnutiOsobyRICH, "Shrnuti osoby");
}
