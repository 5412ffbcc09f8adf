#include "model/note_lines.h"

#include <algorithm>
#include <cstring>

size_t NoteLines::lengthSize(size_t length)
{
    size_t size = 1;
    for (; length >= 0x80; length >>= 7)
        ++size;
    return size;
}

unsigned char* NoteLines::putLength(unsigned char* at, size_t length)
{
    for (; length >= 0x80; length >>= 7)
        *at++ = static_cast<unsigned char>(length | 0x80);
    *at++ = static_cast<unsigned char>(length);
    return at;
}

const unsigned char* NoteLines::getLength(const unsigned char* at, size_t& length)
{
    length = 0;
    for (unsigned shift = 0;; shift += 7) {
        const unsigned char byte = *at++;
        length |= static_cast<size_t>(byte & 0x7f) << shift;
        if (!(byte & 0x80))
            return at;
    }
}

std::string_view NoteLines::iterator::operator*() const
{
    size_t length;
    const unsigned char* text = getLength(at_, length);
    return {reinterpret_cast<const char*>(text), length};
}

NoteLines::iterator& NoteLines::iterator::operator++()
{
    size_t length;
    at_ = getLength(at_, length) + length;
    return *this;
}

size_t NoteLines::size() const
{
    return static_cast<size_t>(std::distance(begin(), end()));
}

std::string_view NoteLines::operator[](size_t i) const
{
    return *std::next(begin(), static_cast<std::ptrdiff_t>(i));
}

std::vector<std::string> NoteLines::toVector() const
{
    std::vector<std::string> lines;
    for (std::string_view line : *this)
        lines.emplace_back(line);
    return lines;
}

// The same lines are the same bytes: the lengths have one way of being written.
bool operator==(const NoteLines& a, const NoteLines& b)
{
    return a.byteCount_ == b.byteCount_ &&
           (a.byteCount_ == 0 || std::memcmp(a.bytes_, b.bytes_, a.byteCount_) == 0);
}

bool operator==(const NoteLines& a, const std::vector<std::string>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}
