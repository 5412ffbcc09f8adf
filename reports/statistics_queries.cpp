#include "reports/statistics_queries.h"

#include "model/clovek.h"
#include "model/date_texts.h"
#include "model/display_settings.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "model/text_source.h"
#include "model/uk_clovek.h"
#include "platform/numbers.h"
#include "reports/calendar_counts.h"
#include "reports/first_name_tally.h"
#include "reports/statistics_dates.h"

namespace {

bool selected(const Clovek& p, bool men, bool women)
{
    return (men && p.sex == 1) || (women && p.sex == 0);
}

std::string label(TextSource& texts, const char* key, const char* defaultText)
{
    return texts.langText("statistika", key, defaultText);
}

std::string caption(const Clovek& p, const DisplaySettings& display)
{
    return p.displayName(display.showBirthSurname(), display.showBirth(), true);
}

// The sum of the values a person gives (-1: none) over the number of persons who gave one.
template <class Value>
int64_t mean(const Rod& tree, bool men, bool women, Value value)
{
    int64_t sum = 0, n = 0;
    for (const Clovek* p = tree.firstPerson; p; p = p->chainNext) {
        if (!selected(*p, men, women))
            continue;
        bool gives = false;
        const int64_t v = value(*p, gives);
        if (gives) {
            sum += v;
            ++n;
        }
    }
    return n == 0 ? -1 : sum / n;
}

// The place of the largest (smallest) count, January or Monday first, with the number of places
// sharing it.
struct Extreme {
    int value;
    int ties;
};

Extreme extremeOf(const int* counts, int n, bool largest)
{
    Extreme e{counts[0], 1};
    for (int i = 1; i < n; ++i) {
        if (largest ? counts[i] > e.value : counts[i] < e.value)
            e = {counts[i], 1};
        else if (counts[i] == e.value)
            ++e.ties;
    }
    return e;
}

std::string calendarLine(const std::string& text, const int* counts, int n, int value, TextSource& texts)
{
    std::string line = text + " ";
    bool first = true;
    for (int i = 0; i < n; ++i)
        if (counts[i] == value) {
            if (!first)
                line += ", ";
            line += n == 12 ? monthInText(i + 1, texts) : weekdayInText(i + 1, texts);
            first = false;
        }
    return line + " (" + intToStr(value) + ").";
}

// One record of the family records: a value in days (-1 while none) and who holds it.
struct Record {
    int64_t days = -1;
    const Clovek* person = nullptr;
    const Svatba* partnership = nullptr;

    void offerSmaller(int64_t d, const Clovek* p, const Svatba* s = nullptr)
    {
        if (d != -1 && (days == -1 || d < days))
            *this = {d, p, s};
    }
    void offerLarger(int64_t d, const Clovek* p, const Svatba* s = nullptr)
    {
        if (d > days)
            *this = {d, p, s};
    }
};

} // namespace

// Only a strictly larger (smaller) age replaces the one found, so the first met wins among equals.
AgeExtremes ageExtremes(const Rod& tree, bool men, bool women, const StatDate& today)
{
    AgeExtremes e;
    int64_t oldestDead = 0, youngestDead = 0, oldestLiving = 0, youngestLiving = 0;
    auto offer = [](const Clovek* p, int64_t age, const Clovek*& oldest, int64_t& oldestAge, const Clovek*& youngest,
                    int64_t& youngestAge) {
        if (!oldest || age > oldestAge) {
            oldest = p;
            oldestAge = age;
        }
        if (!youngest || age < youngestAge) {
            youngest = p;
            youngestAge = age;
        }
    };
    for (const Clovek* p = tree.firstPerson; p; p = p->chainNext) {
        if (!selected(*p, men, women))
            continue;
        const int64_t age = ageInDays(*p, today);
        if (age == -1)
            continue;
        if (p->alive)
            offer(p, age, e.oldestLiving, oldestLiving, e.youngestLiving, youngestLiving);
        else
            offer(p, age, e.oldestDead, oldestDead, e.youngestDead, youngestDead);
    }
    return e;
}

const Clovek* oldestPerson(const Rod& tree, bool men, bool women, bool living, const StatDate& today)
{
    const AgeExtremes e = ageExtremes(tree, men, women, today);
    return living ? e.oldestLiving : e.oldestDead;
}

const Clovek* youngestPerson(const Rod& tree, bool men, bool women, bool living, const StatDate& today)
{
    const AgeExtremes e = ageExtremes(tree, men, women, today);
    return living ? e.youngestLiving : e.youngestDead;
}

int64_t meanAgeAtDeath(const Rod& tree, bool men, bool women)
{
    const StatDate unused{Datum()};
    return mean(tree, men, women, [&](const Clovek& p, bool& gives) {
        const int64_t age = p.alive ? -1 : ageInDays(p, unused);
        gives = age != -1;
        return age;
    });
}

