#include "system/fnv_hash.h"

#include <cstddef>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define KINVELOR_FNV_WIDE 1
#if !defined(__clang__)
// GCC's own vector headers make their "undefined" vectors of themselves, which its optimiser
// then reports as used uninitialised wherever they are inlined.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#endif

namespace {

constexpr uint64_t prime = 1099511628211ull;

uint64_t byteByByte(uint64_t hash, const unsigned char* at, size_t count)
{
    for (const unsigned char* end = at + count; at != end; ++at) {
        hash ^= *at;
        hash *= prime;
    }
    return hash;
}

#ifdef KINVELOR_FNV_WIDE
// One byte at a time, each step waits for the multiplication before it: a tree file of 500 MB
// takes half a second. The same value is found 64 bytes at a time on processors with 512-bit
// vectors:
// - A step h' = (h ^ b) * prime changes, by the XOR, only the low byte l of h: h ^ b = h - l + m
//   with m = l ^ b, so h' = prime * h + prime * (m - l). Once the low bytes are known, the hash is
//   a sum of the differences m - l times powers of the prime, which vectors multiply side by side.
// - The low bytes follow a chain of their own, l' = (m * 0xb3) mod 256 (0xb3 is the prime's low
//   byte). Bit k of l' is bit k of m flipped by a bit that depends only on m's bits below k. So,
//   bit k by bit k, the bits of 64 low bytes are the running XOR of bits already known (one
//   carry-less multiplication), and each bit k joins the m's for the next.
// - A block's bit k waits only for its own bit k - 1 and for the block before's bit k: eight
//   blocks are worked on at once, each at another bit, so that eight chains run side by side.
#define KINVELOR_FNV_TARGET __attribute__((target("avx512f,avx512bw,avx512dq,avx512vbmi,pclmul")))

struct Constants {
    __m512i product0, product1; // (i * 0xb3) mod 256 for i below 128, as two tables
    __m512i powers[8]; // prime^(64 - i) for byte i of a block, eight to a vector
    __m512i blockPowerVector;
    uint64_t blockPower; // prime^64
};

struct Block {
    __m512i bytes;
    __m512i m; // the m of each byte, its bits found so far
    __m512i lowBefore; // the low byte of the hash before each byte, its bits found so far
};

struct Blocks {
    Constants c;
    Block inFlight[8];
    uint64_t lowBit[8]; // bit k of the low byte after the last block done at bit k
    __m512i sums; // the differences times powers, per lane, of the blocks done
    uint64_t start; // the hash before the first block times prime^(64 * blocks done)
    const unsigned char* data;
    long long count;
    long long round;
};

// Finds bit k of the m's and of the low bytes before them for one block.
KINVELOR_FNV_TARGET __attribute__((always_inline)) inline void findBit(Block& b, int k, uint64_t& lowBit,
                                                                       const Constants& c)
{
    const __m512i bit = _mm512_set1_epi8(static_cast<char>(1 << k));
    // m's bits below k are known, so their product with 0xb3 is known up to bit k.
    const __m512i product = _mm512_permutex2var_epi8(c.product0, b.m, c.product1);
    const uint64_t flips = _mm512_test_epi8_mask(product, bit);
    const uint64_t bytesBit = _mm512_test_epi8_mask(b.bytes, bit);
    // Bit k of the low byte after byte i: the XOR of those before it and of the block's start.
    const __m128i running = _mm_clmulepi64_si128(_mm_cvtsi64_si128(static_cast<long long>(flips ^ bytesBit)),
                                                 _mm_set1_epi64x(-1), 0);
    const uint64_t after = static_cast<uint64_t>(_mm_cvtsi128_si64(running)) ^ (uint64_t(0) - lowBit);
    const uint64_t before = (after << 1) | lowBit;
    b.m = _mm512_mask_add_epi8(b.m, before ^ bytesBit, b.m, bit);
    b.lowBefore = _mm512_mask_add_epi8(b.lowBefore, before, b.lowBefore, bit);
    lowBit = after >> 63;
}

// A quarter of 32 differences (16 bits each) times their powers of the prime.
template<int Quarter>
KINVELOR_FNV_TARGET __attribute__((always_inline)) inline __m512i times(__m512i differences, __m512i powers)
{
    return _mm512_mullo_epi64(_mm512_cvtepi16_epi64(_mm512_extracti32x4_epi32(differences, Quarter)), powers);
}

// The block's differences m - l times the powers of the prime, per lane.
KINVELOR_FNV_TARGET __attribute__((always_inline)) inline __m512i weighed(const Block& b, const Constants& c)
{
    const __m512i low = _mm512_sub_epi16(_mm512_cvtepu8_epi16(_mm512_castsi512_si256(b.m)),
                                         _mm512_cvtepu8_epi16(_mm512_castsi512_si256(b.lowBefore)));
    const __m512i high = _mm512_sub_epi16(_mm512_cvtepu8_epi16(_mm512_extracti64x4_epi64(b.m, 1)),
                                          _mm512_cvtepu8_epi16(_mm512_extracti64x4_epi64(b.lowBefore, 1)));
    const __m512i first =
        _mm512_add_epi64(_mm512_add_epi64(times<0>(low, c.powers[0]), times<1>(low, c.powers[1])),
                         _mm512_add_epi64(times<2>(low, c.powers[2]), times<3>(low, c.powers[3])));
    const __m512i second =
        _mm512_add_epi64(_mm512_add_epi64(times<0>(high, c.powers[4]), times<1>(high, c.powers[5])),
                         _mm512_add_epi64(times<2>(high, c.powers[6]), times<3>(high, c.powers[7])));
    return _mm512_add_epi64(first, second);
}

// In round r, the block r - K is at bit K. The block's place among the eight is known when the
// code is made (R is the round modulo 8), so the blocks stay in registers.
template<int R, int K> KINVELOR_FNV_TARGET __attribute__((always_inline)) inline void advance(Blocks& s)
{
    const long long index = s.round - K;
    if (index < 0 || index >= s.count)
        return;
    Block& b = s.inFlight[(R - K + 8) & 7];
    if constexpr (K == 0) {
        b.bytes = _mm512_loadu_si512(s.data + 64 * index);
        b.m = _mm512_setzero_si512();
        b.lowBefore = _mm512_setzero_si512();
    }
    findBit(b, K, s.lowBit[K], s.c);
    if constexpr (K == 7) {
        s.sums = _mm512_add_epi64(_mm512_mullo_epi64(s.sums, s.c.blockPowerVector), weighed(b, s.c));
        s.start *= s.c.blockPower;
    }
}

template<int R> KINVELOR_FNV_TARGET __attribute__((always_inline)) inline void round(Blocks& s)
{
    advance<R, 0>(s);
    advance<R, 1>(s);
    advance<R, 2>(s);
    advance<R, 3>(s);
    advance<R, 4>(s);
    advance<R, 5>(s);
    advance<R, 6>(s);
    advance<R, 7>(s);
    ++s.round;
}

KINVELOR_FNV_TARGET uint64_t wholeBlocks(uint64_t hash, const unsigned char* data, size_t count)
{
    Blocks s;
    alignas(64) uint64_t powers[64];
    uint64_t power = prime;
    for (int i = 63; i >= 0; --i, power *= prime)
        powers[i] = power;
    for (int i = 0; i < 8; ++i)
        s.c.powers[i] = _mm512_load_si512(powers + ptrdiff_t{8} * i);
    s.c.blockPower = powers[0];
    s.c.blockPowerVector = _mm512_set1_epi64(static_cast<long long>(powers[0]));
    alignas(64) unsigned char products[128];
    for (unsigned i = 0; i < 128; ++i)
        products[i] = static_cast<unsigned char>(i * 0xb3u);
    s.c.product0 = _mm512_load_si512(products);
    s.c.product1 = _mm512_load_si512(products + 64);
    for (int k = 0; k < 8; ++k)
        s.lowBit[k] = (hash >> k) & 1;
    s.sums = _mm512_setzero_si512();
    s.start = hash;
    s.data = data;
    s.count = static_cast<long long>(count);
    s.round = 0;
    while (s.round < s.count + 7) {
        round<0>(s);
        round<1>(s);
        round<2>(s);
        round<3>(s);
        round<4>(s);
        round<5>(s);
        round<6>(s);
        round<7>(s);
    }
    // Summed as unsigned numbers: the lanes wrap around, as the hash does.
    alignas(64) uint64_t lanes[8];
    _mm512_store_si512(lanes, s.sums);
    uint64_t sum = s.start;
    for (uint64_t lane : lanes)
        sum += lane;
    return sum;
}

bool hasWideVectors()
{
    static const bool has = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
               __builtin_cpu_supports("avx512dq") && __builtin_cpu_supports("avx512vbmi") &&
               __builtin_cpu_supports("pclmul");
    }();
    return has;
}
#endif

} // namespace

uint64_t fnv1a64(uint64_t hash, std::string_view bytes)
{
    const auto* at = reinterpret_cast<const unsigned char*>(bytes.data());
    size_t count = bytes.size();
#ifdef KINVELOR_FNV_WIDE
    // Eight blocks are in flight at once: fewer bytes are not worth the start.
    if (count >= 1024 && hasWideVectors()) {
        const size_t blocks = count / 64;
        hash = wholeBlocks(hash, at, blocks);
        at += blocks * 64;
        count -= blocks * 64;
    }
#endif
    return byteByByte(hash, at, count);
}
