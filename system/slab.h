#pragma once
// Room for many small objects of one size, cut from large blocks: no allocator header per object
// (a big tree holds hundreds of thousands of list elements and rows). Freed room is reused for
// the next object; the blocks go back only with the slab.
//
// Under the address sanitizer every object gets an allocation of its own, so that a use after
// free or a leak of one of them is still reported.
#include "system/big_block.h"

#include <cstddef>
#include <memory>
#include <new>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define KINVELOR_SLAB_BYPASS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KINVELOR_SLAB_BYPASS 1
#endif
#endif

// `Align` is at most that of `std::max_align_t`.
template<size_t Size, size_t Align = alignof(std::max_align_t)> class Slab {
    static_assert(Align <= alignof(std::max_align_t));

public:
    Slab() = default;
    Slab(const Slab&) = delete;
    Slab& operator=(const Slab&) = delete;
    ~Slab()
    {
        for (size_t i = 0; i < blocks_.size(); ++i)
            if (i < smallBlocks)
                ::operator delete(blocks_[i]);
            else
                giveBigBlock(blocks_[i], bigBlockAlignment);
    }

    void* take()
    {
#ifdef KINVELOR_SLAB_BYPASS
        return ::operator new(Size);
#else
        if (free_) {
            Free* room = free_;
            free_ = room->next;
            return room;
        }
        if (used_ == blockRooms_)
            newBlock();
        return &block_[used_++];
#endif
    }

    void give(void* object)
    {
        if (!object)
            return;
#ifdef KINVELOR_SLAB_BYPASS
        ::operator delete(object);
#else
        free_ = new (object) Free{free_};
#endif
    }

private:
    struct Free {
        Free* next;
    };
    struct alignas(Align) Room {
        unsigned char bytes[Size < sizeof(Free) ? sizeof(Free) : Size];
    };
    // The first blocks of about 64 KiB, so a small tree takes little; from then on a huge page
    // each. Blocks are not cleared: every room is written before it is used.
    static constexpr size_t smallBlocks = 8;
    void newBlock()
    {
        const bool small = blocks_.size() < smallBlocks;
        const size_t bytes = small ? size_t(64) << 10 : bigBlockAlignment;
        blocks_.reserve(blocks_.size() + 1);
        void* block = small ? ::operator new(bytes) : takeBigBlock(bytes);
        blocks_.push_back(block);
        block_ = static_cast<Room*>(block);
        blockRooms_ = bytes / sizeof(Room);
        used_ = 0;
    }
    std::vector<void*> blocks_;
    Room* block_ = nullptr;
    size_t blockRooms_ = 0;
    size_t used_ = 0;
    Free* free_ = nullptr;
};

// Gives a class `T` of which a big tree holds very many the allocation of one shared slab;
// classes derived from it with a size of their own are allocated as usual.
template<class T> class SlabAllocated {
public:
    static void* operator new(size_t size)
    {
        return size == sizeof(T) ? slab().take() : ::operator new(size);
    }
    static void operator delete(void* object, size_t size)
    {
        if (size == sizeof(T))
            slab().give(object);
        else
            ::operator delete(object);
    }

private:
    // Never destroyed: objects held by other static objects may be deleted after it.
    static auto& slab()
    {
        static auto* const s = new Slab<sizeof(T), alignof(T)>;
        return *s;
    }
};
