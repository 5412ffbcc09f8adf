#pragma once
// The general tab of the main window: the tree's own texts (name, author, created,
// collaborators) and its further-data lines.
#include "toolkit/pagecontrol.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

struct ObecneSheet {
    explicit ObecneSheet(TTabSheet& sheet);
    ObecneSheet(const ObecneSheet&) = delete;
    ObecneSheet& operator=(const ObecneSheet&) = delete;
    // The texts a language replaces, the tab's title first, in the order they are looked up.
    WindowTextList texts();

    TTabSheet& sheet;
    TLabel nazevLB{&sheet, "nazevLB"};
    TEdit nazevED{&sheet, "nazevED"};
    TLabel autorLB{&sheet, "autorLB"};
    TEdit autorED{&sheet, "autorED"};
    TLabel vytvorenoLB{&sheet, "vytvorenoLB"};
    TEdit vytvorenoED{&sheet, "vytvorenoED"};
    TLabel spolupracovaliLB{&sheet, "spolupracovaliLB"};
    TEdit spolupracovaliED{&sheet, "spolupracovaliED"};
    TLabel dalsiUdajeLB{&sheet, "dalsiUdajeLB"};
    TMemo dalsiUdajeMEMO{&sheet, "dalsiUdajeMEMO"};
};
