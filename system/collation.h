#pragma once
// "The locale's collation": ICU's collator, Czech unless LC_COLLATE/LANG names another language
// ("ch" after "h", č ř š ž letters of their own). Comparisons ignore letter case.
#include <cstdint>
#include <memory>
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
    // Valid until the next call.
    std::string_view of(std::string_view text);
    // The key the last call gave, without its text; false when the collation's locale has
    // changed since.
    bool lastKey(std::string_view& key) const;
    // Where it is kept, to be fetched ahead of a call.
    const void* storage() const { return keyAndText_.get(); }

private:
    // One block of exactly the room needed (a big tree's person list keeps 100,000 of these):
    // the text is checked and the key read in one fetch.
    std::unique_ptr<char[]> keyAndText_;
    uint32_t keyLength_ = 0;
    uint32_t textLength_ = 0;
    unsigned locale_ = 0;
};
// Fixes the collation's locale ("cs", "en", ...); tests call it so results do not depend on the
// machine. An empty name goes back to the user's locale.
void setCollationLocale(const std::string& localeName);
