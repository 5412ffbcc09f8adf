#pragma once
// List elements that refer to a person held elsewhere: children, siblings, the visit history
// (`UkClovek`) and group members (`UkGrClovek`). A person knows every element that refers to it,
// so removing a person can take it out of every list without searching them, and an element
// never points at a person that is gone.
#include "model/prvky.h"
#include "system/slab.h"

class Clovek;

// Children and siblings of a big tree are hundreds of thousands of these: they share large
// blocks instead of an allocation each.
class UkClovek : public Prvek, public SlabAllocated<UkClovek> {
public:
    explicit UkClovek(Clovek* person);
    ~UkClovek() override;

    Clovek* person() const { return person_; }
    void setPerson(Clovek* person);

    // Earlier birth first; pairs whose comparison reaches an unknown date part never move.
    bool sortsBefore(const Prvek* other) const override;
    // Display name greater (Windows-1250 bytes).
    bool sortsAfter(const Prvek* other) const override;
    bool sortElements(std::vector<Prvek*>& elements) const override;

    // The next element that refers to the same person.
    UkClovek* nextReferrer() const { return refNext_; }

private:
    friend class Clovek;
    void attach();
    void detach();

    Clovek* person_ = nullptr;
    UkClovek* refPrev_ = nullptr;
    UkClovek* refNext_ = nullptr;
};

class UkGrClovek : public UkClovek {
public:
    explicit UkGrClovek(Clovek* person) : UkClovek(person) { }

    // Display name less (Windows-1250 bytes).
    bool sortsBefore(const Prvek* other) const override;
    // Birth after.
    bool sortsAfter(const Prvek* other) const override;
    bool sortElements(std::vector<Prvek*>& elements) const override;
};

// `Datum::isBefore` on read keys.
bool birthKeyBefore(const struct DatumKey& a, const struct DatumKey& b);

// The order of persons by birth that the bubble passes give, found in O(n log n): `births[i]`
// belongs to `items[i]`. Needs every known part readable.
void sortByBirthLikeBubble(std::vector<Prvek*>& items, const std::vector<struct DatumKey>& births);
