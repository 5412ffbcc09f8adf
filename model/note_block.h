#pragma once
// Both lists of a person's notes in one allocation: a header with each list's length in bytes,
// then the free texts' lines and after them the register notes', each line as
// `NoteLines` reads it (its length, then its bytes). A person with two short lines pays for one
// block instead of a vector and a string for each line. A block is never changed in place: a
// change makes the whole block anew, so a writer collects a person's lines and writes them at
// once rather than line by line.
#include "model/note_lines.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>

class NoteBlock;

struct NoteBlockDelete {
    void operator()(NoteBlock* block) const noexcept;
};
using NoteBlockPtr = std::unique_ptr<NoteBlock, NoteBlockDelete>;

class NoteBlock {
public:
    NoteLines lines(NoteList which) const;

    // A block holding `old`'s other list as it is and, as list `which`, `lines` in place of
    // `old`'s (or after them, when `append`); null when both lists come out empty. `old` (null
    // for none) is not changed. Raises std::length_error for a list of 4 GiB or more.
    static NoteBlockPtr rebuilt(const NoteBlock* old, NoteList which, std::span<const std::string> lines,
                                bool append);

private:
    NoteBlock() = default;
    const unsigned char* bytes() const { return reinterpret_cast<const unsigned char*>(this + 1); }
    unsigned char* bytes() { return reinterpret_cast<unsigned char*>(this + 1); }

    static constexpr size_t listCount = 2;
    uint32_t byteCount_[listCount] = {};
};
