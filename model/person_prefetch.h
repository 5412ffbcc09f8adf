#pragma once
// A person's record spans many cache lines and a tree's chain leads all over memory. Walks that
// read much of every person of a big tree ask for the next person while they work on this one,
// so they do not wait on memory for every field.
#include "model/clovek.h"
#include "system/prefetch.h"

#include <cstddef>

inline void prefetchPerson(const Clovek* p)
{
    if (!p)
        return;
    const char* bytes = reinterpret_cast<const char*>(p);
    for (size_t offset = 0; offset < sizeof(Clovek); offset += 64)
        ask(bytes + offset);
}
