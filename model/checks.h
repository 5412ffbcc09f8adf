#pragma once
// Whether the dates of a parent and a child, or of two partners, can both be true. Each check
// runs its rules in a fixed order and answers the first that fails: the key of its message in
// language section "chyby" and the message's Czech default. Comparisons stop at the first
// unknown date part they reach, so a rule whose dates are not known that far never fails.
#include <optional>

class Clovek;
class Svatba;

struct DateCheckFailure {
    const char* key;
    const char* defaultText;
};
using DateCheck = std::optional<DateCheckFailure>;

// `minAge`: the least age in years of a parent at a child's birth. `fatherDeathRule`: whether a
// father dead more than nine months before the child's birth fails.
DateCheck checkFatherDates(const Clovek& father, const Clovek& child, int minAge, bool fatherDeathRule);
DateCheck checkMotherDates(const Clovek& mother, const Clovek& child, int minAge);
// Without a partnership only the partners' lives are compared.
DateCheck checkPartnershipDates(const Clovek& a, const Clovek& b, const Svatba* partnership);
