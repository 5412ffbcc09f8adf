#include "model/sparse_text.h"

#include <limits>
#include <ostream>
#include <stdexcept>
#include <string_view>
#include <unordered_map>
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

using Table = std::unordered_map<std::string_view, uint32_t>;

Table& table()
{
    static Table* shared = new Table();
    return *shared;
}

} // namespace

const std::string& SparseText::none()
{
    static const std::string empty;
    return empty;
}

size_t SparseText::sharedCount()
{
    return table().size();
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
        table().erase(std::string_view(t.text));
    std::string().swap(t.text); // gives the letters' storage back
    t.shared = false;
    slots().free.push_back(index);
}

SparseText& SparseText::operator=(const SparseText& other)
{
    if (index_ != other.index_) {
        other.hold();
        release();
        index_ = other.index_;
    }
    return *this;
}

SparseText& SparseText::operator=(SparseText&& other) noexcept
{
    if (this != &other) {
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
                table().emplace(std::string_view(at(index).text), index);
                return index;
            }();
            found = unknown;
            ++at(found).holders;
        } else if (auto it = shared.find(text); it != shared.end()) {
            found = it->second;
            ++at(found).holders;
        } else {
            found = place(std::string(text), true);
            shared.emplace(std::string_view(at(found).text), found);
        }
    }
    release();
    index_ = found;
    return *this;
}

SparseText& SparseText::operator+=(std::string_view more)
{
    if (!more.empty())
        assign(str() + std::string(more));
    return *this;
}

std::string& SparseText::edit()
{
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
