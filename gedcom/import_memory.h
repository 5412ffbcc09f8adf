#pragma once
// The import's big buffers (the file's text, the table of persons, the families) are filled
// once from start to end. Fresh memory is paid for at its first touch, page by page; the whole
// huge pages inside such a buffer are one payment per 2 MiB instead of 512, and the system gives
// them only to memory that asks. Only advice: the buffer is good memory either way.
#include "system/big_block.h"

#include <cstddef>
#include <cstdint>
#include <sys/mman.h>

inline void askHugePages(const void* start, size_t bytes)
{
    const auto at = reinterpret_cast<uintptr_t>(start);
    const uintptr_t from = (at + bigBlockAlignment - 1) & ~(bigBlockAlignment - 1);
    const uintptr_t to = (at + bytes) & ~(bigBlockAlignment - 1);
    if (to > from)
        ::madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
}
