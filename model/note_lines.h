#pragma once
// The lines of one of a person's two lists of notes (the free texts, the register notes), read
// where they are kept: packed one after another in the person's block of notes
// (model/note_block.h), each line its length and then its bytes. It reads like a list of lines
// and holds nothing of its own: it is valid until the person's notes next change.
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

// Which of a person's two lists: the values index the block's lists.
enum class NoteList : uint8_t { furtherTexts, registerNotes };

class NoteLines {
public:
    class iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::string_view;

        iterator() = default;
        std::string_view operator*() const;
        iterator& operator++();
        iterator operator++(int)
        {
            iterator was = *this;
            ++*this;
            return was;
        }
        bool operator==(const iterator&) const = default;

    private:
        friend class NoteLines;
        explicit iterator(const unsigned char* at) : at_(at) { }
        const unsigned char* at_ = nullptr;
    };
    using const_iterator = iterator;
    using value_type = std::string_view;
    using size_type = size_t;

    // No lines.
    NoteLines() = default;

    // Counts the lines: a person's list is a few of them.
    size_t size() const;
    bool empty() const { return byteCount_ == 0; }
    iterator begin() const { return iterator(bytes_); }
    iterator end() const { return iterator(bytes_ + byteCount_); }
    // Counts from the first line on: a loop over all of them iterates instead.
    std::string_view operator[](size_t i) const;

    // A copy that outlives the person's notes (an undo record, a memo's text).
    std::vector<std::string> toVector() const;

    friend bool operator==(const NoteLines& a, const NoteLines& b);
    friend bool operator==(const NoteLines& a, const std::vector<std::string>& b);

    // A line's length, written before its bytes: seven bits a byte, the lowest first, the high
    // bit set on every byte but the last (a line of fewer than 128 bytes takes one).
    static size_t lengthSize(size_t length);
    static unsigned char* putLength(unsigned char* at, size_t length);
    static const unsigned char* getLength(const unsigned char* at, size_t& length);

private:
    friend class NoteBlock;
    NoteLines(const unsigned char* bytes, uint32_t byteCount) : bytes_(bytes), byteCount_(byteCount) { }

    const unsigned char* bytes_ = nullptr;
    uint32_t byteCount_ = 0;
};
