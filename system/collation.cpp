#include "system/collation.h"

#include "system/big_block.h"
#include "system/prefetch.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>
#include <unicode/ustring.h>

#include <algorithm>
#include <cstdlib>
#include <exception>
#include <functional>
#include <memory>
#include <new>
#include <numeric>
#include <thread>
#include <utility>
#include <vector>

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
    UCollationResult r =
        h.collator->compareUTF8(icu::StringPiece(a.data(), static_cast<int32_t>(a.size())),
                                icu::StringPiece(b.data(), static_cast<int32_t>(b.size())), status);
    if (U_FAILURE(status))
        return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
    return r == UCOL_LESS ? -1 : (r == UCOL_EQUAL ? 0 : 1);
}

namespace {

// The key of `text` made by `collator` in `key`, through `utf16`: rooms kept from text to text,
// so keying a million captions allocates nothing but what is kept. Valid until the next call
// with the same rooms.
std::string_view makeKey(const icu::Collator& collator, std::string_view text, std::vector<UChar>& utf16,
                         std::string& key)
{
    // Texts are read the way compareUTF8 reads them (a malformed byte as U+FFFD).
    int32_t units = 0;
    for (;;) {
        UErrorCode status = U_ZERO_ERROR;
        u_strFromUTF8WithSub(utf16.data(), int32_t(utf16.size()), &units, text.data(), int32_t(text.size()),
                             0xFFFD, nullptr, &status);
        if (status != U_BUFFER_OVERFLOW_ERROR && size_t(units) < utf16.size())
            break;
        utf16.resize(size_t(units) + 1);
    }
    int32_t length =
        collator.getSortKey(utf16.data(), units, reinterpret_cast<uint8_t*>(key.data()), int32_t(key.size()));
    if (length > int32_t(key.size())) {
        key.resize(size_t(length));
        length = collator.getSortKey(utf16.data(), units, reinterpret_cast<uint8_t*>(key.data()),
                                     int32_t(key.size()));
    }
    // Without the terminating zero: a key that is a prefix of another sorts first all the same.
    return std::string_view(key.data(), length > 0 ? size_t(length) - 1 : 0);
}

// The key of `text` in rooms of the program's thread.
std::string_view scratchCollationKey(std::string_view text)
{
    static std::vector<UChar> utf16(64);
    static std::string key(128, '\0');
    return makeKey(*holder().collator, text, utf16, key);
}

uint64_t textHashOf(std::string_view text)
{
    return std::hash<std::string_view>{}(text);
}

} // namespace

std::string collationKey(std::string_view text)
{
    if (!holder().collator)
        return std::string(text);
    return std::string(scratchCollationKey(text));
}

uint32_t SharedCollationKeys::hold(uint32_t held, std::string_view text)
{
    forgetStaleKeys();
    const uint64_t textHash = textHashOf(text);
    if (reusable(held, textHash))
        return held;
    return holdKey(held, holder().collator ? scratchCollationKey(text) : text, textHash, true);
}

uint32_t SharedCollationKeys::holdKey(uint32_t held, std::string_view key, uint32_t hash, uint64_t textHash,
                                      bool copy)
{
    growFor(1);
    const size_t slot = slotOf(key, hash);
    uint32_t id = slots_[slot];
    if (id == none) {
        if (free_.empty()) {
            id = uint32_t(entries_.size());
            entries_.emplace_back();
        } else {
            id = free_.back();
            free_.pop_back();
        }
        Entry& entry = entries_[id];
        if (copy) {
            char* block = blocks_.room(key.size());
            std::copy(key.begin(), key.end(), block);
            entry.block = block;
        } else {
            entry.block = key.data();
        }
        entry.keyLength = uint32_t(key.size());
        entry.hash = hash;
        entry.textHash = textHash;
        entry.locale = locale_;
        liveBytes_ += key.size();
        slots_[slot] = id;
    }
    ++entries_[id].holders;
    release(held);
    return id;
}

char* SharedCollationKeys::KeyBlocks::room(size_t bytes)
{
    constexpr size_t blockSize = size_t(1) << 20;
    if (blocks.empty() || used.back() + bytes > blockSize) {
        blocks.push_back(std::make_unique_for_overwrite<char[]>(std::max(blockSize, bytes)));
        used.push_back(0);
    }
    char* at = blocks.back().get() + used.back();
    used.back() += bytes;
    return at;
}

size_t SharedCollationKeys::KeyBlocks::stored() const
{
    return std::accumulate(used.begin(), used.end(), size_t(0));
}

