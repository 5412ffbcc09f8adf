#include "gedcom/gedcom_commands.h"

#include "toolkit/menus.h"

GedcomCommands::GedcomCommands(MainWindowPort& window, const GedcomControls& controls)
    : window_(window), controls_(controls)
{
    controls_.expGED.OnClick = [this] { expGEDClick(); };
    controls_.impGED.OnClick = [this] { impGEDClick(); };
}
