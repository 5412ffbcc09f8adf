#pragma once
// GEDCOM lines as UTF-8 bytes with CR LF ends, within the format's 255 characters a line. A value
// too long for its line goes on in CONC lines, each cut between two characters and away from
// blanks (readers may trim a line's ends); a line break in a value starts a CONT line; a literal
// "@" is written doubled, so no value is read as a cross-reference.
#include <functional>
#include <string>
#include <string_view>

class GedcomLines {
public:
    // `expectedBytes` is room made at once, so a big file is not copied as it grows.
    explicit GedcomLines(size_t expectedBytes = 0) { out_.reserve(expectedBytes); }

    // From here on the lines are handed to `sink` whenever about `pieceBytes` have gathered, so
    // a big file is written through one small buffer instead of being held whole. After the sink
    // fails once it is not called again. finish() hands over the rest and says whether every
    // piece was taken.
    void streamTo(std::function<bool(std::string_view)> sink, size_t pieceBytes);
    bool finish();
    // "level tag value"; "level tag" alone for an empty value.
    void line(int level, std::string_view tag, std::string_view value = {});
    // A line written as it is: record heads and cross-references, never user text.
    void raw(std::string_view text);

    const std::string& bytes() const { return out_; }
    std::string take() { return std::move(out_); }

    // The longest line, in bytes, before its CR LF.
    static constexpr size_t maxLineBytes = 253;

private:
    void segment(int level, std::string_view tag, std::string_view text);
    void handOver()
    {
        if (sink_ && out_.size() >= pieceBytes_)
            flush();
    }
    void flush();

    std::string out_;
    std::function<bool(std::string_view)> sink_;
    size_t pieceBytes_ = 0;
    bool failed_ = false;
};

// How many bytes of `text` go into a line that has room for `room` bytes once every "@" is
// doubled: all of it when it fits; else a cut between two characters, after the last character
// that is not followed or preceded by a blank when there is one.
size_t gedcomCut(std::string_view text, size_t room);
