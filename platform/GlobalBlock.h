// Movable global memory as the programs and modules use it: blocks with an
// exact size and a lock count, whose handle can be found again from any
// pointer into the block (GlobalAlloc, GlobalLock, GlobalUnlock, GlobalSize,
// GlobalReAlloc, GlobalFree, GlobalHandle). One table for the whole process,
// so that a block made by one module can be checked, sized and freed by
// another. Unknown handles and pointers are answered, never followed.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

class GlobalBlock {
public:
    // Allocation flags, with the system's values.
    static constexpr uint32_t Fixed = 0x0000;
    static constexpr uint32_t Moveable = 0x0002;
    static constexpr uint32_t ZeroInit = 0x0040;

    // A new block of bytes, zero-filled with ZeroInit; null when memory runs
    // out.
    static GlobalBlock* Alloc(uint32_t flags, size_t bytes);
    // The block at its new size, its bytes kept and a new tail zero-filled
    // with ZeroInit; null (block unchanged) when memory runs out, the handle
    // is unknown, or a locked block would have to move without Moveable.
    static GlobalBlock* ReAlloc(GlobalBlock* block, size_t bytes, uint32_t flags);
    // Null when freed (a locked block too); the handle itself when unknown.
    static GlobalBlock* Free(GlobalBlock* block);

    // The block's bytes, counting one lock more; null for an unknown handle.
    static void* Lock(GlobalBlock* block);
    // Counts one lock less; true while the block is still locked.
    static bool Unlock(GlobalBlock* block);
    static uint32_t LockCount(const GlobalBlock* block);

    // The size asked for; 0 for an unknown handle.
    static size_t Size(const GlobalBlock* block);
    // The block whose bytes hold pointer; null when no live block does.
    static GlobalBlock* Handle(const void* pointer);

    // Live blocks of the process (for leak checks).
    static size_t Count();

    GlobalBlock(const GlobalBlock&) = delete;
    GlobalBlock& operator=(const GlobalBlock&) = delete;

private:
    GlobalBlock() = default;

    uint8_t* data_ = nullptr;
    size_t size_ = 0;
    uint32_t locks_ = 0;
};

} // namespace platform
