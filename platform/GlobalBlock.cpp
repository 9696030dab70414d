#include "platform/GlobalBlock.h"

#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>
#include <new>
#include <unordered_set>

namespace platform {

namespace {

struct BlockTable {
    std::mutex mutex;
    std::unordered_set<const GlobalBlock*> live;
    std::map<uintptr_t, GlobalBlock*> byAddress; // block start -> block
};

BlockTable& Table()
{
    // Never destroyed: modules may free blocks while the process ends.
    static BlockTable* table = new BlockTable;
    return *table;
}

// At least one byte, so that every block has an address of its own.
uint8_t* NewBytes(size_t bytes, bool zero)
{
    const size_t allocated = bytes == 0 ? 1 : bytes;
    return static_cast<uint8_t*>(zero ? std::calloc(allocated, 1) : std::malloc(allocated));
}

} // namespace

GlobalBlock* GlobalBlock::Alloc(uint32_t flags, size_t bytes)
{
    uint8_t* data = NewBytes(bytes, flags & ZeroInit);
    if (!data)
        return nullptr;
    auto* block = new (std::nothrow) GlobalBlock;
    if (!block) {
        std::free(data);
        return nullptr;
    }
    block->data_ = data;
    block->size_ = bytes;
    BlockTable& table = Table();
    std::lock_guard lock(table.mutex);
    table.live.insert(block);
    table.byAddress[reinterpret_cast<uintptr_t>(data)] = block;
    return block;
}

GlobalBlock* GlobalBlock::ReAlloc(GlobalBlock* block, size_t bytes, uint32_t flags)
{
    BlockTable& table = Table();
    std::lock_guard lock(table.mutex);
    if (!table.live.count(block))
        return nullptr;
    if (bytes <= block->size_) {
        block->size_ = bytes; // shrinks in place
        return block;
    }
    if (block->locks_ > 0 && !(flags & Moveable))
        return nullptr; // the locked pointer would no longer hold
    uint8_t* data = NewBytes(bytes, false);
    if (!data)
        return nullptr;
    std::memcpy(data, block->data_, block->size_);
    if (flags & ZeroInit)
        std::memset(data + block->size_, 0, bytes - block->size_);
    table.byAddress.erase(reinterpret_cast<uintptr_t>(block->data_));
    std::free(block->data_);
    block->data_ = data;
    block->size_ = bytes;
    table.byAddress[reinterpret_cast<uintptr_t>(data)] = block;
    return block;
}

GlobalBlock* GlobalBlock::Free(GlobalBlock* block)
{
    BlockTable& table = Table();
    {
        std::lock_guard lock(table.mutex);
        if (!table.live.erase(block))
            return block;
        table.byAddress.erase(reinterpret_cast<uintptr_t>(block->data_));
    }
    std::free(block->data_);
    delete block;
    return nullptr;
}

void* GlobalBlock::Lock(GlobalBlock* block)
{
    BlockTable& table = Table();
    std::lock_guard lock(table.mutex);
    if (!table.live.count(block))
        return nullptr;
    ++block->locks_;
    return block->data_;
}

bool GlobalBlock::Unlock(GlobalBlock* block)
{
    BlockTable& table = Table();
    std::lock_guard lock(table.mutex);
    if (!table.live.count(block) || block->locks_ == 0)
        return false;
    return --block->locks_ > 0;
}

uint32_t GlobalBlock::LockCount(const GlobalBlock* block)
{
    BlockTable& table = Table();
    std::lock_guard lock(table.mutex);
    return table.live.count(block) ? block->locks_ : 0;
}

size_t GlobalBlock::Size(const GlobalBlock* block)
{
    BlockTable& table = Table();
    std::lock_guard lock(table.mutex);
    return table.live.count(block) ? block->size_ : 0;
}

GlobalBlock* GlobalBlock::Handle(const void* pointer)
{
    const auto address = reinterpret_cast<uintptr_t>(pointer);
    BlockTable& table = Table();
    std::lock_guard lock(table.mutex);
    auto after = table.byAddress.upper_bound(address);
    if (after == table.byAddress.begin())
        return nullptr;
    GlobalBlock* block = std::prev(after)->second;
    const uintptr_t start = reinterpret_cast<uintptr_t>(block->data_);
    // A block of 0 bytes is held only by its own start.
    return address - start < (block->size_ == 0 ? 1 : block->size_) ? block : nullptr;
}

size_t GlobalBlock::Count()
{
    BlockTable& table = Table();
    std::lock_guard lock(table.mutex);
    return table.live.size();
}

} // namespace platform
