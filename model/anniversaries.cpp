// Anniversaries of births, deaths and weddings: the anniversaries window, the messages after a
// tree is opened and the entries of the anniversary calendar.
#include "model/anniversaries.h"

#include "model/clovek.h"
#include "model/datum.h"
#include "model/display_settings.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "model/text_source.h"
#include "model/vyroci.h"
#include "system/numbers.h"
#include "system/stringlist.h"

namespace {

// Names persons and couples as the lines of one search show them.
class Namer {
public:
    Namer(const DisplaySettings& settings, bool showIdentifier)
        : birthSurname_(settings.showBirthSurname()),
          birthYear_(settings.showBirth()),
          identifier_(showIdentifier)
    {
    }
    std::string person(const Clovek* p) const
    {
        return p ? p->displayName(birthSurname_, birthYear_, identifier_) : std::string();
    }
    // The man first, then the woman.
    std::string couple(const Svatba* s) const
    {
        return person(s->partnerOfSex(1)) + " & " + person(s->partnerOfSex(0));
    }

private:
    bool birthSurname_, birthYear_, identifier_;
};

struct Labels {
    std::string birth, death, wedding;
};

Labels anniversaryLabels(TextSource& texts)
{
    return {texts.langText("vyroci", "vyrociNarozeni", "výročí narození"),
            texts.langText("vyroci", "vyrociUmrti", "výročí úmrtí"),
            texts.langText("vyroci", "vyrociSvatby", "výročí svatby")};
}

int yearsBetween(const Datum& reference, const Datum& event)
{
    return strToInt(reference.year) - strToInt(event.year);
}

std::string sameDayLine(const std::string& name, int years, const std::string& label)
{
    return name + " - " + intToStr(years) + ". " + label;
}

// The day of the month on which the event's anniversary falls in the year of `reference`: a
// 29 February is kept on 28 February in a year without that day.
const std::string& anniversaryDay(const Datum& reference, const Datum& event)
{
    static const std::string lastOfFebruary = "28";
    if (event.day == "29" && event.month == "2" && !isLeapYear(reference))
        return lastOfFebruary;
    return event.day;
}

// The same day of an earlier year. The texts are compared first: most events fail there, and a
// walk over a big tree should not read every date as numbers.
bool fallsOnDay(const Datum& reference, const Datum& event)
{
    return reference.month == event.month && reference.day == anniversaryDay(reference, event) &&
           isSearchableDate(event) && reference.isAfter(event);
}

// Calls `f` for each partnership of the person not met before through its other partner; the
// walk cleared every flag first.
template<class F> void forEachPartnershipOnce(const Clovek* p, F f)
{
    for (UkSvatba* e : p->partnerships.items<UkSvatba>()) {
        Svatba* s = e->partnership;
        if (!s || s->visited)
            continue;
        s->visited = 1;
        f(s);
    }
}

} // namespace

void Rod::listAnniversaries(TDateTime reference, bool sameDay, TStringList& list, TextSource& texts,
                            const DisplaySettings& settings)
{
    list.Clear();
    setAllPartnershipFlags(0);
    const Labels labels = anniversaryLabels(texts);
    const Namer namer(settings, true);
    // One working date for the whole walk: in month mode it takes the day of each event listed,
    // and that day takes part in the comparisons that follow.
    Datum w(reference);
    std::vector<std::string> lines;

    // `name` is called only for an event that is listed.
    auto consider = [&](const Datum& event, auto name, const std::string& label) {
        if (sameDay) {
            if (fallsOnDay(w, event))
                lines.push_back(sameDayLine(name(), yearsBetween(w, event), label));
            return;
        }
        if (w.month != event.month || !isSearchableDate(event) || !w.isAfter(event))
            return;
        w.day = anniversaryDay(w, event);
        std::string line = sameDayLine(name(), yearsBetween(w, event), label);
        if (!Datum::isUnknown(w.day))
            line = (strToInt(w.day) <= 9 ? "0" : "") + w.longText(texts) + ": " + line;
        lines.push_back(std::move(line));
    };

    forEachPerson([&](Clovek* p) {
        auto person = [&] { return namer.person(p); };
        consider(p->birth, person, labels.birth);
        if (p->alive == 0)
            consider(p->death, person, labels.death);
        forEachPartnershipOnce(p, [&](Svatba* s) {
            if (s->hasWedding())
                consider(
                    s->wedding, [&] { return namer.couple(s); }, labels.wedding);
        });
    });

    bool sorted = list.Sorted();
    list.setSorted(false);
    for (const std::string& line : lines)
        list.Add(line);
    list.setSorted(sorted);
}

