// Base class of the transform library's heap objects (plane sites, planes,
// row data, stretchers), made and freed by this library's own heap.
#pragma once

#include <cstddef>

class Zvxf_nd {
public:
    static void* operator new(size_t size);
    static void operator delete(void* p);
};
