#include "model/prev_next.h"

#include "model/uk_clovek.h"

void PrevNext::push(Clovek* person)
{
    if (current_ && current_->person() == person)
        return;
    // Dropping the forward part takes every entry of each forward person, older ones too, and
    // may take the current entry itself (the last one then becomes current).
    while (current_ && current_ != entries_.last())
        removePerson(static_cast<UkClovek*>(current_->next)->person());
    UkClovek* entry = entries_.append(std::make_unique<UkClovek>(person));
    current_ = entry;
    if (entries_.count() > maxEntries)
        entries_.remove(entries_.first());
}

Clovek* PrevNext::previous()
{
    if (current_ && current_->prev)
        current_ = static_cast<UkClovek*>(current_->prev);
    return current();
}

Clovek* PrevNext::next()
{
    if (current_ && current_->next)
        current_ = static_cast<UkClovek*>(current_->next);
    return current();
}

Clovek* PrevNext::current() const
{
    return current_ ? current_->person() : nullptr;
}

void PrevNext::removePerson(const Clovek* person)
{
    for (Prvek* e = entries_.first(); e;) {
        Prvek* following = e->next;
        auto* entry = static_cast<UkClovek*>(e);
        if (entry->person() == person) {
            bool wasCurrent = entry == current_;
            entries_.remove(entry);
            if (wasCurrent)
                current_ = static_cast<UkClovek*>(entries_.last());
        }
        e = following;
    }
}

bool PrevNext::hasPrevious() const
{
    return current_ && current_->prev;
}

bool PrevNext::hasNext() const
{
    return current_ && current_->next;
}
