#pragma once
// Layout of the settings dialog: the limits of the plausibility checks of dates. Behaviour
// lives in TnastaveniForm (shell/nastaveni_form.h).
#include "toolkit/commonctrls.h"
#include "toolkit/form.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class TnastaveniFormLayout : public TForm {
public:
    TnastaveniFormLayout();
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();

    TLabel minRokLB{this, "minRokLB"};
    TEdit minRokED{this, "minRokED"};
    TUpDown minRokUD{this, "minRokUD"};
    TLabel maxRokLB{this, "maxRokLB"};
    TEdit maxRokED{this, "maxRokED"};
    TUpDown maxRokUD{this, "maxRokUD"};
    TLabel maxVekLB{this, "maxVekLB"};
    TEdit maxVekED{this, "maxVekED"};
    TUpDown maxVekUD{this, "maxVekUD"};
    TLabel minRodicDiteLB{this, "minRodicDiteLB"};
    TEdit minRodicDiteED{this, "minRodicDiteED"};
    TUpDown minRodicDiteUD{this, "minRodicDiteUD"};
    TCheckBox smrtOtecNarozDiteCheck{this, "smrtOtecNarozDiteCheck"};
    TButton Button1{this, "Button1"};
};
