#include "drawctx/ZvHeapObj.h"

#include "drawctx/common/ZvHeap.h"

void* Zvwb_nd::operator new(size_t size) { return ZvHeap<Zvwb_nd>::New(size); }

void Zvwb_nd::operator delete(void* p) { ZvHeap<Zvwb_nd>::Delete(p); }
