#include "model/datum.h"

#include "system/exceptions.h"
#include "system/numbers.h"

#include <algorithm>

namespace {

enum class Cmp { Before, After, NotAfter, NotBefore };

// A part that is neither "?" nor a number (from a file of an older version, say "19x5") is
// not known either: a comparison that reaches it stops as at "?", so one such date never stops
// a sort, an open or a search.
bool knownPart(const SparseText& part, int& value)
{
    return !Datum::isUnknown(part) && tryStrToInt(part, value);
}

bool compareDates(const Datum& a, const Datum& b, Cmp how)
{
    const SparseText* partsA[] = {&a.year, &a.month, &a.day};
    const SparseText* partsB[] = {&b.year, &b.month, &b.day};
    for (int level = 0; level < 3; ++level) {
        int x, y;
        if (!knownPart(*partsA[level], x) || !knownPart(*partsB[level], y))
            return false;
        if (level < 2) {
            if (x < y)
                return how == Cmp::Before || how == Cmp::NotAfter;
            if (x > y)
                return how == Cmp::After || how == Cmp::NotBefore;
            continue;
        }
        switch (how) {
        case Cmp::Before:
            return x < y;
        case Cmp::After:
            return x > y;
        case Cmp::NotAfter:
            return x <= y;
        case Cmp::NotBefore:
            return x >= y;
        }
    }
    return false;
}

} // namespace

Datum::Datum() = default;

Datum::Datum(TDateTime value)
{
    int y, m, d;
    decodeDate(value, y, m, d);
    day = intToStr(d);
    month = intToStr(m);
    year = intToStr(y);
}

Datum::Datum(const std::string& d, const std::string& m, const std::string& y) : day(d), month(m), year(y) { }

Datum& Datum::assign(const Datum& other)
{
    day = other.day;
    month = other.month;
    year = other.year;
    return *this;
}

bool Datum::isBefore(const Datum& other) const
{
    return compareDates(*this, other, Cmp::Before);
}

bool Datum::isAfter(const Datum& other) const
{
    return compareDates(*this, other, Cmp::After);
}

bool Datum::isNotAfter(const Datum& other) const
{
    return compareDates(*this, other, Cmp::NotAfter);
}

bool Datum::isNotBefore(const Datum& other) const
{
    return compareDates(*this, other, Cmp::NotBefore);
}

bool Datum::equals(const Datum& other) const
{
    if (isUnknown(day) || isUnknown(month) || isUnknown(year) || isUnknown(other.day) ||
        isUnknown(other.month) || isUnknown(other.year))
        return false;
    return day == other.day && month == other.month && year == other.year;
}

// Years and months are added in 64 bits: a far-off year becomes a long text, never a wrapped one.
Datum Datum::plusMonths(int n) const
{
    Datum result(*this);
    if (isUnknown(year))
        return result;
    int64_t y = int64_t(strToInt(year)) + n / 12;
    if (!isUnknown(month)) {
        int64_t m = int64_t(strToInt(month)) + n % 12;
        if (m > 12) {
            m -= 12;
            ++y;
        }
        result.month = intToStr(m);
    }
    result.year = intToStr(y);
    return result;
}

Datum Datum::minusMonths(int n) const
{
    Datum result(*this);
    if (isUnknown(year))
        return result;
    int64_t y = int64_t(strToInt(year)) - n / 12;
    if (!isUnknown(month)) {
        int64_t m = int64_t(strToInt(month)) - n % 12;
        if (m <= 0) {
            m += 12;
            --y;
        }
        result.month = intToStr(m);
    }
    result.year = intToStr(y);
    return result;
}

int64_t Datum::daysSince(const Datum& other) const
{
    if (isUnknown(year) || isUnknown(other.year))
        return -1;
    int y1 = strToInt(year), y2 = strToInt(other.year);
    if (isUnknown(month) || isUnknown(other.month))
        return (int64_t(y1) - y2) * 365;
    int m1 = strToInt(month), m2 = strToInt(other.month);
    if (isUnknown(day) || isUnknown(other.day))
        return int64_t(encodeDate(y1, m1, 1)) - int64_t(encodeDate(y2, m2, 1));
    return int64_t(encodeDate(y1, m1, strToInt(day))) - int64_t(encodeDate(y2, m2, strToInt(other.day)));
}

int Datum::completeness() const
{
    if (isUnknown(year))
        return 0;
    if (isUnknown(month) || isUnknown(day))
        return 1;
    return 2;
}

bool isLeapYear(const Datum& date)
{
    if (Datum::isUnknown(date.year))
        return true;
    return isLeapYear(strToInt(date.year));
}

bool isSearchableDate(const Datum& date)
{
    DatumKey key;
    if (!tryDatumKey(date, key))
        return false;
    TDateTime value;
    return !(key.yearKnown && key.monthKnown && key.dayKnown) ||
           tryEncodeDate(key.year, key.month, key.day, value);
}

std::string Datum::clampedDay()
{
    if (isUnknown(day) || isUnknown(month))
        return day;
    int d = strToInt(day);
    int m = strToInt(month);
    if (d <= 28)
        return day;
    if (m == 2 && d >= 30) {
        day = "29";
        d = 29;
    }
    if (d == 29) {
        if (!isUnknown(year) && m == 2 && !isLeapYear(*this))
            day = "28";
        return day;
    }
    if (d == 30)
        return day;
    if (m == 1 || m == 3 || m == 5 || m == 7 || m == 8 || m == 10 || m == 12)
        return day;
    day = "30";
    return day;
}

void Datum::fillDayChoices(std::vector<std::string>& items) const
{
    items.clear();
    items.push_back("?");
    for (int d = 1; d <= 28; ++d)
        items.push_back(intToStr(d));
    if (month == "2" && !isLeapYear(*this))
        return;
    items.push_back("29");
    if (month == "2")
        return;
    items.push_back("30");
    if (month == "4" || month == "6" || month == "9" || month == "11")
        return;
    items.push_back("31");
}

int Datum::weekdayNumber() const
{
    if (isUnknown(day) || isUnknown(month) || isUnknown(year))
        return 0;
    if (day.empty() || month.empty() || year.empty())
        return -1;
    int d, m, y;
    TDateTime value;
    if (!tryStrToInt(day, d) || !tryStrToInt(month, m) || !tryStrToInt(year, y) ||
        !tryEncodeDate(y, m, d, value))
        return -1;
    int dow = dayOfWeek(value); // 1 Sunday .. 7 Saturday
    return dow == 1 ? 7 : dow - 1;
}

bool isReadableDatePart(std::string_view part)
{
    // Asked of every date part a tree file holds: a short run of digits, most parts, needs no
    // conversion.
    if (!part.empty() && part.size() <= 9 &&
        std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return true;
    int value;
    return part == "?" || tryStrToInt(part, value);
}

bool hasUnreadablePart(const Datum& date)
{
    return !isReadableDatePart(date.day) || !isReadableDatePart(date.month) || !isReadableDatePart(date.year);
}

bool tryDatumKey(const Datum& date, DatumKey& key)
{
    key.yearKnown = !Datum::isUnknown(date.year);
    key.monthKnown = !Datum::isUnknown(date.month);
    key.dayKnown = !Datum::isUnknown(date.day);
    return (!key.yearKnown || tryStrToInt(date.year, key.year)) &&
           (!key.monthKnown || tryStrToInt(date.month, key.month)) &&
           (!key.dayKnown || tryStrToInt(date.day, key.day));
}
