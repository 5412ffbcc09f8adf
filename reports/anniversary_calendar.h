#pragma once
// The anniversary calendar file: the year, a rule, then the anniversaries in month and day
// order, one block per month.
#include <string>
#include <vector>

class Prvky;

// The lines of the calendar of `year` from a list of `Vyroci` entries already in calendar order.
std::vector<std::string> calendarLines(const Prvky& anniversaries, int year);
