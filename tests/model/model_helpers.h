#pragma once
// Small builders shared by the model tests.
#include "model/clovek.h"
#include "model/datum.h"
#include "model/person_builders.h"

#include <random>
#include <string>

// What a loader links where it can only name a person by number; the tree's relinking swaps it
// for the person of the chain and frees it.
inline Clovek* placeholder(int number)
{
    auto* p = new Clovek;
    p->number = number;
    return p;
}

inline Datum date(const std::string& d, const std::string& m, const std::string& y)
{
    return Datum(d, m, y);
}

// A birth date with a fair share of unknown parts and a few equal values, so that the orders
// meet every case.
inline Datum randomBirth(std::mt19937& rng)
{
    auto part = [&](int lo, int hi, int unknownPercent) {
        if (int(rng() % 100) < unknownPercent)
            return std::string("?");
        return std::to_string(lo + int(rng() % (hi - lo + 1)));
    };
    return Datum(part(1, 3, 25), part(1, 3, 25), part(1900, 1903, 20));
}

#include "model/text_source.h"

#include <map>

// Answers every lookup with its default (or an override by key) and remembers what was asked:
// standard lookups, which would write back, in `asked`; plain reads in `plainReads`.
class FakeTexts : public TextSource {
public:
    std::string langText(const std::string& section, const std::string& key,
                         const std::string& defaultText) override
    {
        asked.push_back(section + "/" + key);
        auto found = overrides.find(key);
        return found == overrides.end() ? defaultText : found->second;
    }
    std::string readText(const std::string& section, const std::string& key,
                         const std::string& defaultText) override
    {
        plainReads.push_back(section + "/" + key);
        auto found = overrides.find(key);
        return found == overrides.end() ? defaultText : found->second;
    }
    std::vector<std::string> asked;
    std::vector<std::string> plainReads;
    std::map<std::string, std::string> overrides;
};
