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
        at[header.size()] = '\r';
        at[header.size() + 1] = '\n';
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

namespace {

// "˙" is the code page's byte 0xFF, which the shift turns into a zero byte, and a long run of
// zero bytes is what the loader takes for a damaged stretch of the file. Every letter after the
// longest run allowed is written as its reference instead, which reads back as the same letter.
void breakLongFFRuns(std::string& cp1250)
{
    size_t run = 0;
    size_t i = 0;
    for (; i < cp1250.size(); ++i) {
        run = static_cast<unsigned char>(cp1250[i]) == 0xFF ? run + 1 : 0;
        if (run > longestFFRun)
            break;
    }
    if (i == cp1250.size())
        return;
    std::string out(cp1250, 0, i);
    run = longestFFRun;
    for (; i < cp1250.size(); ++i) {
        const bool ff = static_cast<unsigned char>(cp1250[i]) == 0xFF;
        run = ff ? run + 1 : 0;
        if (ff && run > longestFFRun) {
            out += "&#729;";
            run = 0;
        } else {
            out += cp1250[i];
        }
    }
    cp1250 = std::move(out);
}

} // namespace

void BodyBytes::flush()
{
    put_(std::string_view(buffer_.get(), used_));
    used_ = 0;
}

namespace {

constexpr uint64_t ones = 0x0101010101010101ull;

// The high bit of each byte that is not ASCII from 0x0E on, or is an "&" (a flag above such a
// byte may be false, which does not matter: one is enough). A line without one is its own
// Windows-1250 bytes, holds nothing to blank, and its shift carries into no other byte.
uint64_t notPlain(uint64_t word)
{
    const uint64_t amp = word ^ (ones * '&');
    return (word | ((amp - ones) & ~amp) | ((word - ones * 0x0E) & ~word)) & 0x8080808080808080ull;
}

} // namespace

void BodyBytes::line(std::string_view text)
{
    const char* from = text.data();
    const size_t n = text.size();
    // Most lines of a big tree: tested and shifted a word at a time as they are copied. A short
    // line is one word (the bytes above it are overwritten by the line end or lie past the
    // end); a longer one ends with a word that overlaps the one before.
    bool plain;
    if (n < 8) {
        const uint64_t word = shortWordAt(from, n);
        plain = !(notPlain(word) & ((uint64_t(1) << (n * 8)) - 1));
        if (plain) {
            const uint64_t shifted = word + ones;
            std::memcpy(room(8 + shiftedLineEnd.size()), &shifted, 8);
        }
    } else {
        uint64_t any = 0;
        uint64_t word;
        for (size_t i = 0; i + 8 <= n; i += 8) {
            std::memcpy(&word, from + i, 8);
            any |= notPlain(word);
        }
        std::memcpy(&word, from + n - 8, 8);
        plain = !(any | notPlain(word));
        if (plain) {
            char* to = room(n + shiftedLineEnd.size());
            for (size_t i = 0; i + 8 <= n; i += 8) {
                std::memcpy(&word, from + i, 8);
                word += ones;
                std::memcpy(to + i, &word, 8);
            }
            std::memcpy(&word, from + n - 8, 8);
            word += ones;
            std::memcpy(to + n - 8, &word, 8);
        }
    }
    if (!plain) {
        converted_.clear();
        appendAsCp1250WithReferences(converted_, text);
        breakLongFFRuns(converted_);
        const size_t length = converted_.size();
        auto* to = reinterpret_cast<unsigned char*>(room(length + shiftedLineEnd.size()));
        const auto* bytes = reinterpret_cast<const unsigned char*>(converted_.data());
        for (size_t i = 0; i < length; ++i) {
            const unsigned char c = bytes[i];
            const bool breaksFile = c == '\r' || c == '\n' || c == '\0';
            to[i] = static_cast<unsigned char>((breaksFile ? ' ' : c) + 1);
        }
        used_ += length;
    } else {
        used_ += n;
    }
    std::memcpy(buffer_.get() + used_, shiftedLineEnd.data(), shiftedLineEnd.size());
    used_ += shiftedLineEnd.size();
    if (used_ >= pieceSize)
        flush();
}

void BodyBytes::finish()
{
    std::memcpy(room(2), "\r\n", 2);
    used_ += 2;
    flush();
}
