#pragma once
// The search dialog: a text in chosen fields or a date among chosen dates, the persons found and
// a double click on one of them, which closes the dialog with 1 for the search command to show
// that person. The window keeps its inputs and its found persons between showings.
#include "forms/hledej_form.h"

class TextSource;

class ThledejFORM : public ThledejFORMLayout {
public:
    ThledejFORM();
    ~ThledejFORM() override;

    // The main window's language file while the search command shows the dialog, else none;
    // not owned. The date checks read their messages from it and write nothing back.
    TextSource* languageFile = nullptr;

    // On the text page the text to search for takes the focus.
    void FormActivate();
    void hledejRetezecBTClick();
    void jakHledatGROUPClick();
    // The second date only for a range.
    void showSecondDate();
    // The date search, once the dates pass their checks.
    void hledejDatumBTClick();
    // Day and month among their items, the year digits; for a range the second date too and the
    // first not later than the second. The first failure is told and ends the check.
    bool checkDateInput();
    void osobyLISTDblClick();

private:
    bool checkDate(const TComboBox& day, const TComboBox& month, const TEdit& year);
    bool refuse(const char* key, const char* defaultText);
};

// The one search dialog of the program (the first one made).
extern ThledejFORM* hledejFORM;
