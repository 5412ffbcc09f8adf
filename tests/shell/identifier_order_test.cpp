// Identifiers whose test is no order, placed as the bubble passes run literally place them:
// short lists of every kind and long ones that fill many blocks.
#include "shell/identifier_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>

namespace {

std::vector<int> bubbleLiterally(std::vector<int> v, const std::vector<IdentifierKey>& ids, bool asc)
{
    auto swaps = [&](int r, int s) {
        return asc ? identifierBefore(ids[s], ids[r]) : identifierBefore(ids[r], ids[s]);
    };
    for (int n = int(v.size()) - 1; n > 0; --n) {
        bool swapped = false;
        for (int j = 0; j < n; ++j)
            if (swaps(v[j], v[j + 1])) {
                std::swap(v[j], v[j + 1]);
                swapped = true;
            }
        if (!swapped)
            break;
    }
    return v;
}

} // namespace

TEST(IdentifierOrder, TextsAmongTheNumbersGiveThePassesOrder)
{
    std::mt19937 rng(10);
    for (int round = 0; round < 3000; ++round) {
        int n = round % 300 == 0  ? 600 + int(rng() % 900)
                : round % 10 == 0 ? int(rng() % 100)
                                  : int(rng() % 12);
        int range = 1 + int(rng() % 40), textPercent = int(rng() % 50);
        // Keys stand in for collation keys: a number's is its digits, maybe with a letter after;
        // a text's may sort among them, before them (a blank) or after them (a letter).
        std::vector<std::string> keys(static_cast<size_t>(n));
        std::vector<IdentifierKey> ids(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) {
            IdentifierKey& id = ids[i];
            id.digit = int(rng() % 100) >= textPercent;
            id.number = int(rng() % unsigned(range));
            keys[i] = std::to_string(id.digit ? id.number : int(rng() % unsigned(range)));
            if (rng() % 4 == 0)
                keys[i] += "a";
            if (!id.digit && rng() % 4 == 0)
                keys[i] = (rng() % 2 ? " " : "z") + keys[i];
        }
        for (int i = 0; i < n; ++i)
            ids[i].key = keys[i];
        std::vector<int> order(static_cast<size_t>(n));
        std::iota(order.begin(), order.end(), 0);
        std::shuffle(order.begin(), order.end(), rng);
        bool asc = rng() % 2;
        std::vector<int> got = order;
        passIdentifiers(got, ids, asc);
        ASSERT_EQ(got, bubbleLiterally(order, ids, asc)) << "round " << round << " asc " << asc;
    }
}
