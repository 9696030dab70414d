#include "imexp/ImExp.h"

#include <atomic>
#include <cstdlib>

namespace imexp {

namespace {

uint64_t DefaultLimit()
{
    if (const char* text = std::getenv("QNIMEXP_MAX_PIXELS")) {
        char* end = nullptr;
        const unsigned long long value = std::strtoull(text, &end, 10);
        if (end != text && value > 0)
            return value;
    }
    return kDefaultPixelLimit;
}

std::atomic<uint64_t>& Limit()
{
    static std::atomic<uint64_t> limit{DefaultLimit()};
    return limit;
}

} // namespace

uint64_t PixelLimit() { return Limit().load(); }

void SetPixelLimit(uint64_t pixels) { Limit().store(pixels ? pixels : DefaultLimit()); }

} // namespace imexp
