#pragma once
// Births, deaths and weddings of a tree by calendar month and by weekday. A month part outside
// 1..12 and a complete date that is no calendar day are not counted anywhere.
class Rod;

struct CalendarCounts {
    // Index 0 is January (Monday).
    int birthsByMonth[12] = {};
    int deathsByMonth[12] = {};
    int weddingsByMonth[12] = {};
    int birthsByWeekday[7] = {};
    int deathsByWeekday[7] = {};
    int weddingsByWeekday[7] = {};
};

// One pass over the person chain: a birth with a known month (weekday: a complete date), a dead
// person's death likewise, and every married or divorced partnership of the person's list with
// its wedding. A partnership of two persons of the tree is met, and counted, from each of them.
CalendarCounts countCalendar(const Rod& tree);
