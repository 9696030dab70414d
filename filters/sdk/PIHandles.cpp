#include "filters/sdk/PIHandles.h"

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>
#include <unordered_set>

namespace {

// Precedes every data block; keeps the data 16-byte aligned.
struct BlockHeader {
    uint64_t size;
    uint64_t reserved;
};
static_assert(sizeof(BlockHeader) == 16);

struct LiveTables {
    std::mutex mutex;
    std::unordered_set<const void*> blocks;  // data addresses
    std::unordered_set<const void*> handles; // handle addresses
};

// Never destroyed: modules and hosts may free handles from their own static
// destructors, which can run after this library's.
LiveTables& Tables()
{
    static LiveTables* tables = new LiveTables;
    return *tables;
}

BlockHeader* HeaderOf(const void* p) { return static_cast<BlockHeader*>(const_cast<void*>(p)) - 1; }

// The callers hold the mutex from here on.
void* AllocBlockLocked(LiveTables& t, int32_t size)
{
    if (size < 0)
        return nullptr;
    auto* header = static_cast<BlockHeader*>(std::calloc(1, sizeof(BlockHeader) + static_cast<size_t>(size)));
    if (!header)
        return nullptr;
    header->size = static_cast<uint64_t>(size);
    void* data = header + 1;
    try {
        t.blocks.insert(data);
    } catch (...) {
        std::free(header);
        return nullptr;
    }
    return data;
}

bool FreeBlockLocked(LiveTables& t, void* data)
{
    if (!data || t.blocks.erase(data) == 0)
        return false;
    std::free(HeaderOf(data));
    return true;
}

bool IsValidLocked(const LiveTables& t, Handle h)
{
    return h && t.handles.count(h) && h->signature == PI_HANDLE_SIGNATURE && h->data && t.blocks.count(h->data);
}

Handle NewHandleLocked(LiveTables& t, int32_t size)
{
    void* data = AllocBlockLocked(t, size);
    if (!data)
        return nullptr;
    auto* h = static_cast<Handle>(std::calloc(1, sizeof(FotoHandleBlock)));
    if (!h) {
        FreeBlockLocked(t, data);
        return nullptr;
    }
    try {
        t.handles.insert(h);
    } catch (...) {
        std::free(h);
        FreeBlockLocked(t, data);
        return nullptr;
    }
    h->data = data;
    h->signature = PI_HANDLE_SIGNATURE;
    return h;
}

int32_t SizeLocked(const void* data) { return static_cast<int32_t>(HeaderOf(data)->size); }

} // namespace

extern "C" {

Handle NewHostHandle(int32_t size)
{
    LiveTables& t = Tables();
    std::lock_guard lock(t.mutex);
    return NewHandleLocked(t, size);
}

int IsValidHostHandle(Handle h)
{
    LiveTables& t = Tables();
    std::lock_guard lock(t.mutex);
    return IsValidLocked(t, h) ? 1 : 0;
}

int FreeHostHandle(Handle h)
{
    LiveTables& t = Tables();
    std::lock_guard lock(t.mutex);
    if (!IsValidLocked(t, h))
        return 0;
    FreeBlockLocked(t, h->data);
    t.handles.erase(h);
    h->signature = 0; // a stale copy of the pointer no longer looks like a handle
    std::free(h);
    return 1;
}

Handle DuplicateHandleBlock(Handle h)
{
    LiveTables& t = Tables();
    std::lock_guard lock(t.mutex);
    if (!IsValidLocked(t, h))
        return nullptr;
    const int32_t size = SizeLocked(h->data);
    Handle copy = NewHandleLocked(t, size);
    if (copy && size > 0)
        std::memcpy(copy->data, h->data, static_cast<size_t>(size));
    return copy;
}

int32_t GetHostHandleSize(Handle h)
{
    LiveTables& t = Tables();
    std::lock_guard lock(t.mutex);
    return IsValidLocked(t, h) ? SizeLocked(h->data) : 0;
}

OSErr SetHostHandleSize(Handle h, int32_t size)
{
    LiveTables& t = Tables();
    std::lock_guard lock(t.mutex);
    if (!h || !t.handles.count(h) || h->signature != PI_HANDLE_SIGNATURE)
        return memWZErr;
    if (!h->data || !t.blocks.count(h->data))
        return memFullErr;
    void* data = AllocBlockLocked(t, size);
    if (!data)
        return memFullErr;
    const int32_t keep = SizeLocked(h->data) < size ? SizeLocked(h->data) : size;
    if (keep > 0)
        std::memcpy(data, h->data, static_cast<size_t>(keep));
    FreeBlockLocked(t, h->data);
    h->data = data;
    return noErr;
}

void* LockHostHandle(Handle h)
{
    LiveTables& t = Tables();
    std::lock_guard lock(t.mutex);
    return IsValidLocked(t, h) ? h->data : nullptr;
}

void* NewHostBlock(int32_t size)
{
    LiveTables& t = Tables();
    std::lock_guard lock(t.mutex);
    return AllocBlockLocked(t, size);
}

int FreeHostBlock(void* p)
{
    LiveTables& t = Tables();
    std::lock_guard lock(t.mutex);
    return FreeBlockLocked(t, p) ? 1 : 0;
}

int32_t GetHostBlockSize(const void* p)
{
    LiveTables& t = Tables();
    std::lock_guard lock(t.mutex);
    return p && t.blocks.count(p) ? SizeLocked(p) : -1;
}

int32_t GetLiveHostHandleCount(void)
{
    LiveTables& t = Tables();
    std::lock_guard lock(t.mutex);
    return static_cast<int32_t>(t.handles.size());
}

int32_t GetLiveHostBlockCount(void)
{
    LiveTables& t = Tables();
    std::lock_guard lock(t.mutex);
    return static_cast<int32_t>(t.blocks.size());
}

} // extern "C"
