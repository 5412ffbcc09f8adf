#include "model/action_list.h"

void ActionList::record(std::unique_ptr<Action> action)
{
    dropRedo();
    action->serial = nextSerial_++;
    Action* added = records_.append(std::move(action));
    cursor_ = added;
    while (records_.count() > maxRecords)
        remove(first());
}

void ActionList::remove(Action* action)
{
    if (!records_.contains(action))
        return;
    if (action == cursor_)
        cursor_ = static_cast<Action*>(action->prev);
    records_.remove(action);
}

Action* ActionList::stepBack()
{
    Action* step = cursor_;
    if (step)
        cursor_ = static_cast<Action*>(step->prev);
    return step;
}

Action* ActionList::stepForward()
{
    Action* step = cursor_ ? static_cast<Action*>(cursor_->next) : first();
    if (step)
        cursor_ = step;
    return step;
}

void ActionList::moveForward()
{
    Action* step = cursor_ ? static_cast<Action*>(cursor_->next) : first();
    if (step)
        cursor_ = step;
}

void ActionList::moveBack()
{
    if (cursor_)
        cursor_ = static_cast<Action*>(cursor_->prev);
}

void ActionList::dropRedo()
{
    if (!cursor_) {
        clear();
        return;
    }
    while (cursor_->next)
        records_.remove(cursor_->next);
}

void ActionList::clear()
{
    records_.clear();
    cursor_ = nullptr;
}

template<class Match> bool ActionList::removeWhere(Match match)
{
    bool removed = false;
    for (Action* a = first(); a;) {
        Action* following = static_cast<Action*>(a->next);
        if (match(*a)) {
            remove(a);
            removed = true;
        }
        a = following;
    }
    return removed;
}

bool ActionList::forget(const Clovek* person)
{
    return person && removeWhere([person](const Action& a) { return a.refersTo(person); });
}

bool ActionList::forget(const Svatba* partnership)
{
    return partnership && removeWhere([partnership](const Action& a) { return a.refersTo(partnership); });
}

Action* ActionList::find(uint64_t serial) const
{
    for (Action* a = first(); a; a = static_cast<Action*>(a->next))
        if (a->serial == serial)
            return a;
    return nullptr;
}
