// Export, TXT: the columns and the separator chosen in their window, then the file.
#include "reports/report_commands.h"
#include "reports/text_export.h"
#include "shell/report_dialogs.h"
#include "system/codec.h"
#include "toolkit/application.h"
#include "toolkit/dialogs.h"

void ReportCommands::expTXTClick()
{
    const Rod* tree = window_.currentTree();
    if (!tree)
        return;
    const std::optional<TextExportChoice> choice = askTextExportChoice();
    if (!choice)
        return;
    TSaveDialog& dialog = controls_.SaveDialogTXT;
    dialog.InitialDir = window_.programFolderPath();
    if (!dialog.Execute() || dialog.FileName.empty())
        return;
    try {
        writeUtf8TextLines(dialog.FileName, textExportLines(*tree, *choice));
    } catch (const std::exception& e) {
        // An older file of that name is left as it was.
        Application.ShowException(e);
    }
}
