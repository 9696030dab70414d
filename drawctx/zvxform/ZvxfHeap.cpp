#include "drawctx/zvxform/ZvxfHeap.h"

#include "drawctx/common/ZvHeap.h"

void* Zvxf_nd::operator new(size_t size) { return ZvHeap<Zvxf_nd>::New(size); }

void Zvxf_nd::operator delete(void* p) { ZvHeap<Zvxf_nd>::Delete(p); }
