#pragma once
// The report commands of the main window: the statistics tab and the save and print of the
// person summary, the web export and the single person's page, the chart viewer hand-over,
// the delimited text export and the anniversary calendar. Its members are defined in
// reports/, in the file of each command; the work itself is in the other files of reports/.
// It may use everything of the frame (shell/hlavni.h) and answers the frame's hooks that
// belong to it; it reaches no other part of the window except through the frame.
#include "shell/hlavni.h"

#include <string>
#include <vector>

class ReportCommands : public virtual MainFrame {
public:
    ReportCommands() = default;

    // Wires the report commands to their menu items and buttons (the frame runs it through its
    // hook once the window exists).
    void bindReportEvents() override;

    // Recomposes the statistics text of the open tree.
    void showTreeStatistics() override;
    // --- statistics tab and the save and print of the person summary (reports/statistics_page.cpp)
    // Hooks the buttons of the statistics and person-summary tabs to their handlers.
    void bindStatisticsEvents();
    // The tables of births, deaths and weddings by month and weekday and of first names.
    void showStatisticsTables();
    void zakladniPrehledBTClick();
    void tabulkyBTClick();
    // Save: the lines of the tab's text as a UTF-8 file of the person's choice, replacing
    // an old one only whole; a failure is shown. Print: the text as a print job.
    void ulozitStatistikyLipovetauBTClick();
    void ulozitStatistikuOsobyBTClick();
    void tiskStatistikyLipovetauBTClick();
    void tiskStatistikyOsobyBTClick();
    void saveRichEditLines(const TRichEdit& rich);
    void printRichEdit(TRichEdit& rich, const std::string& jobName);
    // -- web export (reports/web_export_command.cpp)
    // The web export command: the options, the location and the subfolder name (re-asked
    // while it is not a plain name or the user declines to replace an existing folder), then
    // the site.
    void HTMLstranky1Click();
    // Replaces the folder `folder` by the site of the person list's rows in name order, tells
    // where it starts and opens it; a failure is told with how far the export got.
    void writeHtmlSite(const std::string& folder);
    // -- web page of one person (reports/single_person_page_command.cpp): the shown person's page
    // at a file of the person's choice, its portrait in "foto" beside it; a failure names the file.
    void HTMLstranka1Click();
    // -- chart viewer (reports/chart_viewer_command.cpp)
    // The button and "Spustit Lineskop": the tree handed over when a person is shown, else the
    // viewer started bare. The four charts: the tree handed over and the chart asked for.
    void LineskopBTClick();
    void SpustitLineskop1Click();
    void RodovyVyvod1Click();
    void AgnatniVyvod1Click();
    void RozrodKmene1Click();
    void VyvodARozrod1Click();
    // The exchange file and the portrait copies in the viewer's folder. Raises when they cannot
    // be written.
    void writeLineskopIni();
    // The tree handed over (a failure is shown and nothing started), then the viewer with chart
    // `chart` (0: none).
    void handOverToLineskop(int chart);
    // Starts the viewer in its folder; a viewer that is missing or does not start is told.
    void startLineskop(const std::vector<std::string>& arguments);
    // -- delimited text export (reports/text_export_command.cpp)
    void expTXTClick();
    // -- anniversary calendar (reports/calendar_command.cpp): "kalendar.txt" in the working
    // folder, the request to save it elsewhere, and the file opened.
    void Kalendar1Click();
};
