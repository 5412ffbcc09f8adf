#include "model/partnership_checks.h"

#include "model/clovek.h"
#include "model/svatba.h"
#include "platform/numbers.h"

namespace {

constexpr DateCheckFailure fail(const char* key, const char* text)
{
    return {key, text};
}

// A year beyond a limit; "?" and what is no number are beyond none.
bool yearAbove(const std::string& year, int limit)
{
    int value = 0;
    return tryStrToInt(year, value) && value > limit;
}

bool yearBelow(const std::string& year, int limit)
{
    int value = 0;
    return tryStrToInt(year, value) && value < limit;
}

// A death counts only for a person who is not alive.
bool afterDeath(const Datum& date, const Clovek* p)
{
    return p && !p->alive && date.isAfter(p->death);
}

bool beforeBirth(const Datum& date, const Clovek* p)
{
    return p && date.isBefore(p->birth);
}

const Clovek* partnerOf(const Clovek& person, const Svatba& s)
{
    const Clovek* other = s.otherPartner(&person);
    return other == &person ? nullptr : other;
}

} // namespace

DateCheck checkWeddingDate(const Clovek& person, const Svatba& s, const YearLimits& limits, bool yearEdited)
{
    const Datum& w = s.wedding;
    const Clovek* partner = partnerOf(person, s);
    if (beforeBirth(w, &person))
        return fail("svatbaNizsiNarozeni", "Svatební obřad by předcházel narození osoby!");
    if (yearEdited && yearAbove(w.year, limits.maxYear))
        return fail("svatbaVyssiMaximum", "Rok svatby je vyšší než nastavená horní mez!");
    if (yearEdited && yearBelow(w.year, limits.minYear))
        return fail("svatbaNizsiMinimum", "Rok svatby je nižší než nastavená dolní mez!");
    if (beforeBirth(w, partner))
        return fail("svatbaNizsiPartnerNarozeni", "Svatební obřad by předcházel narození partnera!");
    if (afterDeath(w, &person))
        return fail("svatbaVyssiSmrt2", "Svatební obřad by se uskutečnil po smrti osoby!");
    if (afterDeath(w, partner))
        return fail("svatbaVyssiPartnerSmrt", "Svatební obřad by se uskutečnil po smrti partnera!");
    if (s.isDivorced() && s.divorce.isBefore(w))
        return fail("rozvodNizsiSvatba", "Rozvod by přecházel svatební obřad!");
    return std::nullopt;
}

DateCheck checkDivorceDate(const Clovek& person, const Svatba& s, const YearLimits& limits, bool yearEdited)
{
    const Datum& d = s.divorce;
    const Clovek* partner = partnerOf(person, s);
    if (beforeBirth(d, &person))
        return fail("rozvodNizsiNarozeni", "Datum rozvodu by předcházelo narození osoby!");
    if (beforeBirth(d, partner))
        return fail("rozvodNizsiPartnerNarozeni", "Datum rozvodu by předcházelo narození partnera!");
    if (yearEdited && yearAbove(d.year, limits.maxYear))
        return fail("rozvodVyssiMaximum", "Rok rozvodu je vyšší než nastavená horní mez!");
    if (yearEdited && yearBelow(d.year, limits.minYear))
        return fail("rozvodNizsiMinimum", "Rok rozvodu je nižší než nastavená dolní mez!");
    if (afterDeath(d, &person))
        return fail("rozvodVyssiSmrt", "Rozvod by se uskutečnil po smrti osoby!");
    if (afterDeath(d, partner))
        return fail("rozvodVyssiPartnerSmrt", "Rozvod by se uskutečnil po smrti partnera!");
    if (d.isBefore(s.wedding))
        return fail("rozvodNizsiSvatba", "Rozvod by přecházel svatební obřad!");
    return std::nullopt;
}
