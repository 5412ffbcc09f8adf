#pragma once
// A partnership of two persons, shared by both: each partner's partnership list holds its own
// `UkSvatba` for the one record. A sound record has two distinct partners; operations that meet
// one without them (a damaged file) leave it be instead of failing.
#include "model/datum.h"
#include "model/prvky.h"
#include "system/slab.h"

#include <cstdint>
#include <string>

class Clovek;
class DisplaySettings;

// What a partnership is; the numbers are those the tree file holds.
enum class PartnershipType : uint8_t { plain = 0, married = 1, divorced = 2 };

class ProSvatbu {
public:
    Clovek* partner1 = nullptr;
    Clovek* partner2 = nullptr;
};

class Svatba : public ProSvatbu, public SlabAllocated<Svatba> {
public:
    Svatba() = default;
    Svatba(const Svatba&) = delete;
    Svatba& operator=(const Svatba&) = delete;

    // Married and not divorced.
    bool isMarried() const { return type == PartnershipType::married; }
    bool isDivorced() const { return type == PartnershipType::divorced; }
    // Married, or divorced since: the partnership had a wedding.
    bool hasWedding() const { return type != PartnershipType::plain; }
    // Partner 2 when `person` is partner 1, otherwise partner 1.
    Clovek* otherPartner(const Clovek* person) const;
    // Partner 1 when partner 1 has this sex, otherwise partner 2.
    Clovek* partnerOfSex(uint8_t sex) const;
    // Both partners set and distinct.
    bool hasBothPartners() const;
    // When the partnership ended: the divorce, a partner's death, today, or unknown.
    Datum endDate() const;
    // The other partner's display name with the identifier; "" when there is none.
    std::string otherPartnerName(const Clovek* person, const DisplaySettings& settings) const;

    // The four-byte fields together, the two flags last: no padding between them.
    int32_t number = -1;
    Datum wedding;
    Datum divorce;
    SparseText place;
    SparseText officiant;
    SparseText witnesses;
    uint8_t visited = 0;
    PartnershipType type = PartnershipType::plain;
};

// A person's entry for a shared partnership; deleting it never frees the record.
class UkSvatba : public Prvek, public SlabAllocated<UkSvatba> {
public:
    explicit UkSvatba(Svatba* shown) : partnership(shown) { }

    bool sortsBefore(const Prvek* other) const override;
    bool sortsAfter(const Prvek* other) const override;
    bool sortElements(std::vector<Prvek*>& elements) const override;

    int32_t orderKey = 0;
    Svatba* partnership;
};
