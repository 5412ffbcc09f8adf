#include "system/random.h"

#include <ctime>

namespace {
uint32_t seed = 0;
}

void Randomize()
{
    seed = static_cast<uint32_t>(std::time(nullptr));
}

void SetRandSeed(uint32_t value)
{
    seed = value;
}

int Random(int n)
{
    seed = seed * 0x08088405u + 1u;
    if (n <= 0)
        return 0;
    return static_cast<int>((uint64_t(seed) * uint64_t(n)) >> 32);
}
