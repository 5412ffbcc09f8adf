#pragma once
// Adding texts to a list only when it holds no equal line yet, letter case ignored the way the
// list's own search (`TStringList::IndexOf`) ignores it. The lists that collect relatives and
// field values for the user are filled this way; searching the whole list for every text would
// make a big tree's lists cost the square of their length, so the lines are indexed by their
// collation keys instead.
#include "model/sparse_text.h"

#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

class TStringList;

// The texts of a walk over many persons met before, by their numbers in the table of texts: most
// persons share a name or a place with one met earlier, and the number tells so without reading
// or hashing letters. Valid while no text is written.
class SlotsSeen {
public:
    SlotsSeen() : seen_(SparseText::slotLimit()) { }
    // True when no text held under the same number was met before.
    bool firstTime(const SparseText& text)
    {
        const uint32_t slot = text.slot();
        if (slot >= seen_.size())
            seen_.resize(size_t(slot) + 1);
        if (seen_[slot])
            return false;
        seen_[slot] = true;
        return true;
    }

private:
    std::vector<bool> seen_;
};

class DistinctTexts {
public:
    // Indexes the lines the list holds already: they take part in the test.
    explicit DistinctTexts(TStringList& list);
    DistinctTexts(const DistinctTexts&) = delete;
    DistinctTexts& operator=(const DistinctTexts&) = delete;

    // Queues the text unless the list or the queue holds an equal one; true when queued.
    bool add(const std::string& text);
    // Queues the text without the test (the built-in items of a list).
    void addUnchecked(const std::string& text);
    // Appends the queued texts to the list in the order they came. A sorted list takes them in
    // one sort rather than one insertion each.
    void flush();

private:
    bool known(const std::string& text);

    TStringList& list_;
    // Exact texts already met: most repeats are spelled alike and need no collation key.
    std::unordered_set<std::string> exact_;
    std::unordered_set<std::string> keys_;
    std::vector<std::string> queued_;
};
