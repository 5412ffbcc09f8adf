#include "system/fnv_hash.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

namespace {

// The definition, a byte at a time, as the stamps of earlier versions were taken.
uint64_t byDefinition(uint64_t hash, std::string_view bytes)
{
    for (unsigned char c : bytes) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
}

} // namespace

TEST(FnvHash, EqualsTheByteByByteDefinitionAtAnyLengthAndInAnyPieces)
{
    EXPECT_EQ(fnv1a64(fnv1a64Start, ""), 14695981039346656037ull);
    EXPECT_EQ(fnv1a64(fnv1a64Start, "a"), 0xaf63dc4c8601ec8cull);
    EXPECT_EQ(fnv1a64(fnv1a64Start, "foobar"), 0x85944171f73967e8ull);

    std::mt19937_64 random(7);
    // Every low byte and bit pattern the quick way walks through, from any starting hash, with
    // lengths around its block and group sizes.
    for (int round = 0; round < 400; ++round) {
        std::string bytes(random() % 6000, '\0');
        for (char& c : bytes)
            c = static_cast<char>(random());
        const uint64_t start = round % 3 == 0 ? fnv1a64Start : random();
        ASSERT_EQ(fnv1a64(start, bytes), byDefinition(start, bytes)) << "length " << bytes.size();
    }
    // Tree-file-like text hashed in pieces of any size gives the hash of the whole.
    std::string text;
    while (text.size() < (size_t(3) << 20))
        text += "\x0eNov\xe1k \x0b" + std::to_string(random() % 100000) + "\x0e\x0b";
    uint64_t pieces = fnv1a64Start;
    for (size_t at = 0; at < text.size();) {
        const size_t length = std::min<size_t>(text.size() - at, random() % 300000);
        pieces = fnv1a64(pieces, std::string_view(text).substr(at, length));
        at += length;
    }
    EXPECT_EQ(pieces, byDefinition(fnv1a64Start, text));
}
