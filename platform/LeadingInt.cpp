#include "platform/LeadingInt.h"

#include "platform/NoCase.h"

#include <limits>

namespace platform {

int32_t ParseLeadingInt(std::string_view text)
{
    text = TrimBlanks(text);
    bool negative = false;
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    constexpr int64_t kLimit = int64_t(std::numeric_limits<int32_t>::max()) + 1;
    int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        if (magnitude <= kLimit)
            magnitude = magnitude * 10 + (text[i] - '0');
    if (negative)
        return magnitude >= kLimit ? std::numeric_limits<int32_t>::min() : int32_t(-magnitude);
    return magnitude >= kLimit ? std::numeric_limits<int32_t>::max() : int32_t(magnitude);
}

} // namespace platform
