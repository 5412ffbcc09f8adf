#include "reports/first_name_tally.h"

#include "model/clovek.h"
#include "model/rod.h"
#include "system/prefetch.h"

#include <algorithm>
#include <unordered_map>

// Counted in the order of first appearance with a hash index, so a tree of many distinct names
// is counted in one pass instead of a walk of the list for every person.
std::vector<FirstNameCount> tallyFirstNames(const Rod& tree, bool men, bool women)
{
    std::vector<FirstNameCount> names;
    std::unordered_map<std::string_view, size_t> index;
    // The views point into the persons' names, which outlive this walk.
    for (const Clovek* p = tree.firstPerson; p; p = p->chainNext) {
        if (p->chainNext)
            ask(&p->chainNext->firstName);
        if (!((men && p->sex == 1) || (women && p->sex == 0)) || p->firstName.empty())
            continue;
        auto [it, added] = index.try_emplace(std::string_view(p->firstName), names.size());
        if (added)
            names.push_back({p->firstName, 1});
        else
            ++names[it->second].count;
    }
    std::reverse(names.begin(), names.end());
    return names;
}
