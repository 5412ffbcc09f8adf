#pragma once
// The model's one list: an intrusive doubly linked list that owns its elements and deletes them
// through their virtual destructor. Every list of a person, a tree, a group or the visit history
// is a `Prvky` of some `Prvek` subclass.
//
// Each element knows the list it is in, so asking about or removing an element that is not in
// the list is answered "not found" or does nothing instead of walking off the end, and the list
// keeps its tail so appending does not walk.
#include "system/slab.h"

#include <memory>
#include <vector>

class Prvky;

class Prvek {
public:
    Prvek() = default;
    Prvek(const Prvek&) = delete;
    Prvek& operator=(const Prvek&) = delete;
    // An element is deleted by its list (remove, clear) or after it left it; deleting one still
    // listed would leave the list pointing at freed memory, which debug builds stop at once.
    virtual ~Prvek();

    // True when this element must stand before `other`; the only order `Prvky::sort` uses.
    virtual bool sortsBefore(const Prvek* other) const;
    // The reverse order; every element class defines it, nothing sorts by it.
    virtual bool sortsAfter(const Prvek* other) const;
    // Puts `elements` (all of this element's class) into exactly the order the bubble passes of
    // `Prvky::sort` would give, only faster; false when this class has no such shortcut or a
    // value cannot be read, and the bubble passes run instead.
    virtual bool sortElements(std::vector<Prvek*>& elements) const;

    // The list this element is in, or null.
    Prvky* list() const { return owner_; }

    Prvek* prev = nullptr;
    Prvek* next = nullptr;

private:
    friend class Prvky;
    Prvky* owner_ = nullptr;
};

class Prvky : public SlabAllocated<Prvky> {
public:
    Prvky() = default;
    Prvky(const Prvky&) = delete;
    Prvky& operator=(const Prvky&) = delete;
    ~Prvky();

    // Puts the element at the tail and hands back the caller's handle to it, now the list's.
    template<class T> T* append(std::unique_ptr<T> element)
    {
        T* handle = element.get();
        adopt(std::unique_ptr<Prvek>(std::move(element)));
        return handle;
    }
    // Unlinks and deletes the element; an element of another list (or none) is left alone.
    void remove(Prvek* element);
    void clear();

    Prvek* first() const { return head_; }
    Prvek* last() const { return tail_; }
    int count() const { return count_; }
    bool contains(const Prvek* element) const { return element && element->owner_ == this; }
    // The element i steps after the head, or null outside 0..count-1.
    Prvek* at(int i) const;
    // Steps from the head to the element, or -1 when it is not in this list.
    int indexOf(const Prvek* element) const;
    // Exchanges the element at i with the one after it; nothing when there is no such pair.
    void swapWithNext(int i);
    // Makes an element of this list the head, the others keeping their order.
    void setHead(Prvek* element);
    // Stable by the elements' `sortsBefore`, with the result of the program's bubble passes.
    void sort();
    // The literal bubble passes, used where no faster equivalent exists.
    void bubbleSort();
    // Puts the list's own elements into this order, which names each of them once.
    void setOrder(const std::vector<Prvek*>& order);

    // Typed iteration: `for (UkClovek* c : list.items<UkClovek>())`. The element in hand may be
    // removed only after stepping past it.
    template<class T> class Range {
    public:
        class iterator {
        public:
            explicit iterator(Prvek* p) : p_(p) { }
            T* operator*() const { return static_cast<T*>(p_); }
            iterator& operator++()
            {
                p_ = p_->next;
                return *this;
            }
            bool operator!=(const iterator& o) const { return p_ != o.p_; }
            bool operator==(const iterator& o) const { return p_ == o.p_; }

        private:
            Prvek* p_;
        };
        explicit Range(Prvek* head) : head_(head) { }
        iterator begin() const { return iterator(head_); }
        iterator end() const { return iterator(nullptr); }

    private:
        Prvek* head_;
    };
    template<class T> Range<T> items() const { return Range<T>(head_); }

private:
    void adopt(std::unique_ptr<Prvek> element);
    void unlink(Prvek* element);
    // Exchanges `a` and the element right after it, `b`, mending the links around them.
    void swapAdjacent(Prvek* a, Prvek* b);
    void relink(const std::vector<Prvek*>& order);

    Prvek* head_ = nullptr;
    Prvek* tail_ = nullptr;
    int count_ = 0;
};
