#pragma once
// The short narrative of one partnership: the couple's common children and, for a marriage, the
// wedding with its place, officiant and witnesses, how and when the marriage ended and how long
// it lasted. Every sentence comes from language section "shrnutiSvatby" with its Czech default.
#include <string>
#include <vector>

class DisplaySettings;
class Svatba;
class TextSource;
class Datum;

// `lines` is emptied first. When the couple has a common child, partner 1's children list is
// left sorted by birth. `today` ends a marriage whose partners both live.
void writePartnershipSummary(std::vector<std::string>& lines, Svatba& partnership, TextSource& texts,
                             const DisplaySettings& settings, const Datum& today);
