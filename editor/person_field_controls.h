#pragma once
// The main window's controls for each field of a person (model/person_fields.h): the one that
// shows the field, which the pages fill and an undo step puts the value back into and focuses,
// and those a lock on the person disables. The pages, the lock and the undo replay all take them
// from here: one `switch` over `PersonField` without a default, so a new field does not build
// until it has its controls here, and then takes part in all three.
#include "model/person_fields.h"

#include <array>

class Rod;
class TComboBox;
class TControl;
class TEdit;
class TStringList;
class ThlavniForm;

struct PersonFieldControls {
    // Shows the field; none for a field that no control of its own shows.
    TControl* shows = nullptr;
    // A text's control, as its kind: a combo box, or an edit; both none for any other field.
    TComboBox* box = nullptr;
    TEdit* edit = nullptr;
    // Offered on entry to a text's box; none where its handler offers something else.
    void (Rod::*values)(TStringList&) const = nullptr;
    // Disabled while the person is locked, enabled with the lock off.
    std::array<TControl*, 2> locked = {};
    // Disabled while the person is locked; with the lock off they keep what their list's
    // selection gave them.
    std::array<TControl*, 2> lockedWithSelection = {};
};

PersonFieldControls personFieldControls(ThlavniForm& window, PersonField field);
