#pragma once
// Small builders shared by the model tests.
#include "model/clovek.h"
#include "model/datum.h"

#include <random>
#include <string>

inline Clovek* makePerson(const std::string& first, const std::string& surname, int sex = 1,
                          Datum birth = Datum())
{
    Clovek* p = new Clovek;
    p->firstName = first;
    p->surname = surname;
    p->sex = uint8_t(sex);
    p->birth = birth;
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
