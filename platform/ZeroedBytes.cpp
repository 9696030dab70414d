#include "platform/ZeroedBytes.h"

#include <sys/mman.h>
#include <unistd.h>

namespace platform {

namespace {

// Below this the buffer comes from the allocator's pool, not fresh pages.
constexpr size_t kLarge = size_t(4) << 20;

void AdviseLargePages(uint8_t* data, size_t n)
{
    const uintptr_t page = uintptr_t(sysconf(_SC_PAGESIZE));
    const uintptr_t begin = (uintptr_t(data) + page - 1) & ~(page - 1);
    const uintptr_t end = (uintptr_t(data) + n) & ~(page - 1);
    // Only advice: where the kernel has no large pages nothing changes.
    if (end > begin)
        madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
}

}  // namespace

void AssignZeroedBytes(std::vector<uint8_t>& out, size_t n)
{
    if (n < kLarge) {
        out.assign(n, 0);
        return;
    }
    std::vector<uint8_t> fresh;
    fresh.reserve(n);
    AdviseLargePages(fresh.data(), n);
    fresh.resize(n);
    out.swap(fresh);
}

std::vector<uint8_t> ZeroedBytes(size_t n)
{
    std::vector<uint8_t> out;
    AssignZeroedBytes(out, n);
    return out;
}

}  // namespace platform
