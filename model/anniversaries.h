#pragma once
// Which anniversaries the anniversary calendar takes: the five ticks of its dialog, read by the
// calendar command and handed to `Rod::collectCalendarAnniversaries`.
struct CalendarChoices {
    bool birthdaysOfLiving = false; // narozZijCH
    bool birthsOfDead = false; // narozZesCH
    bool deaths = false; // umrtiCH
    bool weddingsOfLiving = false; // svatbaZijCH: both partners alive
    bool weddingsWithDeadPartner = false; // svatbaZesCH: at least one partner dead
};
