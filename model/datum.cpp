#include "model/datum.h"

#include "system/exceptions.h"
#include "system/numbers.h"

#include <algorithm>

namespace {

enum class Cmp { Before, After, NotAfter, NotBefore };

bool compareDates(const Datum& a, const Datum& b, Cmp how)
{
    const SparseText* partsA[] = {&a.year, &a.month, &a.day};
    const SparseText* partsB[] = {&b.year, &b.month, &b.day};
    for (int level = 0; level < 3; ++level) {
        int x, y;
        if (!datePartNumber(*partsA[level], x) || !datePartNumber(*partsB[level], y))
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
// A part that is no number moves as an unknown one: not at all.
Datum Datum::plusMonths(int n) const
{
    Datum result(*this);
    int year0, month0;
    if (!datePartNumber(year, year0))
        return result;
    int64_t y = int64_t(year0) + n / 12;
    if (datePartNumber(month, month0)) {
        int64_t m = int64_t(month0) + n % 12;
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
    int year0, month0;
    if (!datePartNumber(year, year0))
        return result;
    int64_t y = int64_t(year0) - n / 12;
    if (datePartNumber(month, month0)) {
        int64_t m = int64_t(month0) - n % 12;
        if (m <= 0) {
            m += 12;
            --y;
        }
        result.month = intToStr(m);
    }
    result.year = intToStr(y);
    return result;
}

// A part that is no number counts as unknown, and so does a day or month the calendar lacks
// (31 April, month 13, a year beyond it): the difference is then counted at the coarser level.
int64_t Datum::daysSince(const Datum& other) const
{
    int y1, y2, m1, m2, d1, d2;
    if (!datePartNumber(year, y1) || !datePartNumber(other.year, y2))
        return -1;
    TDateTime a, b;
    if (datePartNumber(month, m1) && datePartNumber(other.month, m2)) {
        if (datePartNumber(day, d1) && datePartNumber(other.day, d2) && tryEncodeDate(y1, m1, d1, a) &&
            tryEncodeDate(y2, m2, d2, b))
            return int64_t(a) - int64_t(b);
        if (tryEncodeDate(y1, m1, 1, a) && tryEncodeDate(y2, m2, 1, b))
            return int64_t(a) - int64_t(b);
    }
    return (int64_t(y1) - y2) * 365;
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
    int year;
    return !datePartNumber(date.year, year) || isLeapYear(year);
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
    int d, m;
    if (!datePartNumber(day, d) || !datePartNumber(month, m))
        return day;
    if (d <= 28)
        return day;
    if (m == 2 && d >= 30) {
        day = "29";
        d = 29;
    }
    if (d == 29) {
        int y;
        if (datePartNumber(year, y) && m == 2 && !isLeapYear(y))
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

bool datePartNumber(const std::string& part, int& value)
{
    return !Datum::isUnknown(part) && tryStrToInt(part, value);
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
