#pragma once
// What the chart viewer is handed: the whole tree as its exchange file "temp.ini" (one section
// per person in chain order, then "hlavni") and the portraits copied beside it. The viewer is a
// program of its own in the folder "lineskop" of the program folder; nothing is read back.
#include <string>
#include <vector>

class Clovek;
class Rod;
class TMemIniFile;

// The person sections and the "hlavni" section, in the order the viewer reads them. `active`
// is the person shown in the editor (may be null: "aktivni" is then -1).
void fillChartViewerIni(const Rod& tree, const Clovek* active, TMemIniFile& ini);

// Copies the portrait of every person who has one from `workingFolder` + "hlavy/" into
// `portraitFolder` (which exists); a copy that fails is left out, the viewer then shows none.
// The copies do not wait for the disk: every hand-off makes them anew.
void copyChartViewerPortraits(const Rod& tree, const std::string& workingFolder,
                              const std::string& portraitFolder);

// The viewer's own folder below the program folder, and its program: the first of the names it
// may carry that is there, else the usual one (whose start then fails and is told).
std::string chartViewerFolder(const std::string& programFolder);
std::string chartViewerProgram(const std::string& programFolder);

// The arguments of a start with the tree handed over: "temp" names the exchange file, a chart
// number 1 to 4 the chart to show; 0 asks for none.
std::vector<std::string> chartViewerArguments(int chart);
