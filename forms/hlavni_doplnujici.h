#pragma once
// The supplementary texts and files tab of the main window: the shown person's further texts in
// its upper half, the person's files (list, sort order, details and buttons) in its lower half.
#include "toolkit/lists.h"
#include "toolkit/pagecontrol.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

struct DoplnujiciSheet {
    explicit DoplnujiciSheet(TTabSheet& sheet);
    DoplnujiciSheet(const DoplnujiciSheet&) = delete;
    DoplnujiciSheet& operator=(const DoplnujiciSheet&) = delete;
    // The texts a language replaces, the tab's title first, in the order they are looked up.
    WindowTextList texts();

    TTabSheet& sheet;
    TLabel doplnujiciTextyLB{&sheet, "doplnujiciTextyLB"};
    TMemo doplnujiciTextyMEMO{&sheet, "doplnujiciTextyMEMO"};
    TButton ulozNaDiskTextyBT{&sheet, "ulozNaDiskTextyBT"};

    TLabel dalsiSouboryLB{&sheet, "dalsiSouboryLB"};
    TLabel seznamSouborLB{&sheet, "seznamSouborLB"};
    TListBox seznamSouborLIST{&sheet, "seznamSouborLIST"};
    TRadioGroup seradSouborRADIO{&sheet, "seradSouborRADIO"};
    TLabel nazevSouborLB{&sheet, "nazevSouborLB"};
    TEdit nazevSouborED{&sheet, "nazevSouborED"};
    TLabel rokSouborLB{&sheet, "rokSouborLB"};
    TEdit rokSouborED{&sheet, "rokSouborED"};
    TLabel typSouborLB{&sheet, "typSouborLB"};
    TEdit typSouborED{&sheet, "typSouborED"};
    TLabel komentarSouborLB{&sheet, "komentarSouborLB"};
    TMemo komentarSouborMEMO{&sheet, "komentarSouborMEMO"};
    TButton vlozNovySouborBT{&sheet, "vlozNovySouborBT"};
    TButton priradVlozeneSouboryBT{&sheet, "priradVlozeneSouboryBT"};
    TButton vymazSouborBT{&sheet, "vymazSouborBT"};
    TButton ulozNaDiskSouborBT{&sheet, "ulozNaDiskSouborBT"};
    TButton otevriSouborBT{&sheet, "otevriSouborBT"};
};
