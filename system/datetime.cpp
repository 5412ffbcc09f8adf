#include "system/datetime.h"

#include "system/exceptions.h"

#include <charconv>
#include <cmath>
#include <ctime>
#include <sys/time.h>

namespace {

std::function<TDateTime()>& clockOverride()
{
    static std::function<TDateTime()> clock;
    return clock;
}

// Days from 1 January of year 1 to the given date (proleptic Gregorian calendar).
long long daysFromCivilStart(int y, int m, int d)
{
    static const int cumulative[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    long long yy = y - 1;
    long long days = yy * 365 + yy / 4 - yy / 100 + yy / 400;
    days += cumulative[m - 1] + d - 1;
    if (m > 2 && isLeapYear(y))
        ++days;
    return days;
}

// 30 December 1899 counted from 1 January of year 1.
const long long kEpoch = daysFromCivilStart(1899, 12, 30);

} // namespace

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

bool tryEncodeDate(int year, int month, int day, TDateTime& result)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month))
        return false;
    result = static_cast<TDateTime>(daysFromCivilStart(year, month, day) - kEpoch);
    return true;
}

TDateTime encodeDate(int year, int month, int day)
{
    TDateTime r;
    if (!tryEncodeDate(year, month, day, r))
        throw EConvertError("Invalid argument to date encode");
    return r;
}

bool isDateTimeInRange(TDateTime value)
{
    // Compared as doubles, so a huge value or NaN never reaches an integer conversion.
    static const double first = static_cast<double>(daysFromCivilStart(1, 1, 1) - kEpoch);
    static const double pastLast = static_cast<double>(daysFromCivilStart(9999, 12, 31) - kEpoch) + 1;
    const double day = std::trunc(value);
    return day >= first && day < pastLast;
}

void decodeDate(TDateTime value, int& year, int& month, int& day)
{
    if (!isDateTimeInRange(value)) {
        year = month = day = 0;
        return;
    }
    // Before 30.12.1899 the whole days count backwards and the time of day forwards (-1.25 is
    // 29.12.1899 6:00), so the day is the value cut toward zero, not rounded down.
    long long n = static_cast<long long>(std::trunc(value)) + kEpoch; // days since 1.1.0001
    long long y400 = n / 146097;
    n %= 146097;
    long long y100 = n / 36524;
    if (y100 == 4)
        y100 = 3;
    n -= y100 * 36524;
    long long y4 = n / 1461;
    n %= 1461;
    long long y1 = n / 365;
    if (y1 == 4)
        y1 = 3;
    n -= y1 * 365;
    year = static_cast<int>(y400 * 400 + y100 * 100 + y4 * 4 + y1 + 1);
    month = 1;
    while (n >= daysInMonth(year, month)) {
        n -= daysInMonth(year, month);
        ++month;
    }
    day = static_cast<int>(n) + 1;
}

TDateTime encodeTime(int hour, int minute, int second, int millisecond)
{
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || millisecond < 0 ||
        millisecond > 999)
        throw EConvertError("Invalid argument to time encode");
    return (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond) / 86400000.0;
}

void decodeTime(TDateTime value, int& hour, int& minute, int& second, int& millisecond)
{
    if (!std::isfinite(value)) {
        hour = minute = second = millisecond = 0;
        return;
    }
    double fraction = std::fabs(value - std::trunc(value));
    long long ms = std::llround(fraction * 86400000.0);
    if (ms >= 86400000)
        ms = 86399999;
    hour = static_cast<int>(ms / 3600000);
    minute = static_cast<int>(ms / 60000 % 60);
    second = static_cast<int>(ms / 1000 % 60);
    millisecond = static_cast<int>(ms % 1000);
}

int dayOfWeek(TDateTime value)
{
    // 30.12.1899 was a Saturday.
    if (!isDateTimeInRange(value))
        return 0;
    long long n = static_cast<long long>(std::trunc(value));
    long long r = ((n + 6) % 7 + 7) % 7; // 0 = Sunday
    return static_cast<int>(r) + 1;
}

TDateTime now()
{
    if (clockOverride())
        return clockOverride()();
    timeval tv{};
    gettimeofday(&tv, nullptr);
    std::time_t secs = tv.tv_sec;
    std::tm local{};
    localtime_r(&secs, &local);
    return encodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
           encodeTime(local.tm_hour, local.tm_min, local.tm_sec > 59 ? 59 : local.tm_sec,
                      static_cast<int>(tv.tv_usec / 1000));
}

