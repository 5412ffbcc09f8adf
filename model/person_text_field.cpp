#include "model/person_text_field.h"

#include <utility>
#include <vector>

namespace {

// A person has a score of sparse fields, and a few are written through `set`: a short list.
std::vector<std::pair<SparseText Clovek::*, uint64_t>>& fieldWrites()
{
    static auto* counts = new std::vector<std::pair<SparseText Clovek::*, uint64_t>>();
    return *counts;
}

} // namespace

void PersonTextField::noteWrites(SparseText Clovek::*field, uint64_t count)
{
    throughFields_ += count;
    for (auto& [f, n] : fieldWrites())
        if (f == field) {
            n += count;
            return;
        }
    fieldWrites().emplace_back(field, count);
}

uint64_t PersonTextField::writesToField() const
{
    if (!sparse_)
        return 0;
    for (const auto& [f, n] : fieldWrites())
        if (f == sparse_)
            return n;
    return 0;
}
