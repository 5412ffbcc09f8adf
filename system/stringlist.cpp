#include "system/stringlist.h"

#include "system/codec.h"
#include "system/collation.h"
#include "system/exceptions.h"
#include "system/fileio.h"

#include <algorithm>

std::atomic<std::uint64_t> TStringList::Revision::next{1};

TStringList::TStringList(std::initializer_list<std::string> lines)
{
    for (const auto& l : lines)
        items_.push_back({l, nullptr, false});
    revision_.renew();
}

void TStringList::checkIndex(int index) const
{
    if (index < 0 || index >= Count())
        throw Exception("List index out of bounds (" + std::to_string(index) + ")");
}

void TStringList::changed()
{
    revision_.renew();
    if (OnChange)
        OnChange();
}

const std::string& TStringList::operator[](int index) const
{
    checkIndex(index);
    return items_[static_cast<size_t>(index)].text;
}

void TStringList::setString(int index, const std::string& text)
{
    checkIndex(index);
    items_[static_cast<size_t>(index)].text = text;
    changed();
}

void* TStringList::Objects(int index) const
{
    checkIndex(index);
    return items_[static_cast<size_t>(index)].object;
}

void TStringList::setObject(int index, void* object)
{
    checkIndex(index);
    items_[static_cast<size_t>(index)].object = object;
    revision_.renew();
}

bool TStringList::lineFlag(int index) const
{
    checkIndex(index);
    return items_[static_cast<size_t>(index)].flag;
}

void TStringList::setLineFlag(int index, bool flag)
{
    checkIndex(index);
    items_[static_cast<size_t>(index)].flag = flag;
    revision_.renew();
}

int TStringList::Add(const std::string& text)
{
    return AddObject(text, nullptr);
}

int TStringList::AddObject(const std::string& text, void* object)
{
    size_t at = items_.size();
    if (sorted_) {
        auto it =
            std::upper_bound(items_.begin(), items_.end(), text, [](const std::string& t, const Item& i) {
                return compareCollated(t, i.text) < 0;
            });
        at = static_cast<size_t>(it - items_.begin());
    }
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), Item{text, object, false});
    changed();
    return static_cast<int>(at);
}

void TStringList::Insert(int index, const std::string& text)
{
    if (index < 0 || index > Count())
        throw Exception("List index out of bounds (" + std::to_string(index) + ")");
    items_.insert(items_.begin() + index, Item{text, nullptr, false});
    changed();
}

void TStringList::Delete(int index)
{
    checkIndex(index);
    items_.erase(items_.begin() + index);
    changed();
}

void TStringList::Clear()
{
    if (items_.empty())
        return;
    items_.clear();
    changed();
}

void TStringList::Assign(const TStringList& other)
{
    if (this == &other)
        return;
    items_ = other.items_;
    if (sorted_)
        Sort();
    changed();
}

void TStringList::Exchange(int a, int b)
{
    checkIndex(a);
    checkIndex(b);
    std::swap(items_[static_cast<size_t>(a)], items_[static_cast<size_t>(b)]);
    changed();
}

int TStringList::IndexOf(const std::string& text) const
{
    for (size_t i = 0; i < items_.size(); ++i)
        if (compareCollated(items_[i].text, text) == 0)
            return static_cast<int>(i);
    return -1;
}

int TStringList::IndexOfObject(const void* object) const
{
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].object == object)
            return static_cast<int>(i);
    return -1;
}

void TStringList::Sort()
{
    std::stable_sort(items_.begin(), items_.end(),
                     [](const Item& a, const Item& b) { return compareCollated(a.text, b.text) < 0; });
    changed();
}

void TStringList::setSorted(bool sorted)
{
    if (sorted && !sorted_) {
        sorted_ = true;
        Sort();
    } else {
        sorted_ = sorted;
    }
}

std::string TStringList::Text() const
{
    std::string out;
    for (const auto& i : items_) {
        out += i.text;
        out += "\r\n";
    }
    return out;
}

void TStringList::setText(const std::string& text)
{
    items_.clear();
    for (auto& l : splitLines(text))
        items_.push_back({std::move(l), nullptr, false});
    if (sorted_)
        Sort();
    else
        changed();
}

void TStringList::LoadFromFile(const std::string& path)
{
    setText(cp1250ToUtf8(readFileBytes(path)));
}

void TStringList::SaveToFile(const std::string& path) const
{
    writeCp1250Lines(path, lines());
}

std::vector<std::string> TStringList::lines() const
{
    std::vector<std::string> out;
    out.reserve(items_.size());
    for (const auto& i : items_)
        out.push_back(i.text);
    return out;
}
