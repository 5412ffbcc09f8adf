#include "shell/nastaveni_form.h"

#include "forms/global_window.h"
#include "model/text_source.h"
#include "system/numbers.h"
#include "toolkit/dialogs.h"

TnastaveniForm* nastaveniForm = nullptr;

TnastaveniForm::TnastaveniForm()
{
    claimGlobalWindow(nastaveniForm, this);
    minRokED.OnExit = [this] { minRokEDExit(); };
    maxRokED.OnExit = [this] { maxRokEDExit(); };
    maxVekED.OnExit = [this] { maxVekEDExit(); };
    minRodicDiteED.OnExit = [this] { minRodicDiteEDExit(); };
    OnCloseQuery = [this](bool& canClose) { FormCloseQuery(canClose); };
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

void TnastaveniForm::FormCloseQuery(bool& canClose)
{
    if (minRokUD.Position() <= maxRokUD.Position())
        return;
    canClose = false;
    const char* text = "Minimální rok je vyšší než maximální rok! Opravte prosím meze.";
    ShowMessage(languageFile ? languageFile->langText("chyby", "minRokVyssiNezMaxRok", text)
                             : std::string(text));
    focusControl(&minRokED);
}
