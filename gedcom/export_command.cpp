// The Export, GED command of the main window.
#include "gedcom/export_writer.h"
#include "gedcom/gedcom_commands.h"
#include "model/datum.h"
#include "system/datetime.h"
#include "system/exceptions.h"
#include "toolkit/application.h"

void GedcomCommands::expGEDClick()
{
    if (!tree)
        return;
    SaveDialogGED.InitialDir = programFolder;
    if (!SaveDialogGED.Execute())
        return;
    try {
        exportGedcom(*tree, SaveDialogGED.FileName, Datum(today()));
    } catch (const Exception& e) {
        // The old file, if any, is as it was; no success is announced.
        Application.ShowException(e);
        return;
    }
    ShowMessage(langText("gedcom", "bylVytvoren", "Soubor GED byl úspěšně vytvořen."));
}
