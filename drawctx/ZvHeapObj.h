// Base class of the drawing library's heap objects (drawing contexts): made
// and freed by this library's own heap, so a context a client deletes goes
// back where it came from.
#pragma once

#include <cstddef>

class Zvwb_nd {
public:
    static void* operator new(size_t size);
    static void operator delete(void* p);
};
