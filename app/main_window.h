#pragma once
// The main window the program makes: the frame (shell/hlavni.h) with its parts, the person
// editor, the report commands and the GEDCOM commands. Each part derives virtually from the
// frame, so the window holds one frame that all of them share. Nothing is added here beyond
// putting the parts together and wiring their handlers once all of them exist.
#include "editor/person_editor.h"
#include "gedcom/gedcom_commands.h"
#include "reports/report_commands.h"

class Thlavni final : public PersonEditor, public ReportCommands, public GedcomCommands {
public:
    Thlavni() { bindEvents(); }
};
