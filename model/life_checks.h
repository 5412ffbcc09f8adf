#pragma once
// Whether a person's own birth or death date can be true beside the other date, the limits of
// the settings, the parents, the children and the partnerships; and whether a partnership's
// wedding or divorce date can be true beside the two partners' lives, the other date of the
// partnership and the year limits. The first rule that fails is
// answered (key in language section "chyby" and its Czech default); a rule whose dates are not
// known far enough never fails.
#include "model/checks.h"

class Clovek;

struct LifeLimits {
    int minParentChildAge = 15;
    int maxAge = 120;
    int minYear = 1600;
    int maxYear = 2050;
    bool fatherDeathBeforeBirth = true;
};

// `yearEdited`: the year limits are tested only when the year was the part changed.
DateCheck checkBirthDate(const Clovek& person, const LifeLimits& limits, bool yearEdited);
DateCheck checkDeathDate(const Clovek& person, const LifeLimits& limits, bool yearEdited);

class Svatba;

// `person` is the one whose page shows the partnership; a rule that names the partner is
// skipped when the partnership has none. The year limits are tested only when the year was
// the part changed.
DateCheck checkWeddingDate(const Clovek& person, const Svatba& partnership, const LifeLimits& limits,
                           bool yearEdited);
DateCheck checkDivorceDate(const Clovek& person, const Svatba& partnership, const LifeLimits& limits,
                           bool yearEdited);
