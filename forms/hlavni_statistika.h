#pragma once
// The tree-statistics tab of the main window: the report or the tables of the open tree as
// text, the two commands that fill it, and the commands that save and print it.
#include "toolkit/pagecontrol.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

struct StatistikaSheet {
    explicit StatistikaSheet(TTabSheet& sheet);
    StatistikaSheet(const StatistikaSheet&) = delete;
    StatistikaSheet& operator=(const StatistikaSheet&) = delete;
    // The texts a language replaces, the tab's title first, in the order they are looked up.
    WindowTextList texts();

    TTabSheet& sheet;
    TRichEdit statistikaLipovetauRICH{&sheet, "statistikaLipovetauRICH"};
    TButton zakladniPrehledBT{&sheet, "zakladniPrehledBT"};
    TButton tabulkyBT{&sheet, "tabulkyBT"};
    TButton ulozitStatistikyLipovetauBT{&sheet, "ulozitStatistikyLipovetauBT"};
    TButton tiskStatistikyLipovetauBT{&sheet, "tiskStatistikyLipovetauBT"};
};
