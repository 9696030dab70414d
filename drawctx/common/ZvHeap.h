// The private heap of each of the drawing libraries (work areas, transforms,
// drawing contexts): an object made by one library's operator new is freed
// by the same library, whichever caller deletes it, because the block's
// header names the heap it came from.
#pragma once

#include "base/QnMemAlloc.h"

#include <cstddef>
#include <new>

template <class Library>
class ZvHeap : public QnMemAlloc {
public:
    void* alloc(size_t size) override { return QnAlloc(size); }
    void free(void* p) override { QnFree(p); }

    static void* New(size_t size)
    {
        if (void* p = QnOperatorNew(size, &Instance()))
            return p;
        throw std::bad_alloc();
    }
    static void Delete(void* p) { QnOperatorDelete(p); }

private:
    static ZvHeap& Instance()
    {
        static ZvHeap heap;
        return heap;
    }
};
