#pragma once
// The tree's undo and redo history: at most 15 records, oldest first, and a cursor on the newest
// record in effect (the one the next undo replays), or on none when nothing is in effect. The
// records after the cursor are the redo tail. The history owns its records.
#include "model/action.h"
#include "model/prvky.h"

#include <cstdint>
#include <memory>

class ActionList {
public:
    static constexpr int maxRecords = 15;

    ActionList() = default;
    ActionList(const ActionList&) = delete;
    ActionList& operator=(const ActionList&) = delete;

    // Drops the redo tail (the whole list when nothing is in effect), appends the record as the
    // newest in effect and lets the oldest go beyond 15.
    void record(std::unique_ptr<Action> action);
    // Unlinks and destroys one record of this history. When it was the cursor, the cursor goes
    // to the record before it, or to none: a step that was undone never comes back into effect
    // by a removal.
    void remove(Action* action);
    // Undo step: the cursor record, the cursor going to the one before; none without a cursor.
    Action* stepBack();
    // Redo step: the record after the cursor (the first one without a cursor) becomes the cursor
    // and is returned; none and no change when there is nothing to redo.
    Action* stepForward();
    // Put the cursor back after a refused undo (forward) or a refused redo (back).
    void moveForward();
    void moveBack();
    // Removes the redo tail; with no cursor, every record.
    void dropRedo();
    void clear();
    // Removes every record that points at the person or partnership, which is about to be freed.
    // True when any went.
    bool forget(const Clovek* person);
    bool forget(const Svatba* partnership);

    Action* current() const { return cursor_; }
    Action* first() const { return static_cast<Action*>(records_.first()); }
    Action* last() const { return static_cast<Action*>(records_.last()); }
    int count() const { return records_.count(); }
    // The record with this serial, or none when it has gone.
    Action* find(uint64_t serial) const;

private:
    template<class Match> bool removeWhere(Match match);

    Prvky records_;
    Action* cursor_ = nullptr;
    uint64_t nextSerial_ = 1;
};
