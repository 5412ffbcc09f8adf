#pragma once
// Reading the body of a tree file line by line (storage/tree_file_format.h).
#include "storage/tree_file_format.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

// The decoded body of a tree file and the place of the next line. A file is read a piece at a
// time as the lines are asked for, so a big tree's file is never held whole beside the tree it
// becomes.
class BodyCursor {
public:
    BodyCursor() = default;
    BodyCursor(BodyCursor&&) noexcept;
    BodyCursor& operator=(BodyCursor&&) noexcept;
    ~BodyCursor();

    // Place (from the body's start) of the next byte to read.
    size_t position = 0;
    // Set when a read wanted a line past the end: the file was cut short.
    bool overrun = false;
    // Whether the line read last was ended by a CR, not by the end of the body.
    bool lineEndedByCr = false;
    // Set when a line ended at a NUL byte, which no tree file holds: the file is damaged.
    bool strayNul = false;
    // How many lines were read, the last one included.
    size_t lines = 0;
    // Where in the body the first run of `longestFFRun` + 1 zero bytes of the file starts, as far
    // as the body is read in; SIZE_MAX while there is none.
    size_t zeroedRunAt = SIZE_MAX;
    // Whether a byte is left to read.
    bool more() const { return position < size_; }
    // The body's size in bytes.
    size_t size() const { return size_; }
    // The last line read that was not empty (as readRawBodyLine gave it), or an empty line.
    // Kept while the window moves on, without a copy of every line read.
    std::string_view lastNonEmptyLine() const
    {
        return lastCopied_ ? std::string_view(lastCopy_) : std::string_view(at(lastStart_), lastLength_);
    }

private:
    friend BodyCursor readSavedState(const std::string& fileName);
    friend std::string_view readRawBodyLine(BodyCursor& cursor);
    friend std::string_view readRawBodyLineSlowly(BodyCursor& cursor);
    // The byte at `at`, which must lie in the part read in.
    const char* at(size_t place) const { return window_.get() + (place - base_); }
    char byteAt(size_t place) const { return *at(place); }
    size_t placeOf(const char* byte) const { return base_ + static_cast<size_t>(byte - window_.get()); }
    // Where the part read in ends, in the body.
    size_t windowEnd() const { return base_ + filled_; }
    // Reads on until the part read in reaches past `at` (or the body's end), keeping what
    // lies from `keepFrom` on. False at the body's end.
    bool reach(size_t place, size_t keepFrom) { return place < windowEnd() || readOn(place, keepFrom); }
    bool readOn(size_t place, size_t keepFrom);
    // Appends the next piece of the file, as it stands, to the part read in.
    void readPiece();
    // Room for `more` bytes after those read in. The bytes are never cleared first: each is
    // read into at once.
    void makeRoom(size_t more);
    // Drops the first `count` bytes of the part read in.
    void drop(size_t count);
    // Looks for a zeroed run in what was read in from `from` on (a place in the body).
    void lookForZeroedRun(size_t from);

    int fd_ = -1;
    std::string fileName_;
    size_t size_ = 0;
    // The part read in and decoded (`filled_` bytes of `capacity_`), and where in the body it
    // starts.
    std::unique_ptr<char[]> window_;
    size_t capacity_ = 0;
    size_t filled_ = 0;
    size_t base_ = 0;
    // The last line that was not empty: its place while the window holds it, else a copy.
    size_t lastStart_ = 0;
    size_t lastLength_ = 0;
    bool lastCopied_ = true;
    std::string lastCopy_;
    // A run of zeroed bytes that reaches the end of what is read in, not yet long enough.
    size_t runStart_ = SIZE_MAX;
    size_t runLength_ = 0;
};

// Opens a tree file's body: the four header lines skipped, the byte shift reversed as it is
// read. Raises EInOutError when the file cannot be read and EDamagedTreeFile when it has no body.
BodyCursor readSavedState(const std::string& fileName);

// The first byte in [from, to) that ends a line (NUL or CR), or `to`. Eight bytes a step: a
// big tree's body is hundreds of megabytes of short lines.
inline const char* bodyLineEnd(const char* from, const char* to)
{
    constexpr uint64_t ones = 0x0101010101010101ull;
    constexpr uint64_t highs = 0x8080808080808080ull;
    constexpr uint64_t crs = ones * '\r';
    for (; to - from >= 8; from += 8) {
        uint64_t word;
        std::memcpy(&word, from, 8);
        const uint64_t cr = word ^ crs;
        // The lowest byte flagged is the first NUL or CR; a flag above it may be false.
        const uint64_t found = ((word - ones) & ~word & highs) | ((cr - ones) & ~cr & highs);
        if (found) {
            if constexpr (std::endian::native == std::endian::little)
                return from + std::countr_zero(found) / 8;
            break;
        }
    }
    while (from != to && *from != '\0' && *from != '\r')
        ++from;
    return from;
}

// The next line of the body, as Windows-1250 bytes, without its line end; a line ends at CR
// (and the LF after it, when there is one) or at a NUL byte, which marks the cursor. Past the
// end an empty line, and the cursor is marked.
// The line stays valid until the next read. Raises EInOutError when the file cannot be read on.
inline std::string_view readRawBodyLine(BodyCursor& c);
// The same for every case: reading on, the body's end, a file cut short.
std::string_view readRawBodyLineSlowly(BodyCursor& cursor);

[[gnu::always_inline]] inline std::string_view readRawBodyLine(BodyCursor& c)
{
    // Inline for the common case, a line whose end and the byte after it lie in the part read
    // in, before the body's end: a call for each of tens of millions of lines shows.
    const size_t start = c.position;
    if (start + 1 < c.size_ && start < c.windowEnd()) {
        const size_t to = std::min(c.windowEnd(), c.size_ - 1);
        const size_t stop = c.placeOf(bodyLineEnd(c.at(start), c.at(to)));
        if (stop + 1 < to && c.byteAt(stop) == '\r' && c.byteAt(stop + 1) == '\n') {
            c.lineEndedByCr = true;
            c.position = stop + 2;
            ++c.lines;
            if (stop > start) {
                c.lastStart_ = start;
                c.lastLength_ = stop - start;
                c.lastCopied_ = false;
            }
            return std::string_view(c.at(start), stop - start);
        }
    }
    return readRawBodyLineSlowly(c);
}
// The same as text.
std::string readBodyLine(BodyCursor& cursor);
