#include "imexp/ImExp.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace imexp {

namespace {

uint64_t DefaultLimit()
{
    if (const char* text = std::getenv("QNIMEXP_MAX_PIXELS")) {
        if (const auto value = ParsePixelLimit(text))
            return *value;
        std::fprintf(stderr, "QNIMEXP_MAX_PIXELS=\"%s\" is not a positive whole number of pixels; it is ignored\n",
                     text);
    }
    return kDefaultPixelLimit;
}

std::atomic<uint64_t>& Limit()
{
    static std::atomic<uint64_t> limit{DefaultLimit()};
    return limit;
}

} // namespace

std::optional<uint64_t> ParsePixelLimit(std::string_view text)
{
    if (text.empty() || text.size() > 20)
        return std::nullopt;
    uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        const uint64_t digit = uint64_t(c - '0');
        if (value > (UINT64_MAX - digit) / 10)
            return std::nullopt;
        value = value * 10 + digit;
    }
    if (value == 0)
        return std::nullopt;
    return value;
}

uint64_t PixelLimit() { return Limit().load(); }

void SetPixelLimit(uint64_t pixels) { Limit().store(pixels ? pixels : DefaultLimit()); }

} // namespace imexp
