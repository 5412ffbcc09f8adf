// The hand-off of the open tree to the chart viewer: its button and its five menu items.
#include "model/path_utils.h"
#include "model/rod.h"
#include "reports/chart_viewer.h"
#include "reports/report_commands.h"
#include "system/exceptions.h"
#include "system/files.h"
#include "system/inifile.h"
#include "system/process.h"
#include "toolkit/application.h"
#include "toolkit/dialogs.h"

void ReportCommands::writeLineskopIni()
{
    const Rod* tree = window_.currentTree();
    if (!tree)
        return;
    const std::string programFolder = window_.programFolderPath();
    const std::string folder = chartViewerFolder(programFolder);
    if (!directoryExists(folder) && !createDir(folder))
        throw EInOutError("Nelze vytvořit adresář " + folder);
    // Portraits of persons deleted since the last hand-off must not linger there.
    const std::string portraits = joinPath(folder, "hlavy");
    if (directoryExists(portraits) && !deleteFolderTree(portraits, programFolder))
        throw EInOutError("Nelze smazat adresář " + portraits);
    if (!directoryExists(portraits) && !createDir(portraits))
        throw EInOutError("Nelze vytvořit adresář " + portraits);
    copyChartViewerPortraits(*tree, window_.workingFolderPath(), portraits);

    // The whole file is written anew; an older one is replaced only once the new one is whole.
    TMemIniFile ini(joinPath(folder, "temp.ini"));
    ini.Clear();
    fillChartViewerIni(*tree, window_.shownPerson(), ini);
    ini.UpdateFile();
}

void ReportCommands::startLineskop(const std::vector<std::string>& arguments)
{
    const std::string programFolder = window_.programFolderPath();
    const std::string program = chartViewerProgram(programFolder);
    if (!startProgram(program, arguments, chartViewerFolder(programFolder)))
        ShowMessage("Program Lineskop se nepodařilo spustit. Má být uložen jako " + program + ".");
}

void ReportCommands::handOverToLineskop(int chart)
{
    try {
        writeLineskopIni();
    } catch (const std::exception& e) {
        // A viewer started on an older exchange file would draw another tree.
        Application.ShowException(e);
        return;
    }
    startLineskop(chartViewerArguments(chart));
}

void ReportCommands::LineskopBTClick()
{
    if (window_.shownPerson())
        handOverToLineskop(0);
    else
        startLineskop({});
}

void ReportCommands::SpustitLineskop1Click()
{
    LineskopBTClick();
}

void ReportCommands::RodovyVyvod1Click()
{
    handOverToLineskop(1);
}

void ReportCommands::AgnatniVyvod1Click()
{
    handOverToLineskop(2);
}

void ReportCommands::RozrodKmene1Click()
{
    handOverToLineskop(3);
}

void ReportCommands::VyvodARozrod1Click()
{
    handOverToLineskop(4);
}
