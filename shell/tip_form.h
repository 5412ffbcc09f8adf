#pragma once
// The tip window: the main window fills it (shell/greeting_and_tips.cpp); the check box
// switches the tips at start on or off at once.
#include "forms/tip_form.h"

class TtipFORM : public TtipFORMLayout {
public:
    TtipFORM();
    ~TtipFORM() override;
    // The settings take the box's state (saved with them at close).
    void zobrazovatCHClick();
};

extern TtipFORM* tipFORM;
