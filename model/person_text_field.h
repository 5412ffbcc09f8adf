#pragma once
// One text field of a person, kept as a plain string or as a sparse one (model/sparse_text.h),
// for the tables of fields that undo, the editors, the searches and the old format's loader
// walk. Made from a member pointer such as `&Clovek::surname` or `&Clovek::email1`.
#include "model/clovek.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

class PersonTextField {
public:
    constexpr PersonTextField() = default;
    constexpr PersonTextField(std::string Clovek::*plain) : plain_(plain) { }
    constexpr PersonTextField(SparseText Clovek::*sparse) : sparse_(sparse) { }

    const std::string& of(const Clovek& person) const
    {
        return plain_ ? person.*plain_ : (person.*sparse_).str();
    }
    void set(Clovek& person, std::string text) const
    {
        if (plain_) {
            person.*plain_ = std::move(text);
            return;
        }
        const uint64_t before = SparseText::writeCount();
        person.*sparse_ = text;
        noteWrites(sparse_, SparseText::writeCount() - before);
    }
    // The same from a view, without a string made for it (the loader reads millions of fields).
    void assign(Clovek& person, std::string_view text) const
    {
        if (plain_) {
            person.*plain_ = text;
            return;
        }
        const uint64_t before = SparseText::writeCount();
        person.*sparse_ = text;
        noteWrites(sparse_, SparseText::writeCount() - before);
    }
    // The writes of sparse texts made through `set` or `assign` to this field, and through them to any
    // field: the texts written otherwise are the difference of the latter and all writes. A list
    // made from one field alone stays true while its own and the others' counts stay the same.
    uint64_t writesToField() const;
    static uint64_t writesThroughFields() { return throughFields_; }
    explicit operator bool() const { return plain_ || sparse_; }
    // Whether writes to the field are counted: only sparse texts count theirs.
    bool counted() const { return sparse_ != nullptr; }

private:
    static void noteWrites(SparseText Clovek::*field, uint64_t count);
    static inline uint64_t throughFields_ = 0;
    std::string Clovek::*plain_ = nullptr;
    SparseText Clovek::*sparse_ = nullptr;
};
