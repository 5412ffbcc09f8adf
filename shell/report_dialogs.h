#pragma once
// The windows the reports and the GEDCOM import ask through, run and read here so that those
// commands take plain values (shell/report_choices.h) and never touch a control. The windows
// live for the whole run: their ticks carry over from one use to the next. A window the program
// has not made (tests that make only some) answers as a cancel would.
#include "model/anniversaries.h"
#include "shell/report_choices.h"

#include <optional>
#include <string>

struct Nastaveni;

// The text export's columns and separator; none when cancelled.
std::optional<TextExportChoice> askTextExportChoice();

// The anniversaries the calendar takes; none when cancelled.
std::optional<CalendarChoices> askCalendarChoices();

// The parts of a person the web pages show, asked again; none when cancelled.
std::optional<WebExportOptions> askWebExportOptions();
// What the web options window holds now, without asking; the defaults when there is none.
WebExportOptions shownWebExportOptions();

// Whether the web export's three windows (options, location, folder name) were all made.
bool webSiteWindowsMade();
// The location the site's folder goes into, opened where it was left (the first time in the
// home folder); empty when cancelled or when no line was chosen.
std::string askWebSiteLocation();
// The name of the site's folder below `location`, as typed; none when cancelled.
std::optional<std::string> askWebSiteFolderName(const std::string& location);

// The GEDCOM import's surname options, shown as the settings hold them and kept there.
void askGedcomImportOptions(Nastaveni& settings);
