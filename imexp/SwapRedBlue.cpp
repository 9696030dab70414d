#include "imexp/SwapRedBlue.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define IMEXP_SHUFFLE_BYTES 1
#endif

namespace imexp {

namespace {

void SwapBytewise(const uint8_t* in, uint8_t* out, size_t count)
{
    for (size_t i = 0; i < count; ++i, in += 3, out += 3) {
        const uint8_t first = in[0];
        out[1] = in[1];
        out[0] = in[2];
        out[2] = first;
    }
}

#ifdef IMEXP_SHUFFLE_BYTES
// Five pixels a step through one 16-byte shuffle; the sixteenth byte is
// put back as it was, so that the step is also right in place. The last
// pixels, whose step would read past the row, go byte by byte.
__attribute__((target("ssse3"))) void SwapShuffled(const uint8_t* in, uint8_t* out, size_t count)
{
    const __m128i order = _mm_setr_epi8(2, 1, 0, 5, 4, 3, 8, 7, 6, 11, 10, 9, 14, 13, 12, 15);
    size_t done = 0;
    for (; done + 6 <= count; done += 5) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + 3 * done));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 3 * done), _mm_shuffle_epi8(v, order));
    }
    SwapBytewise(in + 3 * done, out + 3 * done, count - done);
}

bool CanShuffle()
{
    static const bool can = __builtin_cpu_supports("ssse3");
    return can;
}
#endif

} // namespace

void SwapRedBlue(const uint8_t* in, uint8_t* out, size_t count)
{
#ifdef IMEXP_SHUFFLE_BYTES
    if (CanShuffle()) {
        SwapShuffled(in, out, count);
        return;
    }
#endif
    SwapBytewise(in, out, count);
}

} // namespace imexp