struct SharedCollationKeys::KeyingPart {
    size_t from = 0, to = 0;
    std::unique_ptr<icu::Collator> collator;
    // The keys made, in the order of the rows.
    KeyBlocks keys;
    // For each row: the hash of its text, and the length and hash of its new key or `kept`.
    uint64_t* textHashes = nullptr;
    uint32_t* keyLengths = nullptr;
    uint32_t* keyHashes = nullptr;
    std::exception_ptr failure;
    static constexpr uint32_t kept = UINT32_MAX;
};

void SharedCollationKeys::holdAll(std::vector<uint32_t>& held, const TextOf& textOf)
{
    forgetStaleKeys();
    const size_t n = held.size();
    const unsigned cores = std::thread::hardware_concurrency();
    const size_t threads = std::min<size_t>({8, cores ? cores : 1, n / kParallelFrom});
    if (threads < 2 || !holder().collator) {
        std::string text;
        for (size_t i = 0; i < n; ++i) {
            textOf(i, text);
            held[i] = hold(held[i], text);
        }
        return;
    }
    // Each thread keys a stretch of the rows with a collator of its own, only reading the table
    // and the texts; this thread then holds the keys in the order of the rows, taking over the
    // blocks they were made in. What the threads tell of each row lies in memory given back once
    // the keys are held: the threads' own allocators would keep it out of reach of what the sort
    // asks for next.
    const size_t rowBytes = n * (sizeof(uint64_t) + 2 * sizeof(uint32_t));
    const size_t blockBytes = (rowBytes + bigBlockAlignment - 1) / bigBlockAlignment * bigBlockAlignment;
    const std::unique_ptr<void, std::function<void(void*)>> rowBlock(
        takeBigBlock(blockBytes), [blockBytes](void* block) { giveBigBlock(block, blockBytes); });
    auto* textHashes = static_cast<uint64_t*>(rowBlock.get());
    auto* keyLengths = reinterpret_cast<uint32_t*>(textHashes + n);
    uint32_t* keyHashes = keyLengths + n;
    std::vector<KeyingPart> parts(threads);
    for (size_t t = 0; t < threads; ++t) {
        parts[t].from = n * t / threads;
        parts[t].to = n * (t + 1) / threads;
        parts[t].textHashes = textHashes + parts[t].from;
        parts[t].keyLengths = keyLengths + parts[t].from;
        parts[t].keyHashes = keyHashes + parts[t].from;
        parts[t].collator.reset(holder().collator->clone());
        if (!parts[t].collator)
            throw std::bad_alloc();
    }
    auto keyPart = [&](KeyingPart& part) {
        try {
            std::vector<UChar> utf16(64);
            std::string scratch(128, '\0');
            std::string text;
            for (size_t i = part.from; i < part.to; ++i) {
                textOf(i, text);
                const uint64_t textHash = textHashOf(text);
                part.textHashes[i - part.from] = textHash;
                if (reusable(held[i], textHash)) {
                    part.keyLengths[i - part.from] = KeyingPart::kept;
                    continue;
                }
                const std::string_view key = makeKey(*part.collator, text, utf16, scratch);
                std::copy(key.begin(), key.end(), part.keys.room(key.size()));
                part.keyLengths[i - part.from] = uint32_t(key.size());
                part.keyHashes[i - part.from] = keyHashOf(key);
            }
        } catch (...) {
            part.failure = std::current_exception();
        }
    };
    {
        std::vector<std::jthread> workers;
        workers.reserve(threads - 1);
        for (size_t t = 1; t < threads; ++t)
            workers.emplace_back(keyPart, std::ref(parts[t]));
        keyPart(parts[0]);
    }
    for (const KeyingPart& part : parts)
        if (part.failure)
            std::rethrow_exception(part.failure);
    // Every new key of a row that held none adds an entry: the slots are made for them at once.
    size_t added = 0;
    for (size_t i = 0; i < n; ++i)
        added += held[i] == none && keyLengths[i] != KeyingPart::kept;
    growFor(added);
    for (KeyingPart& part : parts) {
        size_t block = 0, at = 0;
        for (size_t i = part.from; i < part.to; ++i) {
            // The slots lie all over memory: each row asks for its own some rows ahead, and for
            // the entry that holds it a few rows later, when the slot is there to be read.
            constexpr size_t slotAhead = 16, entryAhead = 8;
            const size_t mask = slots_.size() - 1;
            if (!slots_.empty() && i + slotAhead < part.to && keyLengths[i + slotAhead] != KeyingPart::kept)
                ask(&slots_[keyHashes[i + slotAhead] & mask]);
            if (!slots_.empty() && i + entryAhead < part.to &&
                keyLengths[i + entryAhead] != KeyingPart::kept) {
                const uint32_t id = slots_[keyHashes[i + entryAhead] & mask];
                if (id != none)
                    ask(&entries_[id]);
            }
            const uint32_t length = keyLengths[i];
            if (length == KeyingPart::kept)
                continue;
            if (at + length > part.keys.used[block]) {
                ++block;
                at = 0;
            }
            const std::string_view key(part.keys.blocks[block].get() + at, length);
            at += length;
            held[i] = holdKey(held[i], key, keyHashes[i], textHashes[i], false);
        }
        // The blocks are this table's from now on; a key copied later may follow in the last one.
        for (size_t b = 0; b < part.keys.blocks.size(); ++b) {
            blocks_.blocks.push_back(std::move(part.keys.blocks[b]));
            blocks_.used.push_back(part.keys.used[b]);
        }
    }
}

