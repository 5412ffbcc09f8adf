#pragma once
// One residence, education or occupation entry: a text and a period from one text to another.
#include "model/prvky.h"
#include "model/sparse_text.h"
#include "system/slab.h"

#include <string>

class CasoveObdobi : public Prvek, public SlabAllocated<CasoveObdobi> {
public:
    explicit CasoveObdobi(const std::string& entry) : text(entry) { }
    // Copies the texts, not the list links.
    CasoveObdobi(const CasoveObdobi& other) : Prvek(), text(other.text), from(other.from), to(other.to) { }

    // "text (from-to)"; the text alone when from is empty.
    std::string displayText() const;
    bool differsFrom(const CasoveObdobi& other) const;

    SparseText text;
    SparseText from;
    SparseText to;
};
