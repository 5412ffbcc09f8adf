// The month calendar.
#include "toolkit/qt/qt_bindings.h"

#include "system/datetime.h"
#include "toolkit/commonctrls.h"
#include "toolkit/useractions.h"

#include <QCalendarWidget>
#include <QDate>
#include <QLocale>

#include <algorithm>
#include <optional>

namespace {

class CalendarBinding : public Binding {
public:
    CalendarBinding(QtRenderer::Impl& renderer, TMonthCalendar& c, QWidget* parent)
        : Binding(renderer, c, new QCalendarWidget(parent)), calendar_(c)
    {
        auto* w = static_cast<QCalendarWidget*>(widget.data());
        // Month and day names in Czech, as every other text of the program, whatever the
        // system's language.
        w->setLocale(QLocale(QLocale::Czech, QLocale::Czechia));
        w->setFirstDayOfWeek(Qt::Monday);
        QObject::connect(w, &QCalendarWidget::clicked, [this](QDate date) { pick(date); });
        // Turning the month with the arrows or the month and year menus picks the same day of
        // the month shown (or its last day), so what follows the picked date follows the page.
        QObject::connect(w, &QCalendarWidget::currentPageChanged, [this, w](int year, int month) {
            if (syncing())
                return;
            const QDate first(year, month, 1);
            const int day = std::min(w->selectedDate().day(), first.daysInMonth());
            pick(QDate(year, month, day));
        });
    }
    void sync() override
    {
        syncCommon();
        int y = 0, m = 0, d = 0;
        decodeDate(calendar_.Date(), y, m, d);
        auto* w = static_cast<QCalendarWidget*>(widget.data());
        const QDate date(y, m, d);
        if (date.isValid() && w->selectedDate() != date)
            w->setSelectedDate(date);
    }

private:
    void pick(QDate date)
    {
        if (syncing() || !date.isValid())
            return;
        if (const std::optional<TDateTime> picked = encoded(date))
            user::pickDate(calendar_, *picked);
        this->r.afterDispatch();
    }
    // Kept out of pick: an optimised build otherwise takes the date handed on by value for the
    // address of a local that the connected slot outlives.
    static std::optional<TDateTime> encoded(QDate date)
    {
        TDateTime value = 0;
        if (!tryEncodeDate(date.year(), date.month(), date.day(), value))
            return std::nullopt;
        return value;
    }
    TMonthCalendar& calendar_;
};

} // namespace

std::unique_ptr<Binding> makeCalendarBinding(QtRenderer::Impl& renderer, TMonthCalendar& c, QWidget* parent)
{
    return std::make_unique<CalendarBinding>(renderer, c, parent);
}
