#include "storage/body_out.h"

#include "storage/tree_file_format.h"
#include "system/codec.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>

namespace {

constexpr size_t pieceSize = size_t(1) << 20;
// CR LF as they stand in the body: each byte one higher.
constexpr std::string_view shiftedLineEnd = "\x0e\x0b";

} // namespace

void BodyOut::number(long long value)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    line(std::string_view(digits, static_cast<size_t>(end - digits)));
}

BodyBytes::BodyBytes(Put put) : put_(std::move(put))
{
    room(pieceSize + 4096);
    for (std::string_view header : {savedStateTitle, savedStateNote, savedStateVersion, std::string_view()}) {
        char* at = room(header.size() + 2);
        std::copy(header.begin(), header.end(), at);
        std::memcpy(at + header.size(), "\r\n", 2);
        used_ += header.size() + 2;
    }
}

char* BodyBytes::room(size_t more)
{
    if (capacity_ - used_ < more) {
        const size_t capacity = std::max(capacity_ * 2, used_ + more);
        std::unique_ptr<char[]> bigger(new char[capacity]);
        if (used_)
            std::memcpy(bigger.get(), buffer_.get(), used_);
        buffer_ = std::move(bigger);
        capacity_ = capacity;
    }
    return buffer_.get() + used_;
}

void BodyBytes::flush()
{
    put_(std::string_view(buffer_.get(), used_));
    used_ = 0;
}

namespace {

// Whether every byte of the text is ASCII from 0x0E on and none is "&": the text is then its
// own Windows-1250 bytes, holds nothing to blank, and its shift carries into no other byte.
bool isPlainLine(std::string_view text)
{
    constexpr uint64_t ones = 0x0101010101010101ull;
    constexpr uint64_t highs = 0x8080808080808080ull;
    const char* p = text.data();
    size_t n = text.size();
    for (; n >= 8; p += 8, n -= 8) {
        uint64_t word;
        std::memcpy(&word, p, 8);
        const uint64_t amp = word ^ (ones * '&');
        if ((word | ((amp - ones) & ~amp) | ((word - ones * 0x0E) & ~word)) & highs)
            return false;
    }
    for (; n > 0; ++p, --n) {
        const auto c = static_cast<unsigned char>(*p);
        if (c >= 0x80 || c < 0x0E || c == '&')
            return false;
    }
    return true;
}

} // namespace

void BodyBytes::line(std::string_view text)
{
    if (isPlainLine(text)) {
        // Most lines of a big tree: shifted as they are copied, eight bytes a step.
        const size_t n = text.size();
        char* to = room(n + shiftedLineEnd.size());
        size_t i = 0;
        for (; i + 8 <= n; i += 8) {
            uint64_t word;
            std::memcpy(&word, text.data() + i, 8);
            word += 0x0101010101010101ull;
            std::memcpy(to + i, &word, 8);
        }
        for (; i < n; ++i)
            to[i] = static_cast<char>(text[i] + 1);
        std::memcpy(to + n, shiftedLineEnd.data(), shiftedLineEnd.size());
        used_ += n + shiftedLineEnd.size();
    } else {
        converted_.clear();
        appendAsCp1250WithReferences(converted_, text);
        const size_t n = converted_.size();
        auto* to = reinterpret_cast<unsigned char*>(room(n + shiftedLineEnd.size()));
        const auto* from = reinterpret_cast<const unsigned char*>(converted_.data());
        // One pass without branches over the line's bytes.
        for (size_t i = 0; i < n; ++i) {
            const unsigned char c = from[i];
            const bool breaksLine = c == '\r' || c == '\n' || c == '\0';
            to[i] = static_cast<unsigned char>((breaksLine ? ' ' : c) + 1);
        }
        std::memcpy(to + n, shiftedLineEnd.data(), shiftedLineEnd.size());
        used_ += n + shiftedLineEnd.size();
    }
    if (used_ >= pieceSize)
        flush();
}

void BodyBytes::finish()
{
    std::memcpy(room(2), "\r\n", 2);
    used_ += 2;
    flush();
}
