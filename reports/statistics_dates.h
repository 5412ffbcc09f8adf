#pragma once
// Date arithmetic of the statistics. A tree file can bring any text as a date part ("13" as a
// month, "31" in April, letters): here such a part makes the value undeterminable (-1, false,
// 0) instead of raising, so one damaged date never stops the report.
#include "model/datum.h"

#include <cstdint>

class Clovek;
class Svatba;

// A date's parts read once; `readable` is false when a known part is no number.
struct StatDate {
    explicit StatDate(const Datum& date);
    DatumKey key;
    bool readable;
};

// Age in days by the tree's rule (365-day years, 30-day months, as far as both dates are known),
// to the death or, for the living, to `today`; -1 with an unknown or unreadable year.
int64_t ageInDays(const Clovek& person, const StatDate& today);
// a minus b in days: -1 with an unknown year; whole years of 365 days when a month is unknown;
// from the first of the months when a day is unknown. -1 also when a part cannot be read, a
// month is not 1..12 or the day does not exist in its month.
int64_t daysBetween(const Datum& a, const Datum& b);
// Strictly later, comparing year, month, day; false at the first unknown or unreadable part.
bool isLater(const Datum& a, const Datum& b);
bool isLater(const StatDate& a, const StatDate& b);
// daysBetween of dates read once, for walks that meet one date many times.
int64_t daysBetween(const StatDate& a, const StatDate& b);
// The month 1..12 of a date; 0 when it is unknown or outside the calendar.
int calendarMonth(const Datum& date);
// Monday 1 .. Sunday 7 of a complete date that exists; 0 otherwise.
int calendarWeekday(const Datum& date);

// The earliest wedding with a known year among the person's partnerships of any state, or null;
// a later entry replaces the one found only when that one is later than it.
const Svatba* firstWeddingOf(const Clovek& person);
// The earliest-born child with a known birth year, chosen the same way, or null.
const Clovek* firstChildOf(const Clovek& person);
// When a marriage ended: the divorce; for a married couple the first death of the two (partner
// 1's when the two deaths cannot be ordered) or `today` while both live; unknown otherwise.
Datum marriageEnd(const Svatba& partnership, const Datum& today);
