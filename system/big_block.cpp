#include "system/big_block.h"

#include <cstdint>
#include <new>
#include <sys/mman.h>

void* takeBigBlock(size_t bytes)
{
    // Mapped with a huge page's room to spare, then cut to an aligned stretch: only an aligned
    // stretch can be backed by huge pages.
    const size_t mapped = bytes + bigBlockAlignment;
    void* start = ::mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (start == MAP_FAILED)
        throw std::bad_alloc();
    const auto from = reinterpret_cast<uintptr_t>(start);
    const uintptr_t aligned = (from + bigBlockAlignment - 1) & ~(uintptr_t(bigBlockAlignment) - 1);
    if (aligned > from)
        ::munmap(start, aligned - from);
    if (const uintptr_t tail = from + mapped - (aligned + bytes); tail > 0)
        ::munmap(reinterpret_cast<void*>(aligned + bytes), tail);
    askHugePages(reinterpret_cast<void*>(aligned), bytes);
    return reinterpret_cast<void*>(aligned);
}

void askHugePages(const void* start, size_t bytes)
{
    const auto at = reinterpret_cast<uintptr_t>(start);
    const uintptr_t from = (at + bigBlockAlignment - 1) & ~(uintptr_t(bigBlockAlignment) - 1);
    const uintptr_t to = (at + bytes) & ~(uintptr_t(bigBlockAlignment) - 1);
    if (to > from)
        ::madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
}

void giveBigBlock(void* block, size_t bytes)
{
    if (block)
        ::munmap(block, bytes);
}
