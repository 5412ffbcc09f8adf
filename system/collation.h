#pragma once
// "The locale's collation": ICU's collator, Czech unless LC_COLLATE/LANG names another language
// ("ch" after "h", č ř š ž letters of their own). Comparisons ignore letter case.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Negative, 0 or positive, case-insensitively in the collation.
int compareCollated(std::string_view a, std::string_view b);
// The text's sort key: two keys compare as std::string (bytewise) the way compareCollated
// compares their texts. Worth it when many texts are compared many times.
std::string collationKey(std::string_view text);

// The keys of many texts that repeat (the captions of a big tree's person list when they show no
// number): one entry per distinct key, made once and shared by every holder of a text with that
// key. A holder names its key by a number; a key that no holder names any more is let go at once,
// so the table holds no more keys than there are holders, however long the texts keep changing.
// Only the keys are kept, not the texts (a million captions would double the room); a 64-bit
// hash of the text a key was made of spares the keying when a holder holds the same text again.
// Keys lie packed in large blocks, a million of them costing no allocator overhead.
class SharedCollationKeys {
public:
    static constexpr uint32_t none = UINT32_MAX;
    // Lists from this many holders on are keyed in several threads, each with this many at least.
    static constexpr size_t kParallelFrom = 16384;

    // The number of the key of `text`, for a holder that held `held` (or none), which it lets go.
    uint32_t hold(uint32_t held, std::string_view text);
    // The text of holder i, written into the string given; called from several threads at once,
    // so it may only read.
    using TextOf = std::function<void(size_t, std::string&)>;
    // hold() for every holder i, `held[i]` made the number of its key: a long list's texts are
    // keyed in several threads at once (most of a big tree's open is spent keying captions),
    // the keys held in the order of the holders all the same.
    void holdAll(std::vector<uint32_t>& held, const TextOf& textOf);
    void release(uint32_t held);
    // The key of a number held since the collation's locale last changed (a holder holds its
    // text again after a change). Views stay valid until the next tidy().
    std::string_view key(uint32_t held) const
    {
        return std::string_view(entries_[held].block, entries_[held].keyLength);
    }
    // The key as it was made, without making it anew; false for none or when the collation's
    // locale has changed since.
    bool lastKey(uint32_t held, std::string_view& key) const;
    // Where a key is kept, to be fetched ahead of use.
    const void* storage(uint32_t held) const { return held == none ? nullptr : &entries_[held]; }
    // Packs the keys anew when the room of those let go outweighs theirs; call it only while
    // no view of a key is in use.
    void tidy();
    // Room for the keys of this many distinct texts, asked for at once rather than grown into:
    // growing copies what is there, and a big list would hold both copies for a moment.
    void reserve(size_t texts) { entries_.reserve(texts); }
    // Lets every key go, as when every holder is gone.
    void clear();
    // How many distinct keys are held.
    size_t size() const { return entries_.size() - free_.size(); }

private:
    struct Entry {
        const char* block = nullptr;
        uint32_t keyLength = 0;
        uint32_t holders = 0;
        uint32_t hash = 0; // of the key
        uint64_t textHash = 0; // of the text it was made of
        // The locale the key was made under; keys of an earlier one are only held until their
        // holders hold again, and are never shared.
        unsigned locale = 0;
        std::string_view key() const { return std::string_view(block, keyLength); }
    };
    // Whether `held` was made of a text of this hash under the locale of now.
    bool reusable(uint32_t held, uint64_t textHash) const
    {
        return held != none && entries_[held].locale == locale_ && entries_[held].textHash == textHash;
    }
    // hold() of a key made: copied into the blocks, or left where it is when they own it.
    uint32_t holdKey(uint32_t held, std::string_view key, uint64_t textHash, bool copy)
    {
        return holdKey(held, key, keyHashOf(key), textHash, copy);
    }
    uint32_t holdKey(uint32_t held, std::string_view key, uint32_t hash, uint64_t textHash, bool copy);
    static uint32_t keyHashOf(std::string_view key) { return uint32_t(std::hash<std::string_view>{}(key)); }
    // Open addressing: each slot holds a number or none; kept at most half full. Lists only
    // keys of the locale of now.
    size_t slotOf(std::string_view key, uint32_t hash) const;
    // Room in the slots for this many more keys, made at once rather than by doubling.
    void growFor(size_t more);
    void eraseSlot(size_t slot);
    // Keys packed one after another in blocks of a mebibyte; a longer key gets a block of its
    // own. What each block holds is known, so the keys can be read back in the order they came.
    struct KeyBlocks {
        std::vector<std::unique_ptr<char[]>> blocks;
        std::vector<size_t> used;
        // Room for `bytes` after the keys so far.
        char* room(size_t bytes);
        size_t stored() const;
    };
    // The rows of a long list that one thread keys (holdAll).
    struct KeyingPart;
    // After a change of the collation's locale no key made before is shared any more.
    void forgetStaleKeys();
    void repack();

    std::vector<Entry> entries_;
    std::vector<uint32_t> free_;
    std::vector<uint32_t> slots_;
    KeyBlocks blocks_;
    size_t liveBytes_ = 0;
    unsigned locale_ = 0;
};

// Fixes the collation's locale ("cs", "en", ...); tests call it so results do not depend on the
// machine. An empty name goes back to the user's locale.
void setCollationLocale(const std::string& localeName);
