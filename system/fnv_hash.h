#pragma once
// The 64-bit FNV-1a hash, one byte at a time in its definition: the stamp of a tree's companion
// folder names the tree file by it, and every version of the program that repairs an
// interrupted save compares that stamp with the hash it takes itself. The value never changes;
// only the way it is taken is quick.
#include <cstdint>
#include <string_view>

// The hash of nothing.
constexpr uint64_t fnv1a64Start = 14695981039346656037ull;

// The hash that `hash` (of the bytes so far) becomes with `bytes` after them, so that a file
// can be hashed piece by piece.
uint64_t fnv1a64(uint64_t hash, std::string_view bytes);