void SharedCollationKeys::release(uint32_t held)
{
    if (held == none)
        return;
    Entry& entry = entries_[held];
    if (--entry.holders > 0)
        return;
    if (entry.locale == locale_)
        eraseSlot(slotOf(entry.key(), entry.hash));
    liveBytes_ -= entry.keyLength;
    entry = Entry();
    free_.push_back(held);
}

bool SharedCollationKeys::lastKey(uint32_t held, std::string_view& key) const
{
    if (held == none || entries_[held].locale != holder().generation)
        return false;
    key = entries_[held].key();
    return true;
}

void SharedCollationKeys::tidy()
{
    forgetStaleKeys();
    if (blocks_.stored() - liveBytes_ > std::max<size_t>(liveBytes_, size_t(1) << 20))
        repack();
}

void SharedCollationKeys::clear()
{
    std::vector<Entry>().swap(entries_);
    std::vector<uint32_t>().swap(free_);
    std::vector<uint32_t>().swap(slots_);
    blocks_ = KeyBlocks();
    liveBytes_ = 0;
}

void SharedCollationKeys::forgetStaleKeys()
{
    if (locale_ == holder().generation)
        return;
    locale_ = holder().generation;
    std::fill(slots_.begin(), slots_.end(), none);
}

void SharedCollationKeys::repack()
{
    // The old blocks go once every key is out of them.
    const KeyBlocks old = std::exchange(blocks_, KeyBlocks());
    liveBytes_ = 0;
    for (Entry& entry : entries_) {
        if (entry.holders == 0)
            continue;
        char* block = blocks_.room(entry.keyLength);
        std::copy(entry.block, entry.block + entry.keyLength, block);
        entry.block = block;
        liveBytes_ += entry.keyLength;
    }
}

size_t SharedCollationKeys::slotOf(std::string_view key, uint32_t hash) const
{
    const size_t mask = slots_.size() - 1;
    for (size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const uint32_t id = slots_[slot];
        if (id == none)
            return slot;
        const Entry& entry = entries_[id];
        if (entry.hash == hash && entry.key() == key)
            return slot;
    }
}

void SharedCollationKeys::growFor(size_t more)
{
    size_t slots = slots_.size();
    while ((size() + more) * 2 > slots)
        slots = std::max<size_t>(16, slots * 2);
    if (slots == slots_.size())
        return;
    slots_.assign(slots, none);
    const size_t mask = slots_.size() - 1;
    for (size_t id = 0; id < entries_.size(); ++id) {
        if (entries_[id].holders == 0 || entries_[id].locale != locale_)
            continue;
        size_t slot = entries_[id].hash & mask;
        while (slots_[slot] != none)
            slot = (slot + 1) & mask;
        slots_[slot] = uint32_t(id);
    }
}

// Linear probing lets a slot go by moving up the entries after it that may take its place, so
// that no search stops at the hole short of what it looks for.
void SharedCollationKeys::eraseSlot(size_t slot)
{
    const size_t mask = slots_.size() - 1;
    size_t hole = slot;
    for (size_t next = (hole + 1) & mask; slots_[next] != none; next = (next + 1) & mask) {
        const size_t home = entries_[slots_[next]].hash & mask;
        // An entry whose home lies after the hole, up to its own slot, is found without moving.
        const bool stays = hole <= next ? hole < home && home <= next : hole < home || home <= next;
        if (!stays) {
            slots_[hole] = slots_[next];
            hole = next;
        }
    }
    slots_[hole] = none;
}
