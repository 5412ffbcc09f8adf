#pragma once
// Whether a wedding or a divorce date of a partnership can be true beside the two partners'
// births and deaths, the other date of the partnership and the year limits of the settings. The
// first rule that fails is answered (key in language section "chyby" and its Czech default); a
// rule whose dates are not known far enough never fails, nor does one that names a partner the
// partnership lacks.
#include "model/checks.h"

class Clovek;
class Svatba;

struct YearLimits {
    int minYear = 1600;
    int maxYear = 2050;
};

// `person` is the one whose page shows the partnership; `yearEdited`: the year limits are tested
// only when the year was the part changed.
DateCheck checkWeddingDate(const Clovek& person, const Svatba& partnership, const YearLimits& limits,
                           bool yearEdited);
DateCheck checkDivorceDate(const Clovek& person, const Svatba& partnership, const YearLimits& limits,
                           bool yearEdited);
