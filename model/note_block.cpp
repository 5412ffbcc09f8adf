#include "model/note_block.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>
#include <stdexcept>

void NoteBlockDelete::operator()(NoteBlock* block) const noexcept
{
    ::operator delete(static_cast<void*>(block));
}

NoteLines NoteBlock::lines(NoteList which) const
{
    const size_t k = static_cast<size_t>(which);
    const uint32_t skipped = k == 0 ? 0 : byteCount_[0];
    return NoteLines(bytes() + skipped, byteCount_[k]);
}

NoteBlockPtr NoteBlock::rebuilt(const NoteBlock* old, NoteList which, std::span<const std::string> lines,
                                bool append)
{
    const size_t w = static_cast<size_t>(which);
    size_t byteCount[listCount] = {};
    bool keep[listCount] = {};
    for (size_t k = 0; k < listCount; ++k) {
        keep[k] = old && (k != w || append);
        if (keep[k])
            byteCount[k] = old->byteCount_[k];
    }
    // Every line takes a byte at least, an empty one too.
    for (const std::string& line : lines)
        byteCount[w] += NoteLines::lengthSize(line.size()) + line.size();
    if (byteCount[0] == 0 && byteCount[1] == 0)
        return nullptr;
    constexpr size_t most = std::numeric_limits<uint32_t>::max();
    if (byteCount[w] > most)
        throw std::length_error("a person's notes of 4 GiB or more");

    NoteBlockPtr block(new (::operator new(sizeof(NoteBlock) + byteCount[0] + byteCount[1])) NoteBlock);
    unsigned char* at = block->bytes();
    for (size_t k = 0; k < listCount; ++k) {
        block->byteCount_[k] = static_cast<uint32_t>(byteCount[k]);
        if (keep[k] && old->byteCount_[k] > 0) {
            const NoteLines held = old->lines(static_cast<NoteList>(k));
            std::memcpy(at, held.bytes_, held.byteCount_);
            at += held.byteCount_;
        }
        if (k == w)
            for (const std::string& line : lines) {
                at = NoteLines::putLength(at, line.size());
                std::copy(line.begin(), line.end(), at);
                at += line.size();
            }
    }
    return block;
}
