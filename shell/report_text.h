#pragma once
// A report's text into a rich edit: the person summary, the statistics tab, the text windows.
#include <string>
#include <vector>

class TRichEdit;

// Puts the lines (when given) into `rich`, and makes the whole text take the Central European
// character set.
void showReportText(TRichEdit& rich, const std::vector<std::string>* lines);
