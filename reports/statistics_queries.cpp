#include "reports/statistics_queries.h"

#include "model/clovek.h"
#include "model/date_texts.h"
#include "model/display_settings.h"
#include "model/person_prefetch.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "model/text_source.h"
#include "model/uk_clovek.h"
#include "reports/calendar_counts.h"
#include "reports/first_name_tally.h"
#include "reports/statistics_dates.h"
#include "system/numbers.h"
#include "system/prefetch.h"

#include <unordered_map>

namespace {

std::string label(TextSource& texts, const char* key, const char* defaultText)
{
    return texts.langText("statistika", key, defaultText);
}

std::string caption(const Clovek& p, const DisplaySettings& display)
{
    return p.displayName(display.showBirthSurname(), display.showBirth(), true);
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

namespace {

// Only a strictly larger (smaller) age replaces the one found, so the first met wins among equals.
struct ExtremeAges {
    AgeExtremes persons;
    int64_t oldestDead = 0, youngestDead = 0, oldestLiving = 0, youngestLiving = 0;

    void offer(const Clovek* p, int64_t age)
    {
        const Clovek*& oldest = p->alive ? persons.oldestLiving : persons.oldestDead;
        const Clovek*& youngest = p->alive ? persons.youngestLiving : persons.youngestDead;
        int64_t& oldestAge = p->alive ? oldestLiving : oldestDead;
        int64_t& youngestAge = p->alive ? youngestLiving : youngestDead;
        if (!oldest || age > oldestAge) {
            oldest = p;
            oldestAge = age;
        }
        if (!youngest || age < youngestAge) {
            youngest = p;
            youngestAge = age;
        }
    }
};

// A sum of days over the persons that gave a value; the mean truncates, -1 without any.
struct Mean {
    int64_t sum = 0, n = 0;
    void add(int64_t days)
    {
        if (days != -1) {
            sum += days;
            ++n;
        }
    }
    int64_t value() const { return n == 0 ? -1 : sum / n; }
};

struct Block {
    ExtremeAges ages;
    Mean death, wedding, child;

    BlockFigures figures() const { return {ages.persons, death.value(), wedding.value(), child.value()}; }
};

} // namespace

// One walk serves the three blocks: each person's values are computed once and go to the block
// of its sex and to the block of everybody.
void blockFigures(const Rod& tree, const StatDate& today, BlockFigures& men, BlockFigures& women,
                  BlockFigures& all)
{
    Block m, w, a;
    for (const Clovek* p = tree.firstPerson; p; p = p->chainNext) {
        prefetchPerson(p->chainNext);
        Block* own = p->sex == 1 ? &m : p->sex == 0 ? &w : nullptr;
        const int64_t age = ageInDays(*p, today);
        int64_t wedding = -1, child = -1;
        if (!Datum::isUnknown(p->birth.year)) {
            const StatDate birth(p->birth);
            if (const Svatba* s = firstWeddingOf(*p))
                wedding = daysBetween(StatDate(s->wedding), birth);
            if (const Clovek* c = firstChildOf(*p))
                child = daysBetween(StatDate(c->birth), birth);
        }
        for (Block* b : {own, &a}) {
            if (!b)
                continue;
            if (age != -1) {
                b->ages.offer(p, age);
                if (!p->alive)
                    b->death.add(age);
            }
            b->wedding.add(wedding);
            b->child.add(child);
        }
    }
    men = m.figures();
    women = w.figures();
    all = a.figures();
}

namespace {

BlockFigures figuresOf(const Rod& tree, bool men, bool women, const StatDate& today)
{
    BlockFigures m, w, a;
    blockFigures(tree, today, m, w, a);
    if (men && women)
        return a;
    if (men)
        return m;
    if (women)
        return w;
    return {};
}

const StatDate& noDay()
{
    static const StatDate unknown{Datum()};
    return unknown;
}

} // namespace

const Clovek* oldestPerson(const Rod& tree, bool men, bool women, bool living, const StatDate& today)
{
    const AgeExtremes e = figuresOf(tree, men, women, today).ages;
    return living ? e.oldestLiving : e.oldestDead;
}

const Clovek* youngestPerson(const Rod& tree, bool men, bool women, bool living, const StatDate& today)
{
    const AgeExtremes e = figuresOf(tree, men, women, today).ages;
    return living ? e.youngestLiving : e.youngestDead;
}

// The dead have no use for today; the other two means do not look at it.
int64_t meanAgeAtDeath(const Rod& tree, bool men, bool women)
{
    return figuresOf(tree, men, women, noDay()).meanAgeAtDeath;
}

int64_t meanAgeAtFirstWedding(const Rod& tree, bool men, bool women)
{
    return figuresOf(tree, men, women, noDay()).meanAgeAtFirstWedding;
}

int64_t meanAgeAtFirstChild(const Rod& tree, bool men, bool women)
{
    return figuresOf(tree, men, women, noDay()).meanAgeAtFirstChild;
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
    std::string text = label(texts, "maxPocetDetiJe", "Maximální počet dětí je") + " " + intToStr(most) +
                       ". " +
                       (holders.size() == 1 ? label(texts, "melaJeTato", "Měla je tato osoba:")
                                            : label(texts, "melyJeTyto", "Měly je tyto osoby:")) +
                       " ";
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

    // Every birth read once, in chain order: the walk below meets each child and grandchild
    // several times, and a big tree's persons lie all over memory.
    std::unordered_map<const Clovek*, StatDate> births;
    births.reserve(size_t(tree.personCount()));
    for (const Clovek* p = tree.firstPerson; p; p = p->chainNext) {
        if (p->chainNext)
            ask(&p->chainNext->birth);
        births.emplace(p, StatDate(p->birth));
    }
    auto birthOf = [&](const Clovek* p) {
        auto it = births.find(p);
        return it != births.end() ? it->second : StatDate(p->birth);
    };

    for (const Clovek* p = tree.firstPerson; p; p = p->chainNext) {
        if (Datum::isUnknown(p->birth.year))
            continue;
        const bool woman = p->sex == 0;
        const StatDate birth(p->birth), death(p->death);
        // A parent (grandparent) counts for a descendant's birth when alive, or died after it.
        auto present = [&](const StatDate& descendantBirth) {
            return p->alive || isLater(death, descendantBirth);
        };
        for (const UkClovek* ce : p->children.items<UkClovek>()) {
            const Clovek* child = ce->person();
            if (!child)
                continue;
            const StatDate childBirth = birthOf(child);
            if (present(childBirth)) {
                const int64_t d = daysBetween(childBirth, birth);
                (woman ? youngestMother : youngestFather).offerSmaller(d, p);
                (woman ? oldestMother : oldestFather).offerLarger(d, p);
            }
            for (const UkClovek* ge : child->children.items<UkClovek>()) {
                const Clovek* grandchild = ge->person();
                if (!grandchild)
                    continue;
                const StatDate grandchildBirth = birthOf(grandchild);
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
            if (!s || !s->hasWedding() || Datum::isUnknown(s->wedding.year))
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
    auto group = [&](std::initializer_list<Line> records, const char* valueKey, const char* valueDefault) {
        bool wrote = false;
        for (const Line& l : records) {
            if (l.record.days < 0)
                continue;
            std::string who;
            if (l.record.partnership) {
                const Clovek* man = l.record.partnership->partnerOfSex(1);
                const Clovek* woman = l.record.partnership->partnerOfSex(0);
                who = (man ? caption(*man, display) : std::string()) + " & " +
                      (woman ? caption(*woman, display) : std::string());
            } else {
                who = caption(*l.record.person, display);
            }
            lines.push_back(label(texts, l.key, l.defaultText) + " " + who + "; " +
                            label(texts, valueKey, valueDefault) + " " + durationText(l.record.days, texts));
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
