#pragma once
// The settings of the main window as the model reads them when it names persons in lists.
#include "model/display_settings.h"
#include "shell/settings.h"

class ListDisplay : public DisplaySettings {
public:
    explicit ListDisplay(const Nastaveni& s) : s_(s) { }
    bool showBirthSurname() const override { return s_.showBirthSurname; }
    bool showBirth() const override { return s_.showBirth; }

private:
    const Nastaveni& s_;
};
