#pragma once
// Depth of ancestry, each person's depth computed once and remembered, without recursion: deep
// lines of ancestry do not exhaust the stack, and a parent link that closes a cycle (a damaged
// file can bring one) counts as no parent.
#include <unordered_map>

class Clovek;

class GenerationCounter {
public:
    // Generations above the person: 0 without parents, else the larger parent's + 1.
    int of(const Clovek* person);

private:
    std::unordered_map<const Clovek*, int> depth_;
};
