#pragma once
// The person list's identifier order when its test is no order: identifiers beginning with a
// digit compare by their leading numbers, any other pair by collation, and a text that collates
// among the numbers (a full-width digit, an invisible mark before a number) makes the three
// disagree ("10" before "５" before "9" before "10").
#include <cstdint>
#include <string_view>
#include <vector>

struct IdentifierKey {
    bool digit = false; // begins with a digit
    int64_t number = 0; // its leading number, when it does
    std::string_view key; // collation key
};

// The identifier test: a sorts before b. It is lessByNumberOrText (model/path_utils.h) on keys
// worked out once per row; the list tests hold the sorts against that function.
inline bool identifierBefore(const IdentifierKey& a, const IdentifierKey& b)
{
    return a.digit && b.digit ? a.number < b.number : a.key < b.key;
}

// Sorts the places into `ids` (the rows as they stand) into the order the bubble passes leave:
// ascending the identifiers that sort first come first.
void passIdentifiers(std::vector<int>& order, const std::vector<IdentifierKey>& ids, bool ascending);
