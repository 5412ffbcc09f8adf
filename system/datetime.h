#pragma once
// The class library's date-time value: days since 30 December 1899 plus the fraction of the day.
// "Today" and "now" come from an injectable clock so tests can fix them.
#include <functional>
#include <string>

using TDateTime = double;

bool isLeapYear(int year);
int daysInMonth(int year, int month);
// Years 1..9999; an impossible day raises EConvertError.
TDateTime encodeDate(int year, int month, int day);
bool tryEncodeDate(int year, int month, int day, TDateTime& result);
void decodeDate(TDateTime value, int& year, int& month, int& day);
// Whether a date-time value lies in the years 1 to 9999, the only ones the calendar functions
// take; a value read from a file outside them (or not a number at all) is a damaged value.
bool isDateTimeInRange(TDateTime value);
TDateTime encodeTime(int hour, int minute, int second, int millisecond = 0);
void decodeTime(TDateTime value, int& hour, int& minute, int& second, int& millisecond);
// 1 for Sunday to 7 for Saturday.
int dayOfWeek(TDateTime value);

// The local clock, or the one a test installs (an empty function restores the real clock).
TDateTime now();
TDateTime today();
void setClock(std::function<TDateTime()> clock);

// Czech regional formats, whatever the machine's locale: d.M.yyyy and H:mm:ss.
std::string dateToStr(TDateTime value);
std::string timeToStr(TDateTime value);
// The class library's text of a date-time value: the date alone when the time of day is zero,
// the time alone when there is no date part, else the date, a blank and the time.
std::string dateTimeToStr(TDateTime value);
// The reverse: "d.M.yyyy", "H:mm[:ss]" or both separated by blanks. False (or EConvertError)
// for any other text or a day that does not exist.
bool tryStrToDateTime(const std::string& text, TDateTime& value);
TDateTime strToDateTime(const std::string& text);
