#include "reports/anniversary_calendar.h"

#include "model/vyroci.h"

std::vector<std::string> calendarLines(const Prvky& anniversaries, int year)
{
    std::vector<std::string> lines{" " + std::to_string(year), "=======", ""};
    // No blank line stands before a calendar that opens in January.
    std::string month = "1";
    for (Vyroci* e : anniversaries.items<Vyroci>()) {
        if (e->date.month != month) {
            lines.emplace_back();
            month = e->date.month;
        }
        lines.push_back(e->date.dayMonthText() + " " + e->text + " " + e->yearInParentheses());
    }
    return lines;
}