int64_t meanAgeAtFirstWedding(const Rod& tree, bool men, bool women)
{
    return mean(tree, men, women, [](const Clovek& p, bool& gives) -> int64_t {
        if (Datum::isUnknown(p.birth.year))
            return 0;
        const Svatba* s = firstWeddingOf(p);
        const int64_t d = s ? daysBetween(s->wedding, p.birth) : -1;
        gives = d != -1;
        return d;
    });
}

int64_t meanAgeAtFirstChild(const Rod& tree, bool men, bool women)
{
    return mean(tree, men, women, [](const Clovek& p, bool& gives) -> int64_t {
        if (Datum::isUnknown(p.birth.year))
            return 0;
        const Clovek* c = firstChildOf(p);
        const int64_t d = c ? daysBetween(c->birth, p.birth) : -1;
        gives = d != -1;
        return d;
    });
}

std::string commonestFirstName(const Rod& tree, bool men, bool women, TextSource& texts)
{
    const std::vector<FirstNameCount> names = tallyFirstNames(tree, men, women);
    if (names.empty())
        return texts.langText("ruzne", "nelzeUrcit", "(nelze určit)");
    const FirstNameCount* best = &names.front();
    for (const FirstNameCount& n : names)
        if (n.count > best->count)
            best = &n;
    return best->name + " (" + intToStr(best->count) + "x)";
}

std::string mostChildrenText(const Rod& tree, TextSource& texts, const DisplaySettings& display)
{
    int most = 0;
    for (const Clovek* p = tree.firstPerson; p; p = p->chainNext)
        most = std::max(most, p->children.count());
    if (most == 0)
        return label(texts, "maxPocetDetiNelze", "Maximální počet dětí nelze určit, nikdo neměl žádné dítě.");
    std::vector<const Clovek*> holders;
    for (const Clovek* p = tree.firstPerson; p; p = p->chainNext)
        if (p->children.count() == most)
            holders.push_back(p);
    std::string text = label(texts, "maxPocetDetiJe", "Maximální počet dětí je") + " " + intToStr(most) + ". "
        + (holders.size() == 1 ? label(texts, "melaJeTato", "Měla je tato osoba:")
                               : label(texts, "melyJeTyto", "Měly je tyto osoby:"))
        + " ";
    for (size_t i = 0; i < holders.size(); ++i) {
        if (i > 0)
            text += "; ";
        text += caption(*holders[i], display);
    }
    return text + ".";
}

void writeCalendarExtremes(const Rod& tree, std::vector<std::string>& lines, TextSource& texts)
{
    const CalendarCounts c = countCalendar(tree);
    struct Row {
        const char* key;
        const char* defaultText;
        const int* counts;
        int n;
        bool largest;
    };
    const Row rows[] = {
        {"nejviceSeNarodilo", "Nejvíce lidí se narodilo", c.birthsByMonth, 12, true},
        {"nejviceSeNarodilo", "Nejvíce lidí se narodilo", c.birthsByWeekday, 7, true},
        {"nejmeneSeNarodilo", "Nejméně lidí se narodilo", c.birthsByMonth, 12, false},
        {"nejmeneSeNarodilo", "Nejméně lidí se narodilo", c.birthsByWeekday, 7, false},
        {"nejviceZemrelo", "Nejvíce lidí zemřelo", c.deathsByMonth, 12, true},
        {"nejviceZemrelo", "Nejvíce lidí zemřelo", c.deathsByWeekday, 7, true},
        {"nejmeneZemrelo", "Nejméně lidí zemřelo", c.deathsByMonth, 12, false},
        {"nejmeneZemrelo", "Nejméně lidí zemřelo", c.deathsByWeekday, 7, false},
        {"nejviceSvateb", "Nejvíce svateb bylo", c.weddingsByMonth, 12, true},
        {"nejviceSvateb", "Nejvíce svateb bylo", c.weddingsByWeekday, 7, true},
        {"nejmeneSvateb", "Nejméně svateb bylo", c.weddingsByMonth, 12, false},
        {"nejmeneSvateb", "Nejméně svateb bylo", c.weddingsByWeekday, 7, false},
    };
    for (const Row& r : rows) {
        const Extreme e = extremeOf(r.counts, r.n, r.largest);
        // The most needs a count above 0; the fewest is no news when every place shares it.
        if (r.largest ? e.value > 0 : e.ties < r.n)
            lines.push_back(calendarLine(label(texts, r.key, r.defaultText), r.counts, r.n, e.value, texts));
    }
    lines.emplace_back();
}

