#pragma once
// The keys the person list sorts by, in the order of the items of its `setrid`; the settings
// file keeps the chosen one as its number.
#include <cstdint>
#include <optional>

enum class PersonSortKey : uint8_t { byName = 0, byBirth = 1, byId = 2, byPercent = 3 };

inline constexpr int personSortKeyCount = 4;

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
