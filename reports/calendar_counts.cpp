#include "reports/calendar_counts.h"

#include "model/clovek.h"
#include "model/person_prefetch.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "reports/statistics_dates.h"

namespace {

void count(const Datum& date, int* byMonth, int* byWeekday)
{
    if (int m = calendarMonth(date))
        ++byMonth[m - 1];
    if (int w = calendarWeekday(date))
        ++byWeekday[w - 1];
}

} // namespace

CalendarCounts countCalendar(const Rod& tree)
{
    CalendarCounts c;
    for (const Clovek* p = tree.firstPerson; p; p = p->chainNext) {
        prefetchPerson(p->chainNext);
        count(p->birth, c.birthsByMonth, c.birthsByWeekday);
        if (!p->alive)
            count(p->death, c.deathsByMonth, c.deathsByWeekday);
        for (const UkSvatba* e : p->partnerships.items<UkSvatba>())
            if (e->partnership && e->partnership->hasWedding())
                count(e->partnership->wedding, c.weddingsByMonth, c.weddingsByWeekday);
    }
    return c;
}
