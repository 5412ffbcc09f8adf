#pragma once
// The persons of a tree's chain by number, for the loaders' relinking: a loader can only name a
// parent, partner or group member by number, so it links a placeholder carrying the number and
// the tree swaps it for the person of the chain once everyone is read.
#include <unordered_map>
#include <unordered_set>

class Clovek;

class ChainIndex {
public:
    explicit ChainIndex(Clovek* first);

    // Whether `person` is one of the chain (then it is no placeholder).
    bool contains(const Clovek* person) const { return inChain_.count(person) != 0; }
    // The person of the chain with `number`, the first of the chain winning as a walk from the
    // head would find it; null when none has it.
    Clovek* find(int number) const;

private:
    std::unordered_map<int, Clovek*> byNumber_;
    std::unordered_set<const Clovek*> inChain_;
};
