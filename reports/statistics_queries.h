#pragma once
// The questions the statistics report asks of a tree beyond plain counts. Each walks the person
// chain from its head once and changes nothing; among equal candidates the one met first wins
// unless said otherwise. Persons whose data do not suffice are left out: an empty result is
// null, -1 days or the "(nelze určit)" text.
//
// `men` and `women` choose persons by sex; `living` set asks for the living, clear for the
// dead. Persons are named by their display name with the birth-surname and birth-year settings
// and always the identifier. Labels come from section "statistika" of the language file.
#include <cstdint>
#include <string>
#include <vector>

class Clovek;
class Datum;
class DisplaySettings;
class Rod;
class TextSource;
struct StatDate;

// The person of the largest (smallest) age in days; ages of the living run to `today`.
struct AgeExtremes {
    const Clovek* oldestDead = nullptr;
    const Clovek* youngestDead = nullptr;
    const Clovek* oldestLiving = nullptr;
    const Clovek* youngestLiving = nullptr;
};
const Clovek* oldestPerson(const Rod& tree, bool men, bool women, bool living, const StatDate& today);
const Clovek* youngestPerson(const Rod& tree, bool men, bool women, bool living, const StatDate& today);

// Means in whole days (the quotient truncated), -1 when nobody contributes: the age of the dead,
// the age at the earliest wedding, the age at the birth of the earliest-born child. A person
// whose interval cannot be computed (a date that is no calendar day) does not contribute.
int64_t meanAgeAtDeath(const Rod& tree, bool men, bool women);
int64_t meanAgeAtFirstWedding(const Rod& tree, bool men, bool women);
int64_t meanAgeAtFirstChild(const Rod& tree, bool men, bool women);

// What the report says of men, of women and of everybody, found in one walk for all three.
struct BlockFigures {
    AgeExtremes ages;
    int64_t meanAgeAtDeath = -1;
    int64_t meanAgeAtFirstWedding = -1;
    int64_t meanAgeAtFirstChild = -1;
};
void blockFigures(const Rod& tree, const StatDate& today, BlockFigures& men, BlockFigures& women,
                  BlockFigures& all);

// "Jan (3x)": among equally frequent names the one whose first bearer comes latest.
std::string commonestFirstName(const Rod& tree, bool men, bool women, TextSource& texts);

// The largest number of children and who has it.
std::string mostChildrenText(const Rod& tree, TextSource& texts, const DisplaySettings& display);

// The months and weekdays with the most and the fewest births, deaths and weddings (up to 12
// lines), then one empty line.
void writeCalendarExtremes(const Rod& tree, std::vector<std::string>& lines, TextSource& texts);

// The youngest and oldest brides and grooms, mothers and fathers, grandmothers and grandfathers,
// and the shortest and longest marriage, in four groups each closed by an empty line when it has
// a line. Marriages of two living partners run to `today`.
void writeFamilyRecords(const Rod& tree, std::vector<std::string>& lines, TextSource& texts,
                        const DisplaySettings& display, const Datum& today);
