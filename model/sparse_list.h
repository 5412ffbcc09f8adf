#pragma once
// A list of a person that most persons leave empty (life periods, media links): one pointer's
// room until the first element arrives. It reads as the `Prvky` it stands for; changes go
// through the same names (`append`, `remove`, ...) or through `own()` where a `Prvky&` is needed.
#include "model/prvky.h"

#include <memory>

class SparseList {
public:
    SparseList() = default;
    SparseList(const SparseList&) = delete;
    SparseList& operator=(const SparseList&) = delete;

    operator const Prvky&() const { return list_ ? *list_ : none(); }
    // The list to change; an empty one gets its storage here.
    Prvky& own()
    {
        if (!list_)
            list_ = std::make_unique<Prvky>();
        return *list_;
    }

    // Whether the list has had storage since its first element; a walk that only reads the
    // persons' lists must leave it false on the empty ones.
    bool hasStorage() const { return list_ != nullptr; }

    Prvek* first() const { return list_ ? list_->first() : nullptr; }
    Prvek* last() const { return list_ ? list_->last() : nullptr; }
    int count() const { return list_ ? list_->count() : 0; }
    bool contains(const Prvek* element) const { return list_ && list_->contains(element); }
    Prvek* at(int i) const { return list_ ? list_->at(i) : nullptr; }
    int indexOf(const Prvek* element) const { return list_ ? list_->indexOf(element) : -1; }
    template<class T> Prvky::Range<T> items() const { return Prvky::Range<T>(first()); }

    template<class T> T* append(std::unique_ptr<T> element) { return own().append(std::move(element)); }
    void remove(Prvek* element)
    {
        if (list_)
            list_->remove(element);
    }
    void clear()
    {
        if (list_)
            list_->clear();
    }
    void swapWithNext(int i)
    {
        if (list_)
            list_->swapWithNext(i);
    }
    void setHead(Prvek* element)
    {
        if (list_)
            list_->setHead(element);
    }
    void sort()
    {
        if (list_)
            list_->sort();
    }
    void bubbleSort()
    {
        if (list_)
            list_->bubbleSort();
    }

private:
    static const Prvky& none()
    {
        static const Prvky empty;
        return empty;
    }
    std::unique_ptr<Prvky> list_;
};
