#include "model/prvky.h"

#include <cassert>

#include <typeinfo>

bool Prvek::sortsBefore(const Prvek*) const
{
    return true;
}

bool Prvek::sortsAfter(const Prvek*) const
{
    return true;
}

bool Prvek::sortElements(std::vector<Prvek*>&) const
{
    return false;
}

Prvky::~Prvky()
{
    Prvek* e = head_;
    while (e) {
        Prvek* next = e->next;
        e->owner_ = nullptr;
        delete e;
        e = next;
    }
    head_ = tail_ = nullptr;
    count_ = 0;
}

void Prvky::adopt(std::unique_ptr<Prvek> owned)
{
    // An element already in a list belongs to that list, whatever the caller's pointer says.
    Prvek* element = owned.release();
    if (!element || element->owner_)
        return;
    element->owner_ = this;
    element->next = nullptr;
    element->prev = tail_;
    if (tail_)
        tail_->next = element;
    else
        head_ = element;
    tail_ = element;
    ++count_;
}

Prvek::~Prvek()
{
    assert(owner_ == nullptr && "an element deleted while still in its list");
}

void Prvky::unlink(Prvek* e)
{
    if (e->prev)
        e->prev->next = e->next;
    else
        head_ = e->next;
    if (e->next)
        e->next->prev = e->prev;
    else
        tail_ = e->prev;
    e->prev = e->next = nullptr;
    e->owner_ = nullptr;
    --count_;
}

void Prvky::remove(Prvek* element)
{
    if (!contains(element))
        return;
    unlink(element);
    delete element;
}

void Prvky::clear()
{
    while (head_)
        remove(head_);
}

Prvek* Prvky::at(int i) const
{
    if (i < 0 || i >= count_)
        return nullptr;
    Prvek* e = head_;
    while (i-- > 0)
        e = e->next;
    return e;
}

int Prvky::indexOf(const Prvek* element) const
{
    if (!contains(element))
        return -1;
    int i = 0;
    for (const Prvek* e = head_; e != element; e = e->next)
        ++i;
    return i;
}

void Prvky::swapWithNext(int i)
{
    Prvek* a = at(i);
    if (a && a->next)
        swapAdjacent(a, a->next);
}

void Prvky::swapAdjacent(Prvek* a, Prvek* b)
{
    Prvek* before = a->prev;
    Prvek* after = b->next;
    if (before)
        before->next = b;
    else
        head_ = b;
    b->prev = before;
    b->next = a;
    a->prev = b;
    a->next = after;
    if (after)
        after->prev = a;
    else
        tail_ = a;
}

void Prvky::setHead(Prvek* element)
{
    if (!contains(element) || element == head_)
        return;
    unlink(element);
    element->owner_ = this;
    element->prev = nullptr;
    element->next = head_;
    head_->prev = element;
    head_ = element;
    ++count_;
}

void Prvky::relink(const std::vector<Prvek*>& order)
{
    if (order.empty())
        return;
    Prvek* prev = nullptr;
    for (Prvek* e : order) {
        e->prev = prev;
        if (prev)
            prev->next = e;
        prev = e;
    }
    prev->next = nullptr;
    head_ = order.front();
    tail_ = prev;
}

void Prvky::setOrder(const std::vector<Prvek*>& order)
{
    assert(int(order.size()) == count_ && "an order of other elements than the list's");
    relink(order);
}

void Prvky::sort()
{
    if (count_ < 2)
        return;
    // Two elements are one comparison of the passes themselves: cheaper than gathering them,
    // and a big tree's lists are mostly that short.
    if (count_ == 2) {
        bubbleSort();
        return;
    }
    std::vector<Prvek*> order;
    order.reserve(count_);
    const std::type_info& kind = typeid(*head_);
    for (Prvek* e = head_; e; e = e->next) {
        if (typeid(*e) != kind) {
            bubbleSort();
            return;
        }
        order.push_back(e);
    }
    if (head_->sortElements(order))
        relink(order);
    else
        bubbleSort();
}

void Prvky::bubbleSort()
{
    for (int pass = count_ - 1; pass >= 1; --pass) {
        Prvek* cur = head_;
        for (int step = 0; step < pass; ++step) {
            Prvek* nxt = cur->next;
            if (nxt->sortsBefore(cur)) {
                // nxt takes cur's place; cur moves one place towards the tail.
                swapAdjacent(cur, nxt);
            } else {
                cur = nxt;
            }
        }
    }
}
