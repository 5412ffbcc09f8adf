#include "gedcom/import_log.h"

#include "system/numbers.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t textPageBytes = size_t{64} * 1024;

} // namespace

ImportLog::ImportLog(std::initializer_list<std::string> lines)
{
    for (const std::string& line : lines)
        push_back(line);
}

ImportLog::ImportLog(const ImportLog& other)
{
    *this = other;
}

ImportLog& ImportLog::operator=(const ImportLog& other)
{
    if (this == &other)
        return *this;
    clear();
    for (size_t i = 0; i < other.count_; ++i) {
        const Entry& e = other.entry(i);
        append(e.line, other.texts_[e.text]);
    }
    return *this;
}

void ImportLog::clear()
{
    blocks_.clear();
    count_ = 0;
    pages_.clear();
    pageUsed_ = pageSize_ = 0;
    texts_.clear();
    index_.clear();
}

void ImportLog::add(int lineNumber, std::string_view message)
{
    if (lineNumber == wholeLine) {
        push_back("řádek " + intToStr(lineNumber) + ": " + std::string(message));
        return;
    }
    append(lineNumber, message);
}

void ImportLog::push_back(std::string_view line)
{
    append(wholeLine, line);
}

void ImportLog::append(int32_t line, std::string_view text)
{
    const uint32_t number = textNumber(text);
    if ((count_ & (blockSize - 1)) == 0 && (count_ >> blockBits) == blocks_.size())
        blocks_.push_back(std::make_unique_for_overwrite<Entry[]>(blockSize));
    blocks_[count_ >> blockBits][count_ & (blockSize - 1)] = {line, number};
    ++count_;
}

uint32_t ImportLog::textNumber(std::string_view text)
{
    const auto found = index_.find(text);
    if (found != index_.end())
        return found->second;
    if (text.empty())
        return keep({});
    if (pageSize_ - pageUsed_ < text.size()) {
        pageSize_ = std::max(textPageBytes, text.size());
        pages_.push_back(std::make_unique_for_overwrite<char[]>(pageSize_));
        pageUsed_ = 0;
    }
    char* copy = pages_.back().get() + pageUsed_;
    std::memcpy(copy, text.data(), text.size());
    pageUsed_ += text.size();
    return keep(std::string_view(copy, text.size()));
}

uint32_t ImportLog::keep(std::string_view kept)
{
    const auto number = uint32_t(texts_.size());
    texts_.push_back(kept);
    index_.emplace(kept, number);
    return number;
}

void ImportLog::sortByLine()
{
    std::vector<Entry> entries;
    entries.reserve(count_);
    for (size_t i = 0; i < count_; ++i)
        entries.push_back(entry(i));
    size_t leading = 0;
    while (leading < entries.size() && entries[leading].line == wholeLine)
        ++leading;
    const auto key = [](const Entry& e) { return e.line == wholeLine ? INT64_MAX : int64_t(e.line); };
    std::stable_sort(entries.begin() + std::ptrdiff_t(leading), entries.end(),
                     [&](const Entry& a, const Entry& b) { return key(a) < key(b); });
    for (size_t i = 0; i < count_; ++i)
        blocks_[i >> blockBits][i & (blockSize - 1)] = entries[i];
}

std::string ImportLog::operator[](size_t i) const
{
    std::string line;
    lineInto(i, line);
    return line;
}

void ImportLog::lineInto(size_t i, std::string& line) const
{
    const Entry& e = entry(i);
    line.clear();
    if (e.line != wholeLine) {
        line += "řádek ";
        line += intToStr(e.line);
        line += ": ";
    }
    line += texts_[e.text];
}

std::vector<std::string> ImportLog::lines() const
{
    std::vector<std::string> out;
    out.reserve(count_);
    for (size_t i = 0; i < count_; ++i)
        out.push_back((*this)[i]);
    return out;
}

bool ImportLog::operator==(const ImportLog& o) const
{
    if (count_ != o.count_)
        return false;
    for (size_t i = 0; i < count_; ++i)
        if ((*this)[i] != o[i])
            return false;
    return true;
}

bool ImportLog::operator==(const std::vector<std::string>& o) const
{
    if (count_ != o.size())
        return false;
    for (size_t i = 0; i < count_; ++i)
        if ((*this)[i] != o[i])
            return false;
    return true;
}
