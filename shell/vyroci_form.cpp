#include "shell/vyroci_form.h"

#include "forms/global_window.h"
#include "forms/nazvy_svateb_form.h"
#include "model/rod.h"
#include "shell/hlavni.h"
#include "shell/list_display.h"
#include "system/datetime.h"

TvyrociFORM* vyrociFORM = nullptr;

TvyrociFORM::TvyrociFORM()
{
    claimGlobalWindow(vyrociFORM, this);
    OnCreate = [this] { FormCreate(); };
    OnActivate = [this] { FormActivate(); };
    kalendar.OnClick = [this] { kalendarClick(); };
    vybranyRADIO.OnClick = [this] { vybranyRADIOClick(); };
    vyrociLIST.OnDblClick = [this] { vyrociLISTDblClick(); };
    nazvySvatebBT.OnClick = [this] { nazvySvatebBTClick(); };
}

TvyrociFORM::~TvyrociFORM()
{
    releaseGlobalWindow(vyrociFORM, this);
}

void TvyrociFORM::FormCreate()
{
    kalendar.setDate(now());
}

void TvyrociFORM::FormActivate()
{
    refreshList();
}

void TvyrociFORM::kalendarClick()
{
    refreshList();
}

void TvyrociFORM::vybranyRADIOClick()
{
    refreshList();
}

void TvyrociFORM::vyrociLISTDblClick() { }

void TvyrociFORM::nazvySvatebBTClick()
{
    nazvySvatebFORM->ShowModal();
}

void TvyrociFORM::refreshList()
{
    if (!hlavni || !hlavni->session.tree())
        return;
    hlavni->session.tree()->listAnniversaries(kalendar.Date(), vybranyRADIO.ItemIndex() == 0,
                                              vyrociLIST.Items, *hlavni, ListDisplay(hlavni->settings));
}
