#include "model/sparse_text.h"

#include <cstring>
#include <limits>
#include <ostream>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// Texts longer than this seldom recur (notes, addresses), so each keeps one of its own rather
// than an entry in the table of shared texts.
constexpr size_t kLongestShared = 40;

// The blocks of the table, how many numbers were ever given out, and the numbers free for reuse.
struct Slots {
    std::vector<SparseText::Text*> blocks;
    uint32_t used = 1; // number 0 is "no text"
    std::vector<uint32_t> free;
};

// Never destroyed: persons freed by other static objects at exit still let go of their texts.
Slots& slots()
{
    static Slots* all = new Slots();
    return *all;
}

// The shared texts by their letters. Open addressing with linear probing: a slot holds the
// text's number and its hash, so a look-up reads one slot and the text it names, where a map of
// nodes walked three scattered places per text of every person a big tree reads.
class Table {
public:
    size_t size() const { return used_; }

    // The number of the shared text with these letters, or 0; `textOf` reads a number's text.
    template<class TextOf> uint32_t find(std::string_view text, uint32_t hash, const TextOf& textOf) const
    {
        if (slots_.empty())
            return 0;
        for (size_t i = hash & mask(); slots_[i].index; i = (i + 1) & mask())
            if (slots_[i].hash == hash && textOf(slots_[i].index) == text)
                return slots_[i].index;
        return 0;
    }

    // Lists a text that is not listed yet.
    void insert(uint32_t index, uint32_t hash)
    {
        if ((used_ + 1) * 2 > slots_.size())
            grow();
        size_t i = hash & mask();
        while (slots_[i].index)
            i = (i + 1) & mask();
        slots_[i] = Slot{index, hash};
        ++used_;
    }

    void erase(uint32_t index, uint32_t hash)
    {
        if (slots_.empty())
            return;
        size_t i = hash & mask();
        while (slots_[i].index && slots_[i].index != index)
            i = (i + 1) & mask();
        if (!slots_[i].index)
            return;
        // The texts after it that were pushed past their own slot move back, so that no look-up
        // stops at the hole.
        for (size_t j = (i + 1) & mask(); slots_[j].index; j = (j + 1) & mask()) {
            const size_t home = slots_[j].hash & mask();
            const bool homeBetween = i <= j ? (home > i && home <= j) : (home > i || home <= j);
            if (!homeBetween) {
                slots_[i] = slots_[j];
                i = j;
            }
        }
        slots_[i] = Slot{};
        --used_;
    }

private:
    struct Slot {
        uint32_t index = 0; // 0: empty
        uint32_t hash = 0;
    };
    size_t mask() const { return slots_.size() - 1; }
    void grow()
    {
        std::vector<Slot> old =
            std::exchange(slots_, std::vector<Slot>(slots_.empty() ? 1024 : slots_.size() * 2));
        for (const Slot& s : old)
            if (s.index) {
                size_t i = s.hash & mask();
                while (slots_[i].index)
                    i = (i + 1) & mask();
                slots_[i] = s;
            }
    }

    std::vector<Slot> slots_;
    size_t used_ = 0;
};

Table& table()
{
    static Table* shared = new Table();
    return *shared;
}

// Short texts eight bytes a step; good enough to spread the few hundred thousand texts a
// tree shares.
uint32_t hashOf(std::string_view text)
{
    uint64_t h = 0x9E3779B97F4A7C15ull ^ text.size();
    const char* p = text.data();
    size_t n = text.size();
    for (; n >= 8; p += 8, n -= 8) {
        uint64_t word;
        std::memcpy(&word, p, 8);
        h = (h ^ word) * 0xBF58476D1CE4E5B9ull;
        h ^= h >> 29;
    }
    uint64_t last = 0;
    std::memcpy(&last, p, n);
    h = (h ^ last) * 0x94D049BB133111EBull;
    return static_cast<uint32_t>(h ^ (h >> 32));
}

} // namespace

size_t SparseText::sharedCount()
{
    return table().size();
}

uint32_t SparseText::slotLimit()
{
    return slots().used;
}

uint32_t SparseText::place(std::string text, bool shared)
{
    Slots& all = slots();
    uint32_t index;
    if (!all.free.empty()) {
        index = all.free.back();
        all.free.pop_back();
    } else {
        if (all.used == std::numeric_limits<uint32_t>::max())
            throw std::length_error("too many texts");
        index = all.used;
        if ((index >> kBlockBits) == all.blocks.size()) {
            all.blocks.push_back(new Text[size_t(1) << kBlockBits]);
            blocks_ = all.blocks.data();
        }
        ++all.used;
    }
    Text& t = at(index);
    t.text = std::move(text);
    t.holders = 1;
    t.shared = shared;
    return index;
}

void SparseText::release()
{
    uint32_t index = index_;
    index_ = 0;
    if (!index)
        return;
    Text& t = at(index);
    if (--t.holders > 0)
        return;
    if (t.shared)
        table().erase(index, hashOf(t.text));
    std::string().swap(t.text); // gives the letters' storage back
    t.shared = false;
    slots().free.push_back(index);
}

SparseText& SparseText::operator=(const SparseText& other)
{
    if (index_ != other.index_) {
        ++writes_;
        other.hold();
        release();
        index_ = other.index_;
    }
    return *this;
}

SparseText& SparseText::operator=(SparseText&& other) noexcept
{
    if (this != &other) {
        ++writes_;
        release();
        index_ = other.index_;
        other.index_ = 0;
    }
    return *this;
}

SparseText& SparseText::assign(std::string_view text)
{
    if (text.empty()) {
        release();
        return *this;
    }
    if (index_ && at(index_).text == text)
        return *this;
    // Found before letting go: `text` may be a view of the text held now.
    uint32_t found = 0;
    if (text.size() > kLongestShared) {
        found = place(std::string(text), false);
    } else {
        Table& shared = table();
        if (text == "?") {
            // The unknown date part is in every date of a tree: found without a look-up, and
            // held by the table for good.
            static const uint32_t unknown = [] {
                uint32_t index = place("?", true);
                table().insert(index, hashOf("?"));
                return index;
            }();
            found = unknown;
            ++at(found).holders;
        } else {
            const uint32_t hash = hashOf(text);
            found = shared.find(text, hash, [](uint32_t i) -> const std::string& { return at(i).text; });
            if (found) {
                ++at(found).holders;
            } else {
                found = place(std::string(text), true);
                shared.insert(found, hash);
            }
        }
    }
    release();
    index_ = found;
    return *this;
}

SparseText& SparseText::operator+=(std::string_view more)
{
    if (!more.empty())
        ++writes_, assign(str() + std::string(more));
    return *this;
}

std::string& SparseText::edit()
{
    ++writes_;
    if (!index_) {
        index_ = place(std::string(), false);
    } else if (const Text& t = at(index_); t.shared || t.holders > 1) {
        uint32_t own = place(t.text, false);
        release();
        index_ = own;
    }
    return at(index_).text;
}

std::ostream& operator<<(std::ostream& out, const SparseText& text)
{
    return out << text.str();
}
