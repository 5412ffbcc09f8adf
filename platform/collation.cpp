#include "platform/collation.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <utility>

namespace {

// The language part of the user's locale, Czech when it names none or only "C"/"POSIX".
std::string userLocaleName()
{
    for (const char* var : {"LC_ALL", "LC_COLLATE", "LANG"}) {
        const char* v = std::getenv(var);
        if (v && *v) {
            std::string name(v);
            name = name.substr(0, name.find_first_of(".@"));
            if (name == "C" || name == "POSIX")
                break;
            return name;
        }
    }
    return "cs";
}

struct CollatorHolder {
    std::unique_ptr<icu::Collator> collator;
    std::string localeName;
    unsigned generation = 0; // tells cached sort keys that the locale changed

    void make(const std::string& name)
    {
        UErrorCode status = U_ZERO_ERROR;
        ++generation;
        localeName = name.empty() ? userLocaleName() : name;
        collator.reset(icu::Collator::createInstance(icu::Locale(localeName.c_str()), status));
        if (U_FAILURE(status) || !collator) {
            status = U_ZERO_ERROR;
            collator.reset(icu::Collator::createInstance(icu::Locale("cs"), status));
        }
        if (collator) {
            // Secondary strength: accents count, letter case does not.
            collator->setStrength(icu::Collator::SECONDARY);
        }
    }
};

CollatorHolder& holder()
{
    static CollatorHolder h = [] {
        CollatorHolder c;
        c.make("");
        return c;
    }();
    return h;
}

} // namespace

void setCollationLocale(const std::string& localeName)
{
    holder().make(localeName);
}

int compareCollated(std::string_view a, std::string_view b)
{
    auto& h = holder();
    if (!h.collator)
        return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
    UErrorCode status = U_ZERO_ERROR;
    UCollationResult r = h.collator->compareUTF8(
        icu::StringPiece(a.data(), static_cast<int32_t>(a.size())),
        icu::StringPiece(b.data(), static_cast<int32_t>(b.size())), status);
    if (U_FAILURE(status))
        return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
    return r == UCOL_LESS ? -1 : (r == UCOL_EQUAL ? 0 : 1);
}

std::string collationKey(std::string_view text)
{
    auto& h = holder();
    if (!h.collator)
        return std::string(text);
    // Texts are read the way compareUTF8 reads them (a malformed byte as U+FFFD).
    icu::UnicodeString u = icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
    std::string key(text.size() * 2 + 16, '\0');
    int32_t length = h.collator->getSortKey(u, reinterpret_cast<uint8_t*>(key.data()), int32_t(key.size()));
    if (length > int32_t(key.size())) {
        key.resize(size_t(length));
        length = h.collator->getSortKey(u, reinterpret_cast<uint8_t*>(key.data()), int32_t(key.size()));
    }
    // Without the terminating zero: a key that is a prefix of another sorts first all the same.
    key.resize(length > 0 ? size_t(length) - 1 : 0);
    return key;
}

bool CachedCollationKey::lastKey(std::string_view& key) const
{
    if (locale_ != holder().generation)
        return false;
    key = std::string_view(keyAndText_.get(), keyLength_);
    return true;
}

std::string_view CachedCollationKey::of(std::string_view text)
{
    unsigned locale = holder().generation;
    if (locale_ != locale || !keyAndText_ ||
        std::string_view(keyAndText_.get() + keyLength_, textLength_) != text) {
        const std::string key = collationKey(text);
        auto block = std::make_unique_for_overwrite<char[]>(key.size() + text.size());
        std::copy(key.begin(), key.end(), block.get());
        std::copy(text.begin(), text.end(), block.get() + key.size());
        keyAndText_ = std::move(block);
        keyLength_ = uint32_t(key.size());
        textLength_ = uint32_t(text.size());
        locale_ = locale;
    }
    return std::string_view(keyAndText_.get(), keyLength_);
}
