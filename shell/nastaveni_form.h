#pragma once
// The settings dialog: the limits of the plausibility checks of dates. The settings command
// puts the limits into the up-downs before showing it and takes their positions back after.
#include "forms/nastaveni_form.h"

class TnastaveniForm : public TnastaveniFormLayout {
public:
    TnastaveniForm();
    ~TnastaveniForm() override;

    // Leaving an edit shows its up-down's position, so what the edit shows is what is taken.
    void minRokEDExit();
    void maxRokEDExit();
    void maxVekEDExit();
    void minRodicDiteEDExit();

private:
    static void showPosition(TEdit& edit, TUpDown& upDown);
};

// The one settings dialog of the program (the first one made).
extern TnastaveniForm* nastaveniForm;
