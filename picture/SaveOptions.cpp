#include "picture/SaveOptions.h"

#include "base/QnMemAlloc.h"
#include "platform/GlobalBlock.h"

#include <cstring>

using platform::GlobalBlock;

void QnSaveOptions::Set(const char* text)
{
    if (!text)
        return;
    const GlobalBlock* source = GlobalBlock::Handle(text);
    const size_t size = source ? GlobalBlock::Size(source) - size_t(text - static_cast<const char*>(
                                                                   GlobalBlock::Lock(const_cast<GlobalBlock*>(source))))
                               : std::strlen(text) + 1;
    if (source)
        GlobalBlock::Unlock(const_cast<GlobalBlock*>(source));
    GlobalBlock* block = GlobalBlock::Alloc(GlobalBlock::Moveable | GlobalBlock::ZeroInit, size);
    if (!block)
        qn_standard_new_handler(0);
    ptr_ = static_cast<char*>(GlobalBlock::Lock(block));
    std::memcpy(ptr_, text, size);
}

void QnSaveOptions::Free()
{
    if (!ptr_)
        return;
    if (GlobalBlock* block = GlobalBlock::Handle(ptr_)) {
        GlobalBlock::Unlock(block);
        GlobalBlock::Free(block);
    }
    ptr_ = nullptr;
}

QnSaveOptions& QnSaveOptions::operator=(const char* text)
{
    if (text != ptr_) {
        // Copied before the old block goes: text may lie inside it.
        QnSaveOptions copy(text);
        Free();
        ptr_ = copy.ptr_;
        copy.ptr_ = nullptr;
    }
    return *this;
}

QnSaveOptions& QnSaveOptions::operator=(const QnSaveOptions& other)
{
    if (this != &other)
        *this = other.ptr_;
    return *this;
}
