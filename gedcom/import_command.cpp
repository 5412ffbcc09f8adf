// The main window's GEDCOM import command: the open tree closed, a file and the surname options
// chosen, the file imported into a new tree, which is installed with the steps of an open, and
// the outcome told with where the log of the import was written.
#include "gedcom/gedcom_commands.h"
#include "gedcom/import_driver.h"
#include "model/rod.h"
#include "shell/report_dialogs.h"
#include "system/numbers.h"
#include "toolkit/dialogs.h"

void GedcomCommands::impGEDClick()
{
    if (tree && askYesNo(langText("otazky", "zavritLipoveta", "Zavřít aktuální lipoveta?")))
        Zavrit1Click();
    if (tree)
        return;

    if (!OpenDialogGED.Execute())
        return;
    const std::string fileName = OpenDialogGED.FileName;

    askGedcomImportOptions(settings);

    auto imported = std::make_unique<Rod>();
    ImportResult result;
    {
        WaitShown shown(*this);
        result =
            importGedcom(fileName, *imported,
                         ImportOptions{settings.gedNameAsBorn, settings.gedManCopy, settings.gedWomanCopy});
    }
    if (!result.fileFound) {
        ShowMessage("Soubor " + fileName + " nenalezen!");
        return;
    }
    if (!result.readError.empty()) {
        ShowMessage(result.readError);
        return;
    }
    const std::string logPath = writeImportLog(result, fileName, programFolder);

    adoptTree(std::move(imported));
    installLoadedTree();
    if (scrolling.CanFocus())
        scrolling.SetFocus();

    std::string message = langText("gedcom", "importovano", "Soubor byl importován.") + "\n" +
                          langText("gedcom", "preskocenoRadku", "Vynechané nebo nepřevedené údaje:") + " " +
                          intToStr(static_cast<long long>(result.log.size())) + "\n";
    if (logPath.empty())
        message += langText("gedcom", "zaznamNeulozen", "Záznam o převodu nelze uložit.");
    else
        message += langText("gedcom", "zaznamOPrevodu", "Záznam o převodu:") + " " + logPath;
    ShowMessage(message);
}
