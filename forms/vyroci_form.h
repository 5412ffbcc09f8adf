#pragma once
// Layout of the anniversaries window: a month calendar, the choice of the day or the whole month,
// the anniversaries found, and the button to the names of the wedding anniversaries. Behaviour
// lives in TvyrociFORM (shell/vyroci_form.h).
#include "toolkit/commonctrls.h"
#include "toolkit/form.h"
#include "toolkit/lists.h"
#include "toolkit/stdctrls.h"
#include "toolkit/window_text.h"

class TvyrociFORMLayout : public TForm {
public:
    TvyrociFORMLayout();
    // The texts a language replaces, in the order they are looked up.
    WindowTextList texts();

    TMonthCalendar kalendar{this, "kalendar"};
    TRadioGroup vybranyRADIO{this, "vybranyRADIO"};
    TListBox vyrociLIST{this, "vyrociLIST"};
    TButton nazvySvatebBT{this, "nazvySvatebBT"};
    TButton zpetBT{this, "zpetBT"};
};
