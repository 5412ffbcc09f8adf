#pragma once
// Memory in blocks of whole huge pages, for the stores that a big tree fills by the hundred
// megabytes. Fresh memory is paid for at its first touch, page by page; a huge page is one such
// payment for 2 MiB instead of 512 of them, and the system gives huge pages only to memory that
// asks for them.
#include <cstddef>

// The size of one huge page; blocks are whole multiples of it.
constexpr size_t bigBlockAlignment = size_t(2) << 20;

// `bytes` (a multiple of bigBlockAlignment) of memory aligned to a huge page, not yet touched.
// Raises std::bad_alloc when the system has none left.
void* takeBigBlock(size_t bytes);
// Gives back a block of takeBigBlock with the size it was taken with.
void giveBigBlock(void* block, size_t bytes);
// Asks huge pages for the whole huge pages inside memory taken elsewhere (a buffer filled once
// from start to end). Only advice: the memory is good either way.
void askHugePages(const void* start, size_t bytes);
