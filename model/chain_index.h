#pragma once
// The persons of a tree's chain by number: for the loaders' relinking (a loader can only name a
// parent, partner or group member by number, so it links a placeholder carrying the number and
// the tree swaps it for the person of the chain once everyone is read), and for the tree's own
// lookup by number.
#include <unordered_map>
#include <vector>

class Clovek;

class ChainIndex {
public:
    explicit ChainIndex(Clovek* first);

    // The person of the chain with `number`, the first of the chain winning as a walk from the
    // head would find it; null when none has it.
    Clovek* find(int number) const;

private:
    // Numbers are nearly always 0 to the count of persons, so a table indexed by the number
    // serves a tree of a million persons in a few megabytes, where a node per person took a
    // hundred. Numbers spread wider go to the map.
    std::vector<Clovek*> byDenseNumber_;
    long long lowest_ = 0;
    std::unordered_map<int, Clovek*> byNumber_;
};
