#pragma once
// The supplementary texts and files tab of the main window: the shown person's further texts in
// its upper half (the files of its lower half come with the media tabs).
#include "platform/pagecontrol.h"
#include "platform/stdctrls.h"

struct DoplnujiciSheet {
    explicit DoplnujiciSheet(TTabSheet& sheet);
    DoplnujiciSheet(const DoplnujiciSheet&) = delete;
    DoplnujiciSheet& operator=(const DoplnujiciSheet&) = delete;

    TTabSheet& sheet;
    TLabel doplnujiciTextyLB{&sheet, "doplnujiciTextyLB"};
    TMemo doplnujiciTextyMEMO{&sheet, "doplnujiciTextyMEMO"};
};
