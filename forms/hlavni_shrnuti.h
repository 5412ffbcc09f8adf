#pragma once
// The person-summary tab of the main window: the summary of the shown person as text, with the
// commands that save it as a text file and print it.
#include "toolkit/pagecontrol.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

struct ShrnutiSheet {
    explicit ShrnutiSheet(TTabSheet& sheet);
    ShrnutiSheet(const ShrnutiSheet&) = delete;
    ShrnutiSheet& operator=(const ShrnutiSheet&) = delete;
    // The texts a language replaces, the tab's title first, in the order they are looked up.
    WindowTextList texts();

    TTabSheet& sheet;
    TRichEdit shrnutiOsobyRICH{&sheet, "shrnutiOsobyRICH"};
    TButton ulozitStatistikuOsobyBT{&sheet, "ulozitStatistikuOsobyBT"};
    TButton tiskStatistikyOsobyBT{&sheet, "tiskStatistikyOsobyBT"};
};

// The report text of the summary and statistics tabs: fixed-pitch, so that its columns line up.
void layOutReport(TRichEdit& report);
