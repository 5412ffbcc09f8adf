#pragma once
// The report commands of the main window: the statistics tab and the save and print of the
// person summary, the web export and the single person's page, the chart viewer hand-over,
// the delimited text export and the anniversary calendar. Its members are defined in
// reports/, in the file of each command; the work itself is in the other files of reports/.
// The window owns it and hands it the controls it answers; it reaches the window only through
// MainWindowPort.
#include "shell/main_window_port.h"

#include <string>
#include <vector>

class TButton;
class TMenuItem;
class TPrintDialog;
class TRichEdit;
class TSaveDialog;
class TSpeedButton;
class TTabSheet;

// The main window's controls that belong to the report commands.
struct ReportControls {
    // The statistics tab.
    TTabSheet& statistikaLipovetau;
    TRichEdit& statistikaLipovetauRICH;
    TButton& zakladniPrehledBT;
    TButton& tabulkyBT;
    TButton& ulozitStatistikyLipovetauBT;
    TButton& tiskStatistikyLipovetauBT;
    // The person-summary tab's save and print.
    TRichEdit& shrnutiOsobyRICH;
    TButton& ulozitStatistikuOsobyBT;
    TButton& tiskStatistikyOsobyBT;
    // The menu items and the chart viewer's button.
    TMenuItem& HTMLstranky1;
    TMenuItem& HTMLstranka1;
    TSpeedButton& LineskopBT;
    TMenuItem& SpustitLineskop1;
    TMenuItem& RodovyVyvod1;
    TMenuItem& AgnatniVyvod1;
    TMenuItem& RozrodKmene1;
    TMenuItem& VyvodARozrod1;
    TMenuItem& expTXT;
    TMenuItem& Kalendar1;
    TSaveDialog& SaveDialogTXT;
    TSaveDialog& SaveDialogHTM;
    TPrintDialog& PrintDialog1;
};

class ReportCommands {
public:
    // Wires the commands to their menu items and buttons, adds the statistics tab to the
    // window's pages composed from the tree and the chart items to those that need persons.
    ReportCommands(MainWindowPort& window, const ReportControls& controls);
    ReportCommands(const ReportCommands&) = delete;
    ReportCommands& operator=(const ReportCommands&) = delete;

    // --- statistics tab and the save and print of the person summary (reports/statistics_page.cpp)
    // Recomposes the statistics text of the open tree.
    void showTreeStatistics();
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

private:
    MainWindowPort& window_;
    ReportControls controls_;
};
