#pragma once
// Texts made from numbers of days, months and years, and from pairs of dates. The words are
// plain reads of the language file (section "datum", and "ruzne" for what cannot be
// determined); nothing is written back. The texts of a single date are members of `Datum`.
#include <cstdint>
#include <string>

class Datum;
class TextSource;

// "(nelze určit)": the text of a date or interval that cannot be determined.
std::string undeterminedText(TextSource& texts);

// Czech count words: 1 takes `one` alone, 2 to 4 the number, a blank and `word234`, every
// other count (also 0 and negative ones) the number, a blank and `word56`.
std::string countText(long long n, const std::string& one, const std::string& word234,
                      const std::string& word56);

// "ledna" .. "prosince" for 1 .. 12; "chyba: neexistující měsíc" otherwise.
std::string monthGenitive(int month, TextSource& texts);
// "v lednu" .. "v prosinci"; "(chyba: nelze určit)" outside 1 .. 12.
std::string monthInText(int month, TextSource& texts);
// Monday 1 "v pondělí" .. Sunday 7 "v neděli"; "(chyba: nelze určit)" otherwise.
std::string weekdayInText(int weekday, TextSource& texts);
// 0 "velice krátce", 1 "jeden rok", otherwise "3 roky", "25 let".
std::string yearsText(long long years, TextSource& texts);
// Two complete dates: "428 dní (1 rok, 2 měsíce a 2 dny)", with 30-day months in the
// parenthesis; "necelý den" for the same day; "?" when a date is no calendar day.
std::string intervalText(const Datum& from, const Datum& to, TextSource& texts);
// The whole years from `from` to `to` as far as their known parts tell: the difference of the
// years, less one when the known months (and days) show the anniversary not yet reached; an
// unknown part never adds a year that the known ones rule out. False without both years.
bool knownYearsBetween(const Datum& from, const Datum& to, long long& years);
// The length from `from` to `to` as a sentence tells it: the interval of two complete dates,
// else the whole years of `knownYearsBetween`. Empty without both years, and when the known
// parts put `to` before `from` (`Datum::isBefore`): a length below nothing is a slip in the
// dates, not a length.
std::string lengthText(const Datum& from, const Datum& to, TextSource& texts);
// By what is known: "(nelze určit)" without both years, the whole years of `knownYearsBetween`
// without both days and months, else the interval.
std::string ageOrIntervalText(const Datum& from, const Datum& to, TextSource& texts);
// A number of days: "800 dní (2 roky, 2 měsíce a 9 dní)" with 365.25-day years and 30-day
// months, one spelled out; -1 (an unknown year) "(nelze určit)", 0 "necelý den".
std::string durationText(int64_t days, TextSource& texts);
