#include "lang/LsmHandle.h"

#include "base/QnMemAlloc.h"

void QnLsmHandle::qn_delete() { delete this; }

void* QnLsmHandle::operator new(size_t size)
{
    if (void* p = QnOperatorNew(size, nullptr))
        return p;
    qn_standard_new_handler(0);
}

void QnLsmHandle::operator delete(void* p) noexcept { QnOperatorDelete(p); }
