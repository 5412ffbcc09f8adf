#pragma once
// The tree's undo and redo history. Only its place in the tree is settled here; the history with
// its records is filled in with the undo commands.
class ActionList {
public:
    ActionList() = default;
    ActionList(const ActionList&) = delete;
    ActionList& operator=(const ActionList&) = delete;
};
