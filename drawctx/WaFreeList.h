// Process-wide free lists for the small objects a band makes row after row
// (row data, planes): blocks of 128 objects of one size, never given back to
// the heap, so that producing rows stops touching the general heap once
// the lists have grown to what a draw needs.
#pragma once

#include <cstddef>
#include <memory>
#include <mutex>
#include <new>
#include <vector>

template <size_t Size>
class WaFreeList {
public:
    static constexpr int kBlockObjects = 128;

    static void* Take()
    {
        List& l = Instance();
        std::lock_guard<std::mutex> guard(l.lock);
        if (!l.free) {
            auto block = std::make_unique<Slot[]>(kBlockObjects);
            for (int i = kBlockObjects - 1; i >= 0; --i) {
                block[i].next = l.free;
                l.free = &block[i];
            }
            l.blocks.push_back(std::move(block));
        }
        Slot* s = l.free;
        l.free = s->next;
        return s;
    }

    static void Give(void* p)
    {
        if (!p)
            return;
        List& l = Instance();
        std::lock_guard<std::mutex> guard(l.lock);
        auto* s = static_cast<Slot*>(p);
        s->next = l.free;
        l.free = s;
    }

    // Objects made so far, in use or free; for tests.
    static size_t Capacity()
    {
        List& l = Instance();
        std::lock_guard<std::mutex> guard(l.lock);
        return l.blocks.size() * kBlockObjects;
    }

private:
    union Slot {
        Slot* next;
        alignas(std::max_align_t) unsigned char bytes[Size];
    };
    struct List {
        std::mutex lock;
        std::vector<std::unique_ptr<Slot[]>> blocks;
        Slot* free = nullptr;
    };
    static List& Instance()
    {
        static List list;
        return list;
    }
};

// Gives a class operator new and delete from the free list of its size.
#define WA_FREE_LIST_OBJECT(Class)                                                                              \
    static void* operator new(size_t size)                                                                     \
    {                                                                                                          \
        return size == sizeof(Class) ? WaFreeList<sizeof(Class)>::Take() : ::operator new(size);               \
    }                                                                                                          \
    static void operator delete(void* p, size_t size)                                                          \
    {                                                                                                          \
        if (size == sizeof(Class))                                                                             \
            WaFreeList<sizeof(Class)>::Give(p);                                                                \
        else                                                                                                   \
            ::operator delete(p);                                                                              \
    }
