// Base class of the work-area library's heap objects (pictures), which this
// library's own heap makes and frees.
#pragma once

#include <cstddef>

class Zvwa_nd {
public:
    static void* operator new(size_t size);
    static void operator delete(void* p);
};
