// The Export, GED command of the main window.
#include "gedcom/export_writer.h"
#include "gedcom/gedcom_commands.h"
#include "model/datum.h"
#include "model/text_source.h"
#include "system/datetime.h"
#include "system/exceptions.h"
#include "toolkit/application.h"
#include "toolkit/dialogs.h"

void GedcomCommands::expGEDClick()
{
    Rod* tree = window_.currentTree();
    if (!tree)
        return;
    TSaveDialog& dialog = controls_.SaveDialogGED;
    dialog.InitialDir = window_.programFolderPath();
    if (!dialog.Execute())
        return;
    try {
        exportGedcom(*tree, dialog.FileName, Datum(today()));
    } catch (const Exception& e) {
        // The old file, if any, is as it was; no success is announced.
        Application.ShowException(e);
        return;
    }
    ShowMessage(window_.texts().langText("gedcom", "bylVytvoren", "Soubor GED byl úspěšně vytvořen."));
}
