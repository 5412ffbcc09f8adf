#pragma once
// DATE values of the GEDCOM import as the day, month and year a person's date holds.
#include <string>
#include <string_view>

class Datum;

struct ImportedDate {
    // 0 where the value does not give the part.
    int year = 0;
    int month = 0;
    int day = 0;
    // ABT, CAL and EST.
    bool about = false;
};

// Reads a DATE value. Exact dates, ABT / CAL / EST dates and INT dates (their phrase in
// parentheses reported as left out) of the Gregorian and Julian calendars give their parts; a
// dual year such as 1750/51 gives its first year; "10 JAN" a day and month of an unknown year, as
// does the export's phrase "(10.1.?)"; a month may be written out ("29 December 1812"). A range or period
// (BEF, AFT, BET, FROM, TO) keeps its first bound as an approximate date. What cannot be kept
// as written is reported in `problem` (empty when all of it was kept): ranges and periods,
// Hebrew and French republican dates, date phrases, years outside 1..9999, a day its month
// does not have (the day alone is dropped then), numbers too large to read, and what is kept
// but changed: the second year of a dual year, a Julian date held as written.
ImportedDate parseImportedDate(std::string_view value, std::string& problem);

// The parts the value gave into a person's or partnership's date; the others keep "?".
void storeImportedDate(Datum& date, const ImportedDate& value);

// The parts the value gave as the tree writes a date: "3.3.1850", "3.1850", "1850"; empty for none.
std::string importedDateText(const ImportedDate& d);
