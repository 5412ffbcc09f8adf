#include "model/chain_index.h"

#include "model/clovek.h"

ChainIndex::ChainIndex(Clovek* first)
{
    for (Clovek* p = first; p; p = p->chainNext) {
        byNumber_.try_emplace(p->number, p);
        inChain_.insert(p);
    }
}

Clovek* ChainIndex::find(int number) const
{
    auto found = byNumber_.find(number);
    return found == byNumber_.end() ? nullptr : found->second;
}
