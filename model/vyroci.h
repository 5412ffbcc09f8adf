#pragma once
// One anniversary entry of the calendar: a complete date and its text, ordered by month and day.
#include "model/datum.h"
#include "model/prvky.h"

#include <string>

class Vyroci : public Prvek {
public:
    // The date's three parts on an otherwise unknown date (not approximate, tolerance 1).
    Vyroci(const Datum& date, std::string text);

    bool sortsBefore(const Prvek* other) const override;
    bool sortsAfter(const Prvek* other) const override;
    bool sortElements(std::vector<Prvek*>& elements) const override;

    // "(" year ")".
    std::string yearInParentheses() const;

    Datum date;
    std::string text;
};
