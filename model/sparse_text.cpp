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

// Every text held by some field, by number, and the numbers free for reuse.
struct Slots {
    std::vector<SparseText::Text*> texts{nullptr};
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

uint32_t SparseText::place(Text* text)
{
    Slots& all = slots();
    if (!all.free.empty()) {
        uint32_t index = all.free.back();
        all.free.pop_back();
        all.texts[index] = text;
        return index;
    }
    if (all.texts.size() > std::numeric_limits<uint32_t>::max()) {
        delete text;
        throw std::length_error("too many texts");
    }
    all.texts.push_back(text);
    slotBase_ = all.texts.data();
    return static_cast<uint32_t>(all.texts.size() - 1);
}

void SparseText::release()
{
    uint32_t index = index_;
    index_ = 0;
    if (!index)
        return;
    Text* t = slotBase_[index];
    if (--t->holders > 0)
        return;
    if (t->shared)
        table().erase(std::string_view(t->text));
    slotBase_[index] = nullptr;
    slots().free.push_back(index);
    delete t;
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
    if (index_ && slotBase_[index_]->text == text)
        return *this;
    // Found before letting go: `text` may be a view of the text held now.
    uint32_t found = 0;
    if (text.size() > kLongestShared) {
        found = place(new Text{std::string(text), 1, false});
    } else {
        Table& shared = table();
        if (text == "?") {
            // The unknown date part is in every date of a tree: found without a look-up, and
            // held by the table for good.
            static const uint32_t unknown = [] {
                auto* t = new Text{"?", 1, true};
                uint32_t index = place(t);
                table().emplace(std::string_view(t->text), index);
                return index;
            }();
            found = unknown;
            ++slotBase_[found]->holders;
        } else if (auto it = shared.find(text); it != shared.end()) {
            found = it->second;
            ++slotBase_[found]->holders;
        } else {
            auto* t = new Text{std::string(text), 1, true};
            found = place(t);
            shared.emplace(std::string_view(t->text), found);
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
        index_ = place(new Text());
    } else if (Text* t = slotBase_[index_]; t->shared || t->holders > 1) {
        uint32_t own = place(new Text{t->text, 1, false});
        release();
        index_ = own;
    }
    return slotBase_[index_]->text;
}

std::ostream& operator<<(std::ostream& out, const SparseText& text)
{
    return out << text.str();
}
