// Prehledy, the web page of one person: the options shared with the web export, a file name,
// the page with its portrait beside it, and the page opened.
#include "model/path_utils.h"
#include "reports/report_commands.h"
#include "reports/web_site.h"
#include "shell/report_dialogs.h"
#include "shell/settings.h"
#include "system/process.h"
#include "toolkit/dialogs.h"

#include <exception>

void ReportCommands::HTMLstranka1Click()
{
    Rod* tree = window_.currentTree();
    Clovek* person = window_.shownPerson();
    if (!tree || !person)
        return;
    const std::optional<WebExportOptions> options = askWebExportOptions();
    if (!options)
        return;
    TSaveDialog& dialog = controls_.SaveDialogHTM;
    dialog.InitialDir = window_.programFolderPath();
    if (!dialog.Execute() || dialog.FileName.empty())
        return;
    std::string file = dialog.FileName;
    // The dialog offers *.htm pages only: a name typed without its extension is given it, or
    // the page would open as no web page at all.
    if (extensionOf(fileNameOf(file)).empty())
        file += ".htm";
    WebSiteWriter writer(*tree, window_.texts(), *options, window_.workingFolderPath(),
                         window_.programSettings().showBirthSurname);
    try {
        writer.writeSinglePersonPage(*person, file);
    } catch (const std::exception&) {
        ShowMessage("Error!\nNezapsáno: " + writer.failedFile());
        return;
    }
    ShowMessage(
        "Stránka byla úspěšně vygenerována. Případné foto k ní patřící je v podadresáří foto u stránky.");
    shellOpen(file);
}
