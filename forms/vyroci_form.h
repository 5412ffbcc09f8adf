#pragma once
// The anniversaries window: a month calendar, whether the anniversaries of the chosen day or of
// its whole month are listed, the list itself and the names of wedding anniversaries.
// Result 2 on back or the close box.
#include "platform/commonctrls.h"
#include "platform/form.h"
#include "platform/lists.h"
#include "platform/stdctrls.h"

class TvyrociFORM : public TForm {
public:
    TvyrociFORM();
    ~TvyrociFORM() override;

    TMonthCalendar kalendar{this, "kalendar"};
    TRadioGroup vybranyRADIO{this, "vybranyRADIO"};
    TListBox vyrociLIST{this, "vyrociLIST"};
    TButton nazvySvatebBT{this, "nazvySvatebBT"};
    TButton zpetBT{this, "zpetBT"};
};

extern TvyrociFORM* vyrociFORM;
