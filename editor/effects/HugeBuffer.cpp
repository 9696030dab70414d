#include "editor/effects/HugeBuffer.h"

#include <sys/mman.h>

#include <algorithm>
#include <array>
#include <mutex>
#include <utility>

namespace {

constexpr size_t kHuge = size_t(2) << 20;

struct Spare {
    uint8_t* bytes = nullptr;
    size_t capacity = 0;
};

std::mutex gSpareLock;
std::array<Spare, 2> gSpares;

void Unmap(uint8_t* bytes, size_t capacity)
{
    if (bytes)
        munmap(bytes, capacity);
}

// Anonymous memory aligned to 2 MB: mapped one piece larger, the ends cut off.
uint8_t* MapAligned(size_t capacity)
{
    void* p = mmap(nullptr, capacity + kHuge, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED)
        return nullptr;
    auto* raw = static_cast<uint8_t*>(p);
    const auto address = reinterpret_cast<uintptr_t>(raw);
    auto* aligned = reinterpret_cast<uint8_t*>((address + kHuge - 1) / kHuge * kHuge);
    if (aligned > raw)
        munmap(raw, size_t(aligned - raw));
    const size_t tail = size_t(raw + capacity + kHuge - (aligned + capacity));
    if (tail)
        munmap(aligned + capacity, tail);
    madvise(aligned, capacity, MADV_HUGEPAGE);  // a hint: the buffer works without
    return aligned;
}

}  // namespace

HugeBuffer HugeBuffer::New(int64_t size)
{
    const size_t wanted = size_t(std::max<int64_t>(size, 1));
    const size_t capacity = (wanted + kHuge - 1) / kHuge * kHuge;
    {
        // The smallest kept buffer that holds the size.
        std::lock_guard lock(gSpareLock);
        Spare* best = nullptr;
        for (Spare& s : gSpares)
            if (s.bytes && s.capacity >= capacity && (!best || s.capacity < best->capacity))
                best = &s;
        if (best)
            return HugeBuffer(std::exchange(best->bytes, nullptr), std::exchange(best->capacity, 0));
    }
    uint8_t* bytes = MapAligned(capacity);
    return bytes ? HugeBuffer(bytes, capacity) : HugeBuffer();
}

HugeBuffer::~HugeBuffer()
{
    Release();
}

HugeBuffer::HugeBuffer(HugeBuffer&& other) noexcept
    : bytes_(std::exchange(other.bytes_, nullptr)), capacity_(std::exchange(other.capacity_, 0))
{
}

HugeBuffer& HugeBuffer::operator=(HugeBuffer&& other) noexcept
{
    if (this != &other) {
        Release();
        bytes_ = std::exchange(other.bytes_, nullptr);
        capacity_ = std::exchange(other.capacity_, 0);
    }
    return *this;
}

void HugeBuffer::Release()
{
    if (!bytes_)
        return;
    // The pages stay mapped: the kernel takes them back only when it needs
    // memory, until then the next buffer reuses them without a fault.
    madvise(bytes_, capacity_, MADV_FREE);
    Spare given{std::exchange(bytes_, nullptr), std::exchange(capacity_, 0)};
    std::lock_guard lock(gSpareLock);
    // Keep the two largest: replace an empty place or the smallest kept.
    Spare* smallest = &gSpares[0];
    for (Spare& s : gSpares)
        if (!s.bytes || (smallest->bytes && s.capacity < smallest->capacity))
            smallest = &s;
    if (smallest->bytes && smallest->capacity >= given.capacity) {
        Unmap(given.bytes, given.capacity);
        return;
    }
    Unmap(smallest->bytes, smallest->capacity);
    *smallest = given;
}

void HugeBuffer::DropSpares()
{
    std::lock_guard lock(gSpareLock);
    for (Spare& s : gSpares) {
        Unmap(s.bytes, s.capacity);
        s = Spare{};
    }
}
