#pragma once
// The anniversaries window: a day picked on the month calendar, and the births, deaths and
// weddings of the open tree whose anniversary falls on that day or in its month. The calendar
// keeps the day last picked for the whole run.
#include "forms/vyroci_form.h"

class TvyrociFORM : public TvyrociFORMLayout {
public:
    TvyrociFORM();
    ~TvyrociFORM() override;

    // The calendar on the day the program started.
    void FormCreate();
    void FormActivate();
    void kalendarClick();
    void vybranyRADIOClick();
    // Nothing: a line names no person to show.
    void vyrociLISTDblClick();
    // The names of the wedding anniversaries.
    void nazvySvatebBTClick();
    // The anniversaries of the calendar's day ("vybraný den") or month ("vybraný měsíc").
    void refreshList();
};

// The one anniversaries window of the program (the first one made).
extern TvyrociFORM* vyrociFORM;
