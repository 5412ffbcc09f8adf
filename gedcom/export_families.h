#pragma once
// The families a GEDCOM file needs, derived from the tree's partnerships and parent links: one
// per couple with a partnership, one per pair of parents and one per single parent of a child.
// Each couple has one family however many children and partnerships it has.
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

class Clovek;
class Rod;
class Svatba;

struct GEDRodina {
    // 1, 2, 3 ... in the order the families were made.
    int number = 0;
    // The man of the couple or a single father; the woman or a single mother. Either may be null.
    Clovek* husband = nullptr;
    Clovek* wife = nullptr;
    // The partnership of the couple (the last one met), null for a family known from children only.
    Svatba* partnership = nullptr;
    // In the order they were found.
    std::vector<Clovek*> children;
};

class GEDRodiny {
public:
    // The family of exactly this husband and wife (either may be null), or null.
    GEDRodina* findCouple(const Clovek* husband, const Clovek* wife) const;
    // The family of exactly this husband and wife, made at the tail when there is none.
    GEDRodina& coupleFamily(Clovek* husband, Clovek* wife);
    // A single parent's family: a father as the husband without a wife, a mother as the wife
    // without a husband.
    GEDRodina& singleParentFamily(Clovek* parent);

    const std::vector<std::unique_ptr<GEDRodina>>& families() const { return families_; }
    int count() const { return int(families_.size()); }

private:
    struct PairHash {
        size_t operator()(const std::pair<const Clovek*, const Clovek*>& p) const
        {
            return std::hash<const void*>()(p.first) * 31 + std::hash<const void*>()(p.second);
        }
    };
    std::vector<std::unique_ptr<GEDRodina>> families_;
    std::unordered_map<std::pair<const Clovek*, const Clovek*>, GEDRodina*, PairHash> byCouple_;
};

// Walks the tree's persons in the given order: each partnership not yet met makes (or finds) the
// family of its couple, and each person with a parent joins the family of its parents. A
// partnership without two distinct partners (a damaged file) makes no family. Uses the
// partnerships' visited flags.
void buildGedcomFamilies(Rod& tree, const std::vector<Clovek*>& persons, GEDRodiny& families);
