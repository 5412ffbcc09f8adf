#pragma once
// Depth of ancestry, each person's depth computed once and remembered, without recursion: deep
// lines of ancestry do not exhaust the stack, and a parent link that closes a cycle (a damaged
// file can bring one) counts as no parent.
#include <cstdint>

class Clovek;

class GenerationCounter {
public:
    GenerationCounter();
    // Generations above the person: 0 without parents, else the larger parent's + 1.
    int of(const Clovek* person);

private:
    uint64_t stamp_;
};
