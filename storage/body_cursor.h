#pragma once
// Reading the body of a tree file line by line (storage/tree_file_format.h).
#include <cstddef>
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
    // Whether a byte is left to read.
    bool more() const { return position < size_; }
    // The body's size in bytes.
    size_t size() const { return size_; }

private:
    friend BodyCursor readSavedState(const std::string& fileName);
    friend std::string_view readRawBodyLine(BodyCursor& cursor);
    // The byte at `at`, which must lie in the part read in.
    char byteAt(size_t at) const { return window_[at - base_]; }
    // Reads on until the part read in reaches past `at` (or the body's end), keeping what
    // lies from `keepFrom` on. False at the body's end.
    bool reach(size_t at, size_t keepFrom) { return at < base_ + window_.size() || readOn(at, keepFrom); }
    bool readOn(size_t at, size_t keepFrom);
    // Appends the next piece of the file, as it stands, to the part read in.
    void readPiece();

    int fd_ = -1;
    std::string fileName_;
    size_t size_ = 0;
    // The part read in and decoded, and where in the body it starts.
    std::string window_;
    size_t base_ = 0;
};

// Opens a tree file's body: the four header lines skipped, the byte shift reversed as it is
// read. Raises EInOutError when the file cannot be read and EDamagedTreeFile when it has no body.
BodyCursor readSavedState(const std::string& fileName);

// The next line of the body, as Windows-1250 bytes, without its line end; a line ends at CR
// (its LF is skipped) or at a NUL byte. Past the end an empty line, and the cursor is marked.
// The line stays valid until the next read. Raises EInOutError when the file cannot be read on.
std::string_view readRawBodyLine(BodyCursor& cursor);
// The same as text.
std::string readBodyLine(BodyCursor& cursor);
