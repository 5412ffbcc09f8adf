#pragma once
// The day, month and year boxes of a date on the basic-data page (birth, death, wedding,
// divorce) and what they do alike: a typed part stored or refused, the day list of the month,
// an emptied box given its stored part back, the "?" button and the about box's tolerance.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class Datum;
class SparseText;
class TCheckBox;
class TComboBox;
class TEdit;
class TEditLineControl;
class TLabel;
class PersonEditor;
struct ZakladniSheet;

// The four dates of the basic-data page: the person's birth and death, the selected
// partnership's wedding and divorce.
enum class DateField : uint8_t { birth, death, wedding, divorce };

// A date's boxes on the page. One `switch` without a default names them, so a renamed box does
// not build and a new date does not build until it has its boxes.
struct DateControls {
    TComboBox& day;
    TComboBox& month;
    TEdit& year;
    TLabel& weekday;
};
DateControls dateControls(ZakladniSheet& page, DateField field);
// The start of the date's undo keys: "narozeni", "smrt", "svatba" or "rozvod"; the key of one
// part adds datePartKeyEnd.
const char* dateKeyStart(DateField field);
// The date and its part ('d', 'm' or 'r') that a step's key names, or none; the step of the whole
// date made unknown names the year.
struct DatePartOfStep {
    DateField field;
    char part;
};
std::optional<DatePartOfStep> datePartOfStep(std::string_view key);

struct DateBoxes {
    Datum& date;
    TComboBox& day;
    TComboBox& month;
    TEdit& year;
    TLabel& weekday;
};
// The date in its boxes on the page.
DateBoxes dateBoxes(ZakladniSheet& page, DateField field, Datum& date);

// `part` is 'd', 'm' or 'r' (day, month, year).
SparseText& storedDatePart(Datum& date, char part);
// "Den", "Mesic" or "Rok": the end of the part's undo key.
const char* datePartKeyEnd(char part);
bool sameDateParts(const Datum& a, const Datum& b);

// The day or month box's text into the date, a "?" typed beside dropped. An empty box keeps the
// stored part (a part is never stored empty); a text that is not one of the box's items stays
// in the box as typed, stores nothing and gives false, so that the caller puts back the part
// from before the entry: the next key then goes on from what the person typed, and no day the
// person never typed is stored.
bool takeDayOrMonth(DateBoxes& b, char part);
// The year edit's text into the date when it is "?" or digits (a "?" typed beside dropped); any
// other text is refused and the edit shows the stored year again.
void takeYear(DateBoxes& b);
// "?" and the days the date's month (and year) has, the box's text kept.
void fillDayBox(DateBoxes& b);
// Leaving a part: an emptied box, or one holding no item of its list, shows the stored part.
void restoreLeftPart(PersonEditor& main, DateBoxes& b, char part);
// Leaving the month or the year limits the day to the month. Called once the date's checks have
// passed or reset a part, so that a February 29 is measured against the year that stays.
void limitDayToMonth(DateBoxes& b, char part);
// The whole date unknown, its boxes showing "?".
void putDateUnknown(PersonEditor& main, DateBoxes& b);
// The about box clicked: the flag from its check, and when checked the tolerance chosen in the
// tolerance dialog, shown in the box's caption.
void takeAboutBox(Datum& date, TCheckBox& box);
