#include "shell/nastaveni_form.h"

#include "platform/numbers.h"

TnastaveniForm* nastaveniForm = nullptr;

TnastaveniForm::TnastaveniForm()
{
    if (!nastaveniForm)
        nastaveniForm = this;
    minRokED.OnExit = [this] { minRokEDExit(); };
    maxRokED.OnExit = [this] { maxRokEDExit(); };
    maxVekED.OnExit = [this] { maxVekEDExit(); };
    minRodicDiteED.OnExit = [this] { minRodicDiteEDExit(); };
}

TnastaveniForm::~TnastaveniForm()
{
    if (nastaveniForm == this)
        nastaveniForm = nullptr;
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
