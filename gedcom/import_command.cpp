// The main window's GEDCOM import command: the open tree closed, a file and the surname options
// chosen, the file imported into a new tree, which is installed with the steps of an open, and
// the outcome told with where the log of the import was written.
#include "gedcom/gedcom_commands.h"
#include "gedcom/import_driver.h"
#include "model/rod.h"
#include "model/text_source.h"
#include "shell/report_dialogs.h"
#include "shell/settings.h"
#include "shell/wait_window.h"
#include "system/numbers.h"
#include "toolkit/dialogs.h"

void GedcomCommands::impGEDClick()
{
    TextSource& texts = window_.texts();
    if (window_.currentTree() &&
        window_.askYesNo(texts.langText("otazky", "zavritLipoveta", "Zavřít aktuální lipoveta?")))
        window_.closeTreeAskingToSave();
    if (window_.currentTree())
        return;

    TOpenDialog& dialog = controls_.OpenDialogGED;
    if (!dialog.Execute())
        return;
    const std::string fileName = dialog.FileName;

    Nastaveni& settings = window_.programSettings();
    askGedcomImportOptions(settings);

    auto imported = std::make_unique<Rod>();
    ImportResult result;
    {
        WaitShown shown(window_);
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
    const std::string logPath = writeImportLog(result, fileName, window_.programFolderPath());

    window_.installImportedTree(std::move(imported));

    std::string message = texts.langText("gedcom", "importovano", "Soubor byl importován.") + "\n" +
                          texts.langText("gedcom", "preskocenoRadku", "Vynechané nebo nepřevedené údaje:") +
                          " " + intToStr(static_cast<long long>(result.log.size())) + "\n";
    if (logPath.empty())
        message += texts.langText("gedcom", "zaznamNeulozen", "Záznam o převodu nelze uložit.");
    else
        message += texts.langText("gedcom", "zaznamOPrevodu", "Záznam o převodu:") + " " + logPath;
    ShowMessage(message);
}
