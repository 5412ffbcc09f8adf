#include "model/sparse_text.h"

#include <ostream>
#include <string_view>
#include <unordered_map>

namespace {

// Texts longer than this seldom recur (notes, addresses), so each keeps one of its own rather
// than an entry in the table.
constexpr size_t kLongestShared = 40;

using Table = std::unordered_map<std::string_view, SparseText::Text*>;

// Never destroyed: persons freed by other static objects at exit still let go of their texts.
Table& table()
{
    static Table* shared = new Table();
    return *shared;
}

// The unknown date part, in every date of a tree: found without a look-up.
SparseText::Text* unknownPart()
{
    static SparseText::Text* text = [] {
        auto* t = new SparseText::Text{"?", 1, true};
        table().emplace(std::string_view(t->text), t);
        return t;
    }();
    return text;
}

SparseText::Text* lookUp(std::string_view text)
{
    if (text == "?") {
        SparseText::Text* t = unknownPart();
        ++t->holders;
        return t;
    }
    if (text.size() > kLongestShared)
        return new SparseText::Text{std::string(text), 1, false};
    Table& shared = table();
    if (auto it = shared.find(text); it != shared.end()) {
        ++it->second->holders;
        return it->second;
    }
    auto* t = new SparseText::Text{std::string(text), 1, true};
    shared.emplace(std::string_view(t->text), t);
    return t;
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

void SparseText::release()
{
    Text* t = text_;
    text_ = nullptr;
    if (!t || --t->holders > 0)
        return;
    if (t->shared)
        table().erase(std::string_view(t->text));
    delete t;
}

SparseText& SparseText::operator=(const SparseText& other)
{
    if (text_ != other.text_) {
        other.hold();
        release();
        text_ = other.text_;
    }
    return *this;
}

SparseText& SparseText::operator=(SparseText&& other) noexcept
{
    if (this != &other) {
        release();
        text_ = other.text_;
        other.text_ = nullptr;
    }
    return *this;
}

SparseText& SparseText::assign(std::string_view text)
{
    if (text.empty()) {
        release();
        return *this;
    }
    if (text_ && text_->text == text)
        return *this;
    // Looked up before letting go: `text` may be a view of the text held now.
    Text* found = lookUp(text);
    release();
    text_ = found;
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
    if (!text_) {
        text_ = new Text();
    } else if (text_->shared || text_->holders > 1) {
        Text* own = new Text{text_->text, 1, false};
        release();
        text_ = own;
    }
    return text_->text;
}

std::ostream& operator<<(std::ostream& out, const SparseText& text)
{
    return out << text.str();
}
