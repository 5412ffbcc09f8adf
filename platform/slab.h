#pragma once
// Room for many small objects of one size, cut from large blocks: no allocator header per object
// (a big tree holds hundreds of thousands of list elements and rows). Freed room is reused for
// the next object; the blocks go back only with the slab.
//
// Under the address sanitizer every object gets an allocation of its own, so that a use after
// free or a leak of one of them is still reported.
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
template <size_t Size, size_t Align = alignof(std::max_align_t)>
class Slab {
    static_assert(Align <= alignof(std::max_align_t));
public:
    Slab() = default;
    Slab(const Slab&) = delete;
    Slab& operator=(const Slab&) = delete;

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
        if (used_ == perBlock) {
            blocks_.push_back(std::make_unique<Room[]>(perBlock));
            used_ = 0;
        }
        return &blocks_.back()[used_++];
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
    // About 64 KiB a block.
    static constexpr size_t perBlock = (size_t(64) << 10) / sizeof(Room);
    std::vector<std::unique_ptr<Room[]>> blocks_;
    size_t used_ = perBlock;
    Free* free_ = nullptr;
};

// Gives a class `T` of which a big tree holds very many the allocation of one shared slab;
// classes derived from it with a size of their own are allocated as usual.
template <class T>
class SlabAllocated {
public:
    static void* operator new(size_t size) { return size == sizeof(T) ? slab().take() : ::operator new(size); }
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
