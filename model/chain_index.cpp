#include "model/chain_index.h"

#include "model/clovek.h"

ChainIndex::ChainIndex(Clovek* first)
{
    long long count = 0;
    long long lowest = 0, highest = -1;
    for (const Clovek* p = first; p; p = p->chainNext) {
        if (count == 0 || p->number < lowest)
            lowest = p->number;
        if (count == 0 || p->number > highest)
            highest = p->number;
        ++count;
    }
    if (count == 0)
        return;
    if (highest - lowest < 2 * count + 1024) {
        lowest_ = lowest;
        byDenseNumber_.assign(size_t(highest - lowest + 1), nullptr);
        for (Clovek* p = first; p; p = p->chainNext)
            if (Clovek*& slot = byDenseNumber_[size_t(p->number - lowest)]; !slot)
                slot = p;
    } else {
        byNumber_.reserve(size_t(count));
        for (Clovek* p = first; p; p = p->chainNext)
            byNumber_.try_emplace(p->number, p);
    }
}

Clovek* ChainIndex::find(int number) const
{
    if (!byDenseNumber_.empty()) {
        const long long at = number - lowest_;
        return at >= 0 && at < static_cast<long long>(byDenseNumber_.size()) ? byDenseNumber_[size_t(at)]
                                                                             : nullptr;
    }
    auto found = byNumber_.find(number);
    return found == byNumber_.end() ? nullptr : found->second;
}
