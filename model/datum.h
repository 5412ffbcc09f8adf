#pragma once
// A genealogical date: day, month and year are each a decimal number or "?" (unknown), with an
// approximation flag and a tolerance in years. Comparisons stop with false at the first unknown
// part they reach. A part that is neither "?" nor a number (kept as a file of an older version
// gave it, say "19x5") counts as unknown in every operation, so no check, shift or difference
// ever stops on one.
#include "model/sparse_text.h"
#include "system/datetime.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TextSource;

class Datum {
public:
    // Unknown in all three parts, not approximate, tolerance 1.
    Datum();
    // The calendar day of the value; the time of day is dropped.
    explicit Datum(TDateTime value);
    Datum(const Datum&) = default;
    Datum& operator=(const Datum&) = default;
    Datum(const std::string& day, const std::string& month, const std::string& year);

    // Copies only the three part texts; this date keeps its own flag and tolerance.
    Datum& assign(const Datum& other);

    bool isBefore(const Datum& other) const;
    bool isAfter(const Datum& other) const;
    bool isNotAfter(const Datum& other) const;
    bool isNotBefore(const Datum& other) const;
    // Both complete and the three part texts equal ("5" and "05" differ).
    bool equals(const Datum& other) const;

    Datum plusMonths(int n) const;
    Datum minusMonths(int n) const;
    // This date minus the other in days; -1 when either year is unknown. A month or day unknown
    // (or not on the calendar) on either side counts whole years of 365 days, a day the months
    // from their first days.
    int64_t daysSince(const Datum& other) const;
    // 0 year unknown, 1 month or day unknown, 2 complete.
    int completeness() const;
    bool isComplete() const { return completeness() == 2; }

    // Limits the day to the month (and year), stores it and returns it.
    std::string clampedDay();
    // "?", "1" .. the last day of this date's month.
    void fillDayChoices(std::vector<std::string>& items) const;
    // Monday 1 .. Sunday 7; 0 with an unknown part; -1 with an empty part or no such day.
    int weekdayNumber() const;

    static bool isUnknown(const std::string& part) { return part == "?"; }

    // --- texts (model/date_texts.cpp). Words are plain reads of the language file, section
    // "datum": nothing is written back. A text that needs the parts as numbers or the calendar
    // is "?" for a date that gives neither (31 April from an old file, a part that is no
    // number), so one bad date never stops a page from being filled.
    // "v roce 1900", "v březnu 1900" with the month known, "5. března 1900", or "(nelze určit)"
    // without a year.
    std::string longText(TextSource& texts) const;
    // "sobota"; "?" with an unknown part or no such day; "error" with an empty part.
    std::string weekdayName(TextSource& texts) const;
    // The sign of a complete date; "(nelze určit)" otherwise.
    std::string zodiacSign(TextSource& texts) const;
    // "5 MAR 1900", "MAR 1900" or "1900".
    std::string gedcomText() const;
    // "JAN" .. "DEC" for the month texts "1" .. "12"; "N/A" for any other.
    std::string gedcomMonth() const;
    // "5. 3. 1900"; an unknown part is blanks of its width ("  .   . 1900").
    std::string listText() const;
    // The known parts: "5.3.1900", "3.1900", "1900"; empty when nothing is known.
    std::string shortText() const;
    // "05.03."; an unknown part raises EConvertError.
    std::string dayMonthText() const;

    SparseText day = "?";
    SparseText month = "?";
    SparseText year = "?";
    // The flag last: a person holds two dates, and padding inside each would cost a big tree.
    int32_t tolerance = 1;
    uint8_t about = 0;
};

// The part as a number; false for "?" and for a part that is no number, which counts as unknown.
bool datePartNumber(const std::string& part, int& value);
// Whether a part is neither "?" nor a number (kept as it was read, counted as unknown).
bool hasUnreadablePart(const Datum& date);
bool isReadableDatePart(std::string_view part);

// An unknown year counts as a leap year.
bool isLeapYear(const Datum& date);
// Every known part is a number and, when all three are known, the calendar has that day. Only
// such a date can be an anniversary or the hit of a date search: one read from an old file as
// 31 April matches nothing instead of stopping the search.
bool isSearchableDate(const Datum& date);

// The three parts read as numbers, for sorting many dates at once. A known part that is not a
// number makes the key unreadable.
struct DatumKey {
    bool yearKnown = false, monthKnown = false, dayKnown = false;
    int year = 0, month = 0, day = 0;
};
bool tryDatumKey(const Datum& date, DatumKey& key);
