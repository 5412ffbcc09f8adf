#include "model/life_checks.h"

#include "model/clovek.h"
#include "model/svatba.h"
#include "model/uk_clovek.h"
#include "system/numbers.h"

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

bool lifeTooLong(const Clovek& p, int maxAge)
{
    return p.death.daysSince(p.birth) / 365 > maxAge;
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

DateCheck checkBirthDate(const Clovek& p, const LifeLimits& limits, bool yearEdited)
{
    const Datum& b = p.birth;
    if (!p.alive && b.isAfter(p.death))
        return fail("narozeniVyssiSmrt", "Datum narození je vyšší než datum úmrtí!");
    if (!p.alive && lifeTooLong(p, limits.maxAge))
        return fail("delkaZivotaVyssiMaximum", "Délka života přesahuje nastavené maximum!");
    if (yearEdited && yearAbove(b.year, limits.maxYear))
        return fail("narozeniVyssiMaximum", "Rok narození je vyšší než nastavená horní mez!");
    if (yearEdited && yearBelow(b.year, limits.minYear))
        return fail("narozeniNizsiMinimum", "Rok narození je nižší než nastavená dolní mez!");
    const int parentMonths = 12 * limits.minParentChildAge;
    if (p.father && b.isBefore(p.father->birth.plusMonths(parentMonths)))
        return fail("narozeniVyssiOtec",
                    "Osoba by se narodila dříve než její otec, nebo již v dětství svého otce!");
    if (p.mother && b.isBefore(p.mother->birth.plusMonths(parentMonths)))
        return fail("narozeniVyssiMatka",
                    "Osoba by se narodila dříve než její matka, nebo již v dětství své matky!");
    if (p.father && !p.father->alive && b.minusMonths(9).isAfter(p.father->death) &&
        limits.fatherDeathBeforeBirth)
        return fail("smrtVyssiOtec", "Osoba by se narodila déle po smrti svého otce, než je možné!");
    if (p.mother && !p.mother->alive && b.isAfter(p.mother->death))
        return fail("smrtVyssiMatka", "Osoba by se narodila až po smrti své matky!");
    for (UkClovek* e : p.children.items<UkClovek>()) {
        const Clovek* child = e->person();
        if (!child)
            continue;
        // When both fail for one child, the child's birth is the one named.
        if (b.plusMonths(parentMonths).isAfter(child->birth))
            return fail("narozeniVyssiDiteNarozeni",
                        "Osoba by se narodila po narození některého svého dítěte "
                        "(nebo příliš krátkou dobu před tím)!");
        if (!child->alive && b.isAfter(child->death))
            return fail("narozeniVyssiDiteSmrt", "Osoba by se narodila po smrti některého ze svých dětí!");
    }
    for (UkSvatba* e : p.partnerships.items<UkSvatba>()) {
        const Svatba* s = e->partnership;
        if (!s)
            continue;
        if (s->hasWedding() && s->wedding.isBefore(b))
            return fail("narozeniVyssiSvatba", "Alespoň jedna ze svateb by předcházela narození.");
        if (s->isDivorced() && s->divorce.isBefore(b))
            return fail("narozeniVyssiRozvod", "Alespoň jeden z rozvodů by předcházel narození.");
    }
    return std::nullopt;
}

DateCheck checkDeathDate(const Clovek& p, const LifeLimits& limits, bool yearEdited)
{
    const Datum& d = p.death;
    if (p.birth.isAfter(d))
        return fail("narozeniVyssiSmrt", "Datum narození je vyšší než datum úmrtí!");
    for (UkSvatba* e : p.partnerships.items<UkSvatba>())
        if (e->partnership && e->partnership->wedding.isAfter(d))
            return fail("svatbaVyssiSmrt", "Datum alespoň jedné svatby je pozdější než datum úmrtí!");
    if (lifeTooLong(p, limits.maxAge))
        return fail("delkaZivotVyssiMaximum", "Délka života přesahuje nastavené maximum!");
    if (yearEdited && yearAbove(d.year, limits.maxYear))
        return fail("smrtVyssiMaximum", "Rok úmrtí je vyšší než nastavená horní mez!");
    if (yearEdited && yearBelow(d.year, limits.minYear))
        return fail("smrtNizsiMinimum", "Rok úmrtí je nižší než nastavená dolní mez!");
    if (p.father && d.isBefore(p.father->birth))
        return fail("smrtNizsiOtecNarozeni", "Osoba by zemřela dříve než se její otec narodil!");
    if (p.mother && d.isBefore(p.mother->birth))
        return fail("smrtNizsiMatkaNarozeni", "Osoba by zemřela dříve než se její matka narodila!");
    for (UkClovek* e : p.children.items<UkClovek>()) {
        const Clovek* child = e->person();
        if (!child)
            continue;
        if (p.sex == 1 && limits.fatherDeathBeforeBirth && d.plusMonths(9).isBefore(child->birth))
            return fail("smrtNizsiDiteNarozeni",
                        "Osoba by zemřela dříve, než se narodilo některé z jejích dětí "
                        "(nebo příliš brzo před tím)!");
        if (p.sex == 0 && d.isBefore(child->birth))
            return fail("smrtNizsiDiteNarozeni2",
                        "Osoba by zemřela dříve, než se narodilo některé z jejích dětí!");
    }
    for (UkSvatba* e : p.partnerships.items<UkSvatba>()) {
        const Svatba* s = e->partnership;
        if (!s)
            continue;
        if (s->wedding.isAfter(d))
            return fail("svatbaVyssiSmrt", "Alespoň jedna ze svateb by se uskutečnila po smrti osoby.");
        if (s->divorce.isAfter(d))
            return fail("rozvodVyssiSmrt", "Alespoň jeden z rozvodů by se uskutečnil po smrti osoby.");
    }
    return std::nullopt;
}

DateCheck checkWeddingDate(const Clovek& person, const Svatba& s, const LifeLimits& limits, bool yearEdited)
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

DateCheck checkDivorceDate(const Clovek& person, const Svatba& s, const LifeLimits& limits, bool yearEdited)
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
