#pragma once
// One text field of a person, kept as a plain string or as a sparse one (model/sparse_text.h),
// for the tables of fields that undo, the editors, the searches and the old format's loader
// walk. Made from a member pointer such as `&Clovek::surname` or `&Clovek::email1`.
#include "model/clovek.h"

#include <string>
#include <utility>

class PersonTextField {
public:
    constexpr PersonTextField() = default;
    constexpr PersonTextField(std::string Clovek::*plain) : plain_(plain) {}
    constexpr PersonTextField(SparseText Clovek::*sparse) : sparse_(sparse) {}

    const std::string& of(const Clovek& person) const
    {
        return plain_ ? person.*plain_ : (person.*sparse_).str();
    }
    void set(Clovek& person, std::string text) const
    {
        if (plain_)
            person.*plain_ = std::move(text);
        else
            person.*sparse_ = std::move(text);
    }
    explicit operator bool() const { return plain_ || sparse_; }

private:
    std::string Clovek::*plain_ = nullptr;
    SparseText Clovek::*sparse_ = nullptr;
};