std::vector<std::string> Rod::todaysAnniversaries(TDateTime now, TextSource& texts,
                                                  const DisplaySettings& settings)
{
    setAllPartnershipFlags(0);
    const Labels labels = anniversaryLabels(texts);
    const Namer namer(settings, true);
    const Datum today(now);
    std::vector<std::string> lines;
    auto consider = [&](const Datum& event, auto name, const std::string& label) {
        if (fallsOnDay(today, event))
            lines.push_back(sameDayLine(name(), yearsBetween(today, event), label));
    };
    forEachPerson([&](Clovek* p) {
        auto person = [&] { return namer.person(p); };
        consider(p->birth, person, labels.birth);
        consider(p->death, person, labels.death);
        forEachPartnershipOnce(p, [&](Svatba* s) {
            if (s->hasWedding())
                consider(
                    s->wedding, [&] { return namer.couple(s); }, labels.wedding);
        });
    });
    return lines;
}

void Rod::collectCalendarAnniversaries(Prvky& out, const CalendarChoices& choices, TDateTime now,
                                       TextSource& texts, const DisplaySettings& settings, bool showNumber)
{
    setAllPartnershipFlags(0);
    const Datum today(now);
    const Namer namer(settings, showNumber);
    const std::string birthday = texts.langText("kalendar", "narozeniny", "narozeniny");
    const std::string birth = texts.langText("kalendar", "vyrociNarozeni", "výročí narození");
    const std::string death = texts.langText("kalendar", "vyrociUmrti", "výročí úmrtí");
    const std::string wedding = texts.langText("kalendar", "vyrociSvatby", "výročí svatby");

    auto entryFor = [&](const Datum& event) { return event.isComplete() && isSearchableDate(event); };
    auto append = [&](const Datum& event, const std::string& name, const std::string& label,
                      const char* mark) {
        // The entry stands on the day the anniversary falls this year; its year stays the event's.
        Datum onDay;
        onDay.assign(event);
        onDay.day = anniversaryDay(today, event);
        out.append(std::make_unique<Vyroci>(onDay, name + "; " + intToStr(yearsBetween(today, event)) + ". " +
                                                       label + mark));
    };

    forEachPerson([&](Clovek* p) {
        bool dead = p->alive == 0;
        if (entryFor(p->birth)) {
            if (!dead && choices.birthdaysOfLiving)
                append(p->birth, namer.person(p), birthday, "");
            if (dead && choices.birthsOfDead)
                append(p->birth, namer.person(p), birth, "");
        }
        if (dead && choices.deaths && entryFor(p->death))
            append(p->death, namer.person(p), death, "");
        forEachPartnershipOnce(p, [&](Svatba* s) {
            if (!entryFor(s->wedding))
                return;
            bool bothAlive = s->partner1 && s->partner1->alive != 0 && s->partner2 && s->partner2->alive != 0;
            // A divorced couple has no wedding anniversary to keep, even while both live.
            if (bothAlive && !s->isDivorced() && choices.weddingsOfLiving)
                append(s->wedding, namer.couple(s), wedding, "");
            if (!bothAlive && choices.weddingsWithDeadPartner)
                append(s->wedding, namer.couple(s), wedding, " †");
        });
    });
}
