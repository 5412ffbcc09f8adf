#pragma once
// The person-summary tab of the main window: the summary of the shown person as text, with the
// buttons that save and print it.
#include "platform/pagecontrol.h"
#include "platform/stdctrls.h"

struct ShrnutiSheet {
    explicit ShrnutiSheet(TTabSheet& sheet);
    ShrnutiSheet(const ShrnutiSheet&) = delete;
    ShrnutiSheet& operator=(const ShrnutiSheet&) = delete;

    TTabSheet& sheet;
    TButton ulozitStatistikuOsobyBT{&sheet, "ulozitStatistikuOsobyBT"};
    TButton tiskStatistikyOsobyBT{&sheet, "tiskStatistikyOsobyBT"};
    TRichEdit shrnutiOsobyRICH{&sheet, "shrnutiOsobyRICH"};
};
