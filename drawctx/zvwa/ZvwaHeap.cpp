#include "drawctx/zvwa/ZvwaHeap.h"

#include "drawctx/common/ZvHeap.h"

void* Zvwa_nd::operator new(size_t size) { return ZvHeap<Zvwa_nd>::New(size); }

void Zvwa_nd::operator delete(void* p) { ZvHeap<Zvwa_nd>::Delete(p); }
