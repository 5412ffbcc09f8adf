#include "gedcom/gedcom_commands.h"

void GedcomCommands::bindGedcomEvents()
{
    expGED.OnClick = [this] { expGEDClick(); };
    impGED.OnClick = [this] { impGEDClick(); };
}
