#include "shell/nastaveni_form.h"

#include "forms/global_window.h"
#include "system/numbers.h"

TnastaveniForm* nastaveniForm = nullptr;

TnastaveniForm::TnastaveniForm()
{
    claimGlobalWindow(nastaveniForm, this);
    minRokED.OnExit = [this] { minRokEDExit(); };
    maxRokED.OnExit = [this] { maxRokEDExit(); };
    maxVekED.OnExit = [this] { maxVekEDExit(); };
    minRodicDiteED.OnExit = [this] { minRodicDiteEDExit(); };
}

TnastaveniForm::~TnastaveniForm()
{
    releaseGlobalWindow(nastaveniForm, this);
}

void TnastaveniForm::showPosition(TEdit& edit, TUpDown& upDown)
{
    edit.setText(intToStr(upDown.Position()));
}

void TnastaveniForm::minRokEDExit()
{
    showPosition(minRokED, minRokUD);
}

void TnastaveniForm::maxRokEDExit()
{
    showPosition(maxRokED, maxRokUD);
}

void TnastaveniForm::maxVekEDExit()
{
    showPosition(maxVekED, maxVekUD);
}

void TnastaveniForm::minRodicDiteEDExit()
{
    showPosition(minRodicDiteED, minRodicDiteUD);
}
