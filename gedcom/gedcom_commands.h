#pragma once
// The GEDCOM commands of the main window: the export of the open tree and the import into a
// new one. Its members are defined in gedcom/export_command.cpp and gedcom/import_command.cpp;
// the reading and writing themselves are in the other files of gedcom/. It may use everything
// of the frame (shell/hlavni.h); it reaches no other part of the window except through the
// frame.
#include "shell/hlavni.h"

class GedcomCommands : public virtual MainFrame {
public:
    GedcomCommands() = default;

    // Wires the export and import menu items (the frame runs it through its hook once the
    // window exists).
    void bindGedcomEvents() override;

    // --- export (gedcom/export_command.cpp)
    // Export, GED: the open tree as a GEDCOM file of the person's choice; a failure is shown and
    // no success is announced.
    void expGEDClick();
    // The import command (gedcom/import_command.cpp): the open tree closed, a file and the
    // surname options chosen, the file imported into a new tree installed as an opened one, and
    // the outcome told with where the log is.
    void impGEDClick();
};
