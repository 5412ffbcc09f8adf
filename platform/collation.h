#pragma once
// "The locale's collation": ICU's collator, Czech unless LC_COLLATE/LANG names another language
// ("ch" after "h", č ř š ž letters of their own). Comparisons ignore letter case.
#include <string>
#include <string_view>

// Negative, 0 or positive, case-insensitively in the collation.
int compareCollated(std::string_view a, std::string_view b);
// Fixes the collation's locale ("cs", "en", ...); tests call it so results do not depend on the
// machine. An empty name goes back to the user's locale.
void setCollationLocale(const std::string& localeName);
