#include "base/QnPhysicalMemory.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <time.h>
#include <unistd.h>

namespace {

constexpr uint64_t kUnlimited = std::numeric_limits<uint64_t>::max();
// The reading costs a few file reads; the allocator may ask on every
// allocation, so a reading is reused for this long.
constexpr int64_t kCacheNanoseconds = 100'000'000;

std::atomic<QnPhysicalMemoryProvider> provider{nullptr};
std::atomic<uint64_t> cachedValue{0};
std::atomic<int64_t> cachedAt{0}; // 0: nothing read yet

uint64_t ParseBytes(const char* text)
{
    if (!text || !*text)
        return 0;
    char* end = nullptr;
    unsigned long long value = std::strtoull(text, &end, 10);
    switch (end ? *end : 0) {
    case 'k': case 'K': value <<= 10; break;
    case 'm': case 'M': value <<= 20; break;
    case 'g': case 'G': value <<= 30; break;
    default: break;
    }
    return value;
}

std::atomic<uint64_t>& budget()
{
    static std::atomic<uint64_t> b{ParseBytes(std::getenv("QN_MEMORY_BUDGET"))};
    return b;
}

uint64_t ReadFirstNumber(const std::string& path, bool& found)
{
    std::ifstream in(path);
    std::string word;
    found = false;
    if (!(in >> word) || word == "max")
        return kUnlimited;
    found = true;
    return std::strtoull(word.c_str(), nullptr, 10);
}

uint64_t MemAvailable()
{
    std::ifstream in("/proc/meminfo");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("MemAvailable:", 0) == 0) {
            std::istringstream fields(line.substr(13));
            uint64_t kib = 0;
            fields >> kib;
            return kib * 1024;
        }
    }
    return kUnlimited;
}

// Headroom under the memory limit of the cgroup this process runs in
// (cgroup v2, else v1); unlimited when there is none.
uint64_t CgroupHeadroom()
{
    std::ifstream in("/proc/self/cgroup");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("0::", 0) == 0) {
            const std::string dir = "/sys/fs/cgroup" + line.substr(3);
            bool hasMax = false, hasCurrent = false;
            uint64_t max = ReadFirstNumber(dir + "/memory.max", hasMax);
            uint64_t current = ReadFirstNumber(dir + "/memory.current", hasCurrent);
            if (hasMax && hasCurrent)
                return max > current ? max - current : 0;
            break;
        }
    }
    bool hasLimit = false, hasUsage = false;
    uint64_t limit = ReadFirstNumber("/sys/fs/cgroup/memory/memory.limit_in_bytes", hasLimit);
    uint64_t usage = ReadFirstNumber("/sys/fs/cgroup/memory/memory.usage_in_bytes", hasUsage);
    // v1 reports "no limit" as a huge page-rounded number.
    if (hasLimit && hasUsage && limit < (uint64_t(1) << 60))
        return limit > usage ? limit - usage : 0;
    return kUnlimited;
}

uint64_t ResidentBytes()
{
    std::ifstream in("/proc/self/statm");
    uint64_t size = 0, resident = 0;
    in >> size >> resident;
    return resident * static_cast<uint64_t>(sysconf(_SC_PAGESIZE));
}

// The coarse clock is read from the vDSO without a system call and costs a
// fraction of steady_clock; its few milliseconds of granularity are nothing
// against the cache period.
int64_t NowNanoseconds()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &ts);
    return int64_t(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

} // namespace

uint64_t QnReadSystemMemoryAvailable()
{
    uint64_t available = std::min(MemAvailable(), CgroupHeadroom());
    if (uint64_t cap = budget().load()) {
        uint64_t resident = ResidentBytes();
        available = std::min(available, cap > resident ? cap - resident : 0);
    }
    return available;
}

uint64_t QnGetPhysicalMemoryAvailable64()
{
    if (QnPhysicalMemoryProvider p = provider.load())
        return p();
    const int64_t now = NowNanoseconds();
    const int64_t readAt = cachedAt.load(std::memory_order_relaxed);
    if (readAt != 0 && now - readAt < kCacheNanoseconds)
        return cachedValue.load(std::memory_order_relaxed);
    const uint64_t value = QnReadSystemMemoryAvailable();
    cachedValue.store(value, std::memory_order_relaxed);
    cachedAt.store(now, std::memory_order_relaxed);
    return value;
}

uint32_t QnGetPhysicalMemoryAvailable()
{
    return static_cast<uint32_t>(std::min<uint64_t>(QnGetPhysicalMemoryAvailable64(), 0xFFFFFFFFu));
}

QnPhysicalMemoryProvider QnSetPhysicalMemoryProvider(QnPhysicalMemoryProvider p)
{
    return provider.exchange(p);
}

void QnSetMemoryBudget(uint64_t bytes)
{
    budget().store(bytes);
    cachedAt.store(0);
}

uint64_t QnGetMemoryBudget() { return budget().load(); }
