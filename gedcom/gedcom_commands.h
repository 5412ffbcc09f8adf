#pragma once
// The GEDCOM commands of the main window: the export of the open tree and the import into a
// new one. Its members are defined in gedcom/export_command.cpp and gedcom/import_command.cpp;
// the reading and writing themselves are in the other files of gedcom/. The window owns it and
// hands it the controls it answers; it reaches the window only through MainWindowPort.
#include "shell/main_window_port.h"

class TMenuItem;
class TOpenDialog;
class TSaveDialog;

// The main window's controls that belong to the GEDCOM commands.
struct GedcomControls {
    TMenuItem& expGED;
    TMenuItem& impGED;
    TSaveDialog& SaveDialogGED;
    TOpenDialog& OpenDialogGED;
};

class GedcomCommands {
public:
    // Wires the export and import menu items.
    GedcomCommands(MainWindowPort& window, const GedcomControls& controls);
    GedcomCommands(const GedcomCommands&) = delete;
    GedcomCommands& operator=(const GedcomCommands&) = delete;

    // --- export (gedcom/export_command.cpp)
    // Export, GED: the open tree as a GEDCOM file of the person's choice; a failure is shown and
    // no success is announced.
    void expGEDClick();
    // The import command (gedcom/import_command.cpp): the open tree closed, a file and the
    // surname options chosen, the file imported into a new tree installed as an opened one, and
    // the outcome told with where the log is.
    void impGEDClick();

private:
    MainWindowPort& window_;
    GedcomControls controls_;
};
