#pragma once
// The visit history of the shown persons behind the previous and next buttons, like a
// browser's: showing a person pushes it, the buttons move the current entry without pushing,
// deleting a person removes its entries. At most 20 entries; a person may have several.
#include "model/prvky.h"

class Clovek;
class UkClovek;

class PrevNext {
public:
    static constexpr int maxEntries = 20;

    PrevNext() = default;
    PrevNext(const PrevNext&) = delete;
    PrevNext& operator=(const PrevNext&) = delete;

    // Records that the person is shown: nothing when it is the current entry's person already;
    // otherwise every entry ahead of the current one goes with all other entries of its person,
    // the new entry becomes the last and current one, and the oldest entry beyond 20 is dropped.
    void push(Clovek* person);
    // Steps back (forward) when there is an entry there; answers the current entry's person.
    Clovek* previous();
    Clovek* next();
    // The current entry's person, or none while the history is empty.
    Clovek* current() const;
    // Removes every entry of the person; an entry that was current hands over to the last one.
    void removePerson(const Clovek* person);

    int count() const { return entries_.count(); }
    bool hasPrevious() const;
    bool hasNext() const;
    // The entries from the oldest, and the current one among them.
    const Prvky& entries() const { return entries_; }
    const UkClovek* currentEntry() const { return current_; }

private:
    Prvky entries_; // UkClovek, oldest first
    UkClovek* current_ = nullptr;
};