TDateTime today()
{
    return std::floor(now());
}

void setClock(std::function<TDateTime()> clock)
{
    clockOverride() = std::move(clock);
}

namespace {

// A number in decimal with at least `width` digits, zeros before; written by hand since every
// person's creation time is written at each save, and a formatted print costs a thousand steps.
void appendNumber(std::string& out, int value, int width = 1)
{
    char digits[16];
    char* end = std::to_chars(digits, digits + sizeof digits,
                              value < 0 ? -static_cast<long long>(value) : static_cast<long long>(value))
                    .ptr;
    if (value < 0)
        out += '-';
    for (int pad = width - static_cast<int>(end - digits) - (value < 0); pad > 0; --pad)
        out += '0';
    out.append(digits, end);
}

} // namespace

std::string dateToStr(TDateTime value)
{
    int y, m, d;
    decodeDate(value, y, m, d);
    std::string text;
    appendNumber(text, d);
    text += '.';
    appendNumber(text, m);
    text += '.';
    appendNumber(text, y, 4);
    return text;
}

std::string timeToStr(TDateTime value)
{
    int h, mi, s, ms;
    decodeTime(value, h, mi, s, ms);
    std::string text;
    appendNumber(text, h);
    text += ':';
    appendNumber(text, mi, 2);
    text += ':';
    appendNumber(text, s, 2);
    return text;
}

std::string dateTimeToStr(TDateTime value)
{
    int h, mi, s, ms;
    decodeTime(value, h, mi, s, ms);
    if (h == 0 && mi == 0 && s == 0 && ms == 0)
        return dateToStr(value);
    if (std::trunc(value) == 0)
        return timeToStr(value);
    return dateToStr(value) + " " + timeToStr(value);
}

namespace {

// Reads up to `maxDigits` digits at `pos`; false when there is none.
bool readNumber(const std::string& text, size_t& pos, int maxDigits, int& value)
{
    size_t start = pos;
    value = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && int(pos - start) < maxDigits)
        value = value * 10 + (text[pos++] - '0');
    return pos > start;
}

bool readDatePart(const std::string& text, size_t& pos, TDateTime& date)
{
    int d, m, y;
    if (!readNumber(text, pos, 2, d) || pos >= text.size() || text[pos++] != '.')
        return false;
    if (!readNumber(text, pos, 2, m) || pos >= text.size() || text[pos++] != '.')
        return false;
    size_t yearStart = pos;
    if (!readNumber(text, pos, 4, y))
        return false;
    if (pos - yearStart <= 2) {
        // A two-digit year belongs to the current century, as the class library reads it.
        int cy, cm, cd;
        decodeDate(now(), cy, cm, cd);
        y += cy / 100 * 100;
    }
    return tryEncodeDate(y, m, d, date);
}

bool readTimePart(const std::string& text, size_t& pos, TDateTime& time)
{
    int h, mi, s = 0;
    if (!readNumber(text, pos, 2, h) || pos >= text.size() || text[pos++] != ':')
        return false;
    if (!readNumber(text, pos, 2, mi))
        return false;
    if (pos < text.size() && text[pos] == ':') {
        ++pos;
        if (!readNumber(text, pos, 2, s))
            return false;
    }
    if (h > 23 || mi > 59 || s > 59)
        return false;
    time = encodeTime(h, mi, s);
    return true;
}

void skipBlanks(const std::string& text, size_t& pos)
{
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
}

} // namespace

bool tryStrToDateTime(const std::string& text, TDateTime& value)
{
    size_t pos = 0;
    skipBlanks(text, pos);
    TDateTime date = 0, time = 0;
    const size_t start = pos;
    const bool hasDate = readDatePart(text, pos, date);
    if (!hasDate)
        pos = start;
    skipBlanks(text, pos);
    bool hasTime = false;
    if (pos < text.size()) {
        hasTime = readTimePart(text, pos, time);
        if (!hasTime)
            return false;
        skipBlanks(text, pos);
    }
    if (pos != text.size() || (!hasDate && !hasTime))
        return false;
    // Days before 30.12.1899 count backwards while their time of day still counts forwards.
    value = date < 0 ? date - time : date + time;
    return true;
}

TDateTime strToDateTime(const std::string& text)
{
    TDateTime value;
    if (!tryStrToDateTime(text, value))
        throw EConvertError("'" + text + "' is not a valid date and time");
    return value;
}
