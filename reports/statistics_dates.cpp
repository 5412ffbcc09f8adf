#include "reports/statistics_dates.h"

#include "model/clovek.h"
#include "model/svatba.h"
#include "model/uk_clovek.h"
#include "system/datetime.h"

namespace {

// Days since 1 March of year 0 in the proleptic Gregorian calendar, for any year a text can
// hold: no range of years is refused.
int64_t dayNumber(int64_t y, int64_t m, int64_t d)
{
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe;
}

bool leap(int64_t y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int64_t monthLength(int64_t y, int m)
{
    static const int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && leap(y) ? 29 : lengths[m - 1];
}

bool validMonth(int m)
{
    return m >= 1 && m <= 12;
}

} // namespace

StatDate::StatDate(const Datum& date) : readable(tryDatumKey(date, key)) { }

int64_t ageInDays(const Clovek& person, const StatDate& today)
{
    const StatDate birth(person.birth);
    const StatDate end = person.alive ? today : StatDate(person.death);
    if (!birth.readable || !end.readable || !birth.key.yearKnown || !end.key.yearKnown)
        return -1;
    const DatumKey& a = birth.key;
    const DatumKey& b = end.key;
    int64_t days = (int64_t(b.year) - a.year) * 365;
    if (a.monthKnown && b.monthKnown) {
        days += (int64_t(b.month) - a.month) * 30;
        if (a.dayKnown && b.dayKnown)
            days += int64_t(b.day) - a.day;
    }
    return days;
}

int64_t daysBetween(const Datum& a, const Datum& b)
{
    return daysBetween(StatDate(a), StatDate(b));
}

int64_t daysBetween(const StatDate& x, const StatDate& y)
{
    if (!x.readable || !y.readable || !x.key.yearKnown || !y.key.yearKnown)
        return -1;
    if (!x.key.monthKnown || !y.key.monthKnown)
        return (int64_t(x.key.year) - y.key.year) * 365;
    if (!validMonth(x.key.month) || !validMonth(y.key.month))
        return -1;
    int64_t dx = 1, dy = 1;
    if (x.key.dayKnown && y.key.dayKnown) {
        dx = x.key.day;
        dy = y.key.day;
        if (dx < 1 || dx > monthLength(x.key.year, x.key.month) || dy < 1 ||
            dy > monthLength(y.key.year, y.key.month))
            return -1;
    }
    return dayNumber(x.key.year, x.key.month, dx) - dayNumber(y.key.year, y.key.month, dy);
}

bool isLater(const Datum& a, const Datum& b)
{
    return isLater(StatDate(a), StatDate(b));
}

bool isLater(const StatDate& x, const StatDate& y)
{
    if (!x.readable || !y.readable)
        return false;
    const bool known[3][2] = {{x.key.yearKnown, y.key.yearKnown},
                              {x.key.monthKnown, y.key.monthKnown},
                              {x.key.dayKnown, y.key.dayKnown}};
    const int values[3][2] = {{x.key.year, y.key.year}, {x.key.month, y.key.month}, {x.key.day, y.key.day}};
    for (int level = 0; level < 3; ++level) {
        if (!known[level][0] || !known[level][1])
            return false;
        if (values[level][0] != values[level][1])
            return values[level][0] > values[level][1];
    }
    return false;
}

int calendarMonth(const Datum& date)
{
    const StatDate d(date);
    return d.readable && d.key.monthKnown && validMonth(d.key.month) ? d.key.month : 0;
}

int calendarWeekday(const Datum& date)
{
    const int n = date.weekdayNumber();
    return n >= 1 && n <= 7 ? n : 0;
}

const Svatba* firstWeddingOf(const Clovek& person)
{
    const Svatba* best = nullptr;
    StatDate bestDate{Datum()};
    for (const UkSvatba* e : person.partnerships.items<UkSvatba>()) {
        const Svatba* s = e->partnership;
        if (!s || Datum::isUnknown(s->wedding.year))
            continue;
        const StatDate date(s->wedding);
        if (!best || isLater(bestDate, date)) {
            best = s;
            bestDate = date;
        }
    }
    return best;
}

const Clovek* firstChildOf(const Clovek& person)
{
    const Clovek* best = nullptr;
    StatDate bestDate{Datum()};
    for (const UkClovek* e : person.children.items<UkClovek>()) {
        const Clovek* c = e->person();
        if (!c || Datum::isUnknown(c->birth.year))
            continue;
        const StatDate date(c->birth);
        if (!best || isLater(bestDate, date)) {
            best = c;
            bestDate = date;
        }
    }
    return best;
}

Datum marriageEnd(const Svatba& s, const Datum& today)
{
    if (s.isDivorced())
        return s.divorce;
    if (!s.isMarried() || !s.hasBothPartners())
        return Datum();
    const bool alive1 = s.partner1->alive, alive2 = s.partner2->alive;
    if (alive1 && alive2)
        return today;
    if (!alive1 && alive2)
        return s.partner1->death;
    if (alive1 && !alive2)
        return s.partner2->death;
    return isLater(s.partner1->death, s.partner2->death) ? s.partner2->death : s.partner1->death;
}
