#pragma once
// The keys the person list sorts by, in the order of the items of its `setrid`; the settings
// file keeps the chosen one as its number.
#include <cstdint>
#include <optional>

enum class PersonSortKey : uint8_t { byName = 0, byBirth = 1, byId = 2, byPercent = 3 };

inline constexpr int personSortKeyCount = 4;

// Whether the key is the last of the enumeration. Without a default, a new key does not build
// until it is placed here, and the assertion below then holds the count to it.
constexpr bool isLastPersonSortKey(PersonSortKey key)
{
    switch (key) {
    case PersonSortKey::byName:
    case PersonSortKey::byBirth:
    case PersonSortKey::byId:
        return false;
    case PersonSortKey::byPercent:
        return true;
    }
    return false;
}
static_assert(isLastPersonSortKey(static_cast<PersonSortKey>(personSortKeyCount - 1)),
              "personSortKeyCount counts every PersonSortKey");

// The key of an item of `setrid`, or of the number the settings keep; none for any other.
constexpr std::optional<PersonSortKey> personSortKeyAt(int index)
{
    if (index < 0 || index >= personSortKeyCount)
        return std::nullopt;
    return static_cast<PersonSortKey>(index);
}

// The item of `setrid` that shows the key, and the number the settings keep for it.
constexpr int itemIndexOf(PersonSortKey key)
{
    return static_cast<int>(key);
}
