#include "shell/tip_form.h"

#include "forms/global_window.h"
#include "shell/hlavni.h"

TtipFORM* tipFORM = nullptr;

TtipFORM::TtipFORM()
{
    claimGlobalWindow(tipFORM, this);
    zobrazovatCH.OnClick = [this] { zobrazovatCHClick(); };
}

TtipFORM::~TtipFORM()
{
    releaseGlobalWindow(tipFORM, this);
}

void TtipFORM::zobrazovatCHClick()
{
    if (hlavni)
        hlavni->settings.showTip = zobrazovatCH.Checked();
}
