#pragma once
// The settings dialog: the limits of the plausibility checks of dates. The settings command
// puts the limits into the up-downs before showing it and takes their positions back after.
#include "forms/nastaveni_form.h"

class TextSource;

class TnastaveniForm : public TnastaveniFormLayout {
public:
    TnastaveniForm();
    ~TnastaveniForm() override;

    // Leaving an edit shows its up-down's position, so what the edit shows is what is taken.
    void minRokEDExit();
    void maxRokEDExit();
    void maxVekEDExit();
    void minRodicDiteEDExit();
    // A lowest year above the highest would refuse every date: the dialog stays open and says so.
    void FormCloseQuery(bool& canClose);

    // The language file, lent by the settings command while the dialog is shown.
    TextSource* languageFile = nullptr;

private:
    static void showPosition(TEdit& edit, TUpDown& upDown);
};

// The one settings dialog of the program (the first one made).
extern TnastaveniForm* nastaveniForm;
