#pragma once
// The person editor's control for each text of a person (model/person_fields.h): a combo box on
// the basic-data or further-data page, or an edit of the contact group, and the values its
// drop-down offers. The pages are filled and hooked through it.
#include "model/person_fields.h"

class Rod;
class TComboBox;
class TEdit;
class TStringList;
class ThlavniForm;

struct PersonTextControl {
    TComboBox* box = nullptr; // a combo box, or
    TEdit* edit = nullptr; // an edit
    // Offered on entry to the box; none where its handler offers something else.
    void (Rod::*values)(TStringList&) const = nullptr;
};

// None for a field that is not a text. Every text of the table has its control: the function
// has no default, so a new field does not build without its line.
PersonTextControl personTextControl(ThlavniForm& window, PersonField field);
