#include "shell/person_search.h"

#include "model/casove_obdobi.h"
#include "model/clovek.h"
#include "model/datum.h"
#include "model/path_utils.h"
#include "model/rod.h"
#include "model/svatba.h"
#include "system/datetime.h"
#include "system/numbers.h"
#include "system/text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

namespace {

// The folded bytes of each one- and two-byte character, made once by the rule itself: searching
// a big tree folds every character of every searched field.
class FoldTable {
public:
    struct Folded {
        uint8_t length = 0;
        char bytes[7] = {};
    };
    FoldTable()
    {
        for (char32_t c = 0; c < size; ++c) {
            std::string one;
            appendUtf8(one, c);
            one = asciiLowerText(one);
            if (one.size() > sizeof(Folded::bytes))
                one = std::string(1, '?');
            folded_[c].length = uint8_t(one.size());
            one.copy(folded_[c].bytes, one.size());
        }
    }
    static constexpr char32_t size = 0x800;
    const Folded& operator[](char32_t c) const { return folded_[c]; }

private:
    std::array<Folded, size> folded_;
};

const FoldTable& foldTable()
{
    static const FoldTable table;
    return table;
}

bool isMarriage(const Svatba* s)
{
    return s && (s->isMarried() || s->isDivorced());
}

// The first and the last day a date may stand for: its known parts, the rest of the year or the
// month filled in. A day is told only within its month.
Datum firstPossibleDay(const Datum& d)
{
    const bool monthKnown = !Datum::isUnknown(d.month);
    return Datum(monthKnown && !Datum::isUnknown(d.day) ? d.day.str() : "1", monthKnown ? d.month.str() : "1",
                 d.year);
}

Datum lastPossibleDay(const Datum& d)
{
    if (Datum::isUnknown(d.month))
        return Datum("31", "12", d.year);
    if (!Datum::isUnknown(d.day))
        return d;
    int y = 0, m = 0;
    // Only dates the calendar has come here (`isSearchableDate`); a year unknown is any year.
    const int last = tryStrToInt(d.year, y) && tryStrToInt(d.month, m) ? daysInMonth(y, m) : 31;
    return Datum(intToStr(last), d.month, d.year);
}

template<SparseList Clovek::*periods> void appendPeriods(std::string& out, const Clovek* p)
{
    for (const CasoveObdobi* e : (p->*periods).template items<CasoveObdobi>())
        appendSearchFolded(out, e->text);
}

} // namespace

void appendSearchFolded(std::string& out, std::string_view text)
{
    const FoldTable& table = foldTable();
    out.reserve(out.size() + text.size());
    size_t pos = 0;
    while (pos < text.size()) {
        unsigned char byte = static_cast<unsigned char>(text[pos]);
        if (byte < 0x80) {
            out.push_back(char(byte >= 'A' && byte <= 'Z' ? byte + 32 : byte));
            ++pos;
            continue;
        }
        size_t start = pos;
        char32_t c = nextCodePoint(text, pos);
        if (c < FoldTable::size) {
            const FoldTable::Folded& f = table[c];
            out.append(f.bytes, f.length);
        } else {
            out += asciiLowerText(text.substr(start, pos - start));
        }
    }
}

std::vector<Clovek*> findPersonsByText(const Rod& tree, std::string_view needle, const TextSearchFields& f)
{
    std::vector<Clovek*> found;
    const std::string sought = asciiLowerText(needle);
    if (sought.empty())
        return found;
    // The person's own fields in the order they are joined; the titles are one text of two.
    const std::pair<bool, PersonTextField> own[] = {
        {f.firstName, &Clovek::firstName},       {f.surname, &Clovek::surname},
        {f.birthSurname, &Clovek::birthSurname}, {f.titles, &Clovek::titlesBefore},
        {f.titles, &Clovek::titlesAfter},        {f.birthPlace, &Clovek::birthPlace},
        {f.deathPlace, &Clovek::deathPlace},     {f.burialPlace, &Clovek::burial},
        {f.deathCause, &Clovek::deathCause}};
    std::string text;
    tree.forEachPerson([&](Clovek* p) {
        text.clear();
        for (const auto& [chosen, field] : own)
            if (chosen)
                appendSearchFolded(text, field.of(*p));
        if (f.weddingPlace || f.officiant || f.witnesses)
            for (const UkSvatba* e : p->partnerships.items<UkSvatba>()) {
                const Svatba* s = e->partnership;
                if (!isMarriage(s))
                    continue;
                if (f.weddingPlace)
                    appendSearchFolded(text, s->place);
                if (f.officiant)
                    appendSearchFolded(text, s->officiant);
                if (f.witnesses)
                    appendSearchFolded(text, s->witnesses);
            }
        if (f.residences)
            appendPeriods<&Clovek::residences>(text, p);
        if (f.educations)
            appendPeriods<&Clovek::educations>(text, p);
        if (f.occupations)
            appendPeriods<&Clovek::occupations>(text, p);
        if (text.find(sought) != std::string::npos)
            found.push_back(p);
    });
    return found;
}

std::vector<Clovek*> findPersonsByDate(const Rod& tree, const Datum& first, const Datum& second,
                                       DateSearchMode mode, const DateSearchFields& f)
{
    std::vector<Clovek*> found;
    auto matches = [&](const Datum& d) {
        if (!isSearchableDate(d))
            return false;
        // A date known in part matches wherever every day it may stand for does: its first day
        // is not before the start, its last day not after the end.
        switch (mode) {
        case DateSearchMode::exact:
            return d.equals(first);
        case DateSearchMode::range:
            return first.isNotAfter(firstPossibleDay(d)) && second.isNotBefore(lastPossibleDay(d));
        case DateSearchMode::from:
            return first.isNotAfter(firstPossibleDay(d));
        case DateSearchMode::until:
            return first.isNotBefore(lastPossibleDay(d));
        }
        return false;
    };
    tree.forEachPerson([&](Clovek* p) {
        bool hit = (f.birth && matches(p->birth)) || (f.death && p->alive == 0 && matches(p->death));
        if (!hit && (f.wedding || f.divorce))
            for (const UkSvatba* e : p->partnerships.items<UkSvatba>()) {
                const Svatba* s = e->partnership;
                if (!isMarriage(s))
                    continue;
                if ((f.wedding && matches(s->wedding)) ||
                    (f.divorce && s->isDivorced() && matches(s->divorce))) {
                    hit = true;
                    break;
                }
            }
        if (hit)
            found.push_back(p);
    });
    return found;
}
