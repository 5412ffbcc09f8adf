#pragma once
// "The locale's collation": ICU's collator, Czech unless LC_COLLATE/LANG names another language
// ("ch" after "h", č ř š ž letters of their own). Comparisons ignore letter case.
#include <string>
#include <string_view>

// Negative, 0 or positive, case-insensitively in the collation.
int compareCollated(std::string_view a, std::string_view b);
// The text's sort key: two keys compare as std::string (bytewise) the way compareCollated
// compares their texts. Worth it when many texts are compared many times.
std::string collationKey(std::string_view text);

// One text's sort key, remade only when the text or the collation's locale changed.
class CachedCollationKey {
public:
    const std::string& of(std::string_view text);

private:
    std::string text_, key_;
    unsigned locale_ = 0;
};
// Fixes the collation's locale ("cs", "en", ...); tests call it so results do not depend on the
// machine. An empty name goes back to the user's locale.
void setCollationLocale(const std::string& localeName);