void writeFamilyRecords(const Rod& tree, std::vector<std::string>& lines, TextSource& texts,
                        const DisplaySettings& display, const Datum& today)
{
    Record youngestMother, youngestFather, oldestMother, oldestFather;
    Record youngestGrandmother, youngestGrandfather, oldestGrandmother, oldestGrandfather;
    Record youngestBride, youngestGroom, oldestBride, oldestGroom;
    Record shortestMarriage, longestMarriage;

    for (const Clovek* p = tree.firstPerson; p; p = p->chainNext) {
        if (Datum::isUnknown(p->birth.year))
            continue;
        const bool woman = p->sex == 0;
        const StatDate birth(p->birth), death(p->death);
        // A parent (grandparent) counts for a descendant's birth when alive, or died after it.
        auto present = [&](const StatDate& descendantBirth) { return p->alive || isLater(death, descendantBirth); };
        for (const UkClovek* ce : p->children.items<UkClovek>()) {
            const Clovek* child = ce->person();
            if (!child)
                continue;
            const StatDate childBirth(child->birth);
            if (present(childBirth)) {
                const int64_t d = daysBetween(childBirth, birth);
                (woman ? youngestMother : youngestFather).offerSmaller(d, p);
                (woman ? oldestMother : oldestFather).offerLarger(d, p);
            }
            for (const UkClovek* ge : child->children.items<UkClovek>()) {
                const Clovek* grandchild = ge->person();
                if (!grandchild)
                    continue;
                const StatDate grandchildBirth(grandchild->birth);
                if (!present(grandchildBirth))
                    continue;
                const int64_t d = daysBetween(grandchildBirth, birth);
                (woman ? youngestGrandmother : youngestGrandfather).offerSmaller(d, p);
                (woman ? oldestGrandmother : oldestGrandfather).offerLarger(d, p);
            }
        }
    }

    for (const Clovek* p = tree.firstPerson; p; p = p->chainNext)
        for (const UkSvatba* e : p->partnerships.items<UkSvatba>()) {
            const Svatba* s = e->partnership;
            if (!s || (s->type != 1 && s->type != 2) || Datum::isUnknown(s->wedding.year))
                continue;
            if (const Clovek* bride = s->partnerOfSex(0)) {
                const int64_t d = daysBetween(s->wedding, bride->birth);
                youngestBride.offerSmaller(d, bride);
                oldestBride.offerLarger(d, bride);
            }
            if (const Clovek* groom = s->partnerOfSex(1)) {
                const int64_t d = daysBetween(s->wedding, groom->birth);
                youngestGroom.offerSmaller(d, groom);
                oldestGroom.offerLarger(d, groom);
            }
            const int64_t length = daysBetween(marriageEnd(*s, today), s->wedding);
            shortestMarriage.offerSmaller(length, nullptr, s);
            longestMarriage.offerLarger(length, nullptr, s);
        }

    struct Line {
        const Record& record;
        const char* key;
        const char* defaultText;
    };
    auto group = [&](std::initializer_list<Line> group, const char* valueKey, const char* valueDefault) {
        bool wrote = false;
        for (const Line& l : group) {
            if (l.record.days < 0)
                continue;
            std::string who;
            if (l.record.partnership) {
                const Clovek* man = l.record.partnership->partnerOfSex(1);
                const Clovek* woman = l.record.partnership->partnerOfSex(0);
                who = (man ? caption(*man, display) : std::string()) + " & "
                    + (woman ? caption(*woman, display) : std::string());
            } else {
                who = caption(*l.record.person, display);
            }
            lines.push_back(label(texts, l.key, l.defaultText) + " " + who + "; "
                            + label(texts, valueKey, valueDefault) + " " + durationText(l.record.days, texts));
            wrote = true;
        }
        if (wrote)
            lines.emplace_back();
    };
    group({{youngestBride, "nejmladsiNevesta", "Nejmladší nevěsta:"},
           {youngestGroom, "nejmladsiZenich", "Nejmladší ženich:"},
           {oldestBride, "nejstarsiNevesta", "Nejstarší nevěsta:"},
           {oldestGroom, "nejstarsiZenich", "Nejstarší ženich:"}},
          "vekPriSvatbe", "věk při svatbě:");
    group({{youngestMother, "nejmladsiMatka", "Nejmladší matka:"},
           {youngestFather, "nejmladsiOtec", "Nejmladší otec:"},
           {oldestMother, "nejstarsiMatka", "Nejstarší matka:"},
           {oldestFather, "nejstarsiOtec", "Nejstarší otec:"}},
          "vekPriDiteti", "věk při narození dítěte:");
    group({{youngestGrandmother, "nejmladsiBabicka", "Nejmladší babička:"},
           {youngestGrandfather, "nejmladsiDeda", "Nejmladší děda:"},
           {oldestGrandmother, "nejstarsiBabicka", "Nejstarší babička:"},
           {oldestGrandfather, "nejstarsiDeda", "Nejstarší děda:"}},
          "vekPriVnouceti", "věk při narození vnoučete:");
    group({{shortestMarriage, "nejkratsiManzelstvi", "Nejkratší manželství:"},
           {longestMarriage, "nejdelsiManzelstvi", "Nejdelší manželství:"}},
          "delkaManzelstvi", "délka manželství:");
}
