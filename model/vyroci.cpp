#include "model/vyroci.h"

#include "system/numbers.h"

#include <algorithm>

Vyroci::Vyroci(const Datum& d, std::string t) : text(std::move(t))
{
    date.assign(d);
}

bool Vyroci::sortsBefore(const Prvek* other) const
{
    const Datum& o = static_cast<const Vyroci*>(other)->date;
    int m = strToInt(date.month), om = strToInt(o.month);
    if (m != om)
        return m < om;
    return strToInt(date.day) < strToInt(o.day);
}

bool Vyroci::sortsAfter(const Prvek* other) const
{
    const Datum& o = static_cast<const Vyroci*>(other)->date;
    int m = strToInt(date.month), om = strToInt(o.month);
    if (m != om)
        return m > om;
    return strToInt(date.day) > strToInt(o.day);
}

bool Vyroci::sortElements(std::vector<Prvek*>& elements) const
{
    std::vector<std::pair<std::pair<int, int>, Prvek*>> keyed;
    keyed.reserve(elements.size());
    for (Prvek* e : elements) {
        const Datum& d = static_cast<const Vyroci*>(e)->date;
        int m, day;
        if (!tryStrToInt(d.month, m) || !tryStrToInt(d.day, day))
            return false;
        keyed.push_back({{m, day}, e});
    }
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 0; i < keyed.size(); ++i)
        elements[i] = keyed[i].second;
    return true;
}

std::string Vyroci::yearInParentheses() const
{
    return "(" + date.year + ")";
}
