#pragma once
// The person list's birth order. Its swap test is no order within a year: a year alone cannot be
// compared with the dates of its year, so the order the rows stand in decides where the dates
// end up. That outcome is not left to a sort's whims: each birth gets a place computed from the
// rows' current order, and sorting by those places gives the bubble passes' result.
#include "model/datum.h"

#include <compare>
#include <cstdint>
#include <vector>

// Places compare as the rows will stand, the first row least; equal places keep their order.
struct BirthPlace {
    int64_t year = 0;
    int64_t block = 0; // within the year: a stretch between two years alone, or one of these
    int64_t month = 0;
    int64_t full = 0;
    int64_t day = 0;
    auto operator<=>(const BirthPlace&) const = default;
};

// The places of the births given in the rows' current order. Ascending puts the latest birth
// first, of two dates that cannot be compared the fuller one, and an unknown year last;
// descending the reverse.
std::vector<BirthPlace> birthPlaces(const std::vector<DatumKey>& births, bool ascending);
