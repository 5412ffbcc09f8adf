#include "shell/value_dialogs.h"

#include "forms/global_window.h"

TcasoveObdobiFORM* casoveObdobiFORM = nullptr;
TuserDefFORM* userDefFORM = nullptr;
TFTextFORM* FTextFORM = nullptr;

TcasoveObdobiFORM::TcasoveObdobiFORM()
{
    claimGlobalWindow(casoveObdobiFORM, this);
    OnActivate = [this] { FormActivate(); };
}

TcasoveObdobiFORM::~TcasoveObdobiFORM()
{
    releaseGlobalWindow(casoveObdobiFORM, this);
}

void TcasoveObdobiFORM::FormActivate()
{
    textCB.SetFocus();
}

TuserDefFORM::TuserDefFORM()
{
    claimGlobalWindow(userDefFORM, this);
    OnActivate = [this] { FormActivate(); };
}

TuserDefFORM::~TuserDefFORM()
{
    releaseGlobalWindow(userDefFORM, this);
}

void TuserDefFORM::FormActivate()
{
    kolonkaED.SetFocus();
}

TFTextFORM::TFTextFORM()
{
    claimGlobalWindow(FTextFORM, this);
    OnShow = [this] { FormShow(); };
}

TFTextFORM::~TFTextFORM()
{
    releaseGlobalWindow(FTextFORM, this);
}

void TFTextFORM::FormShow()
{
    vkladanyTextED.SetFocus();
}
