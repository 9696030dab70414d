#include "blt/DibSampler.h"

#include "render/WideInt.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// The source pixel (or -1 outside [0, limit)) shown by each device pixel
// first .. last - 1 of one axis of dest, which starts at start and is n
// pixels long. The block's srcCount pixels run from srcStart in direction
// (+1, or -1 for the bottom-up rows of a DIB, whose top line comes last).
std::vector<int32_t> AxisSamples(int32_t first, int32_t last, int32_t start, int64_t n, bool flip,
                                 int32_t srcStart, int32_t srcCount, int32_t direction, int32_t limit)
{
    std::vector<int32_t> out;
    out.reserve(size_t(last - first));
    // (2i + 1) * srcCount stays far inside 64 bits for every i of a device
    // axis; the wide form is kept for sizes beyond any device.
    const bool narrow = n < (int64_t(1) << 30);
    for (int32_t d = first; d < last; ++d) {
        int64_t i = int64_t(d) - start;
        if (flip)
            i = n - 1 - i;
        const QnWide step = srcCount == n ? QnWide(i)
                          : narrow        ? QnWide((2 * i + 1) * int64_t(srcCount) / (2 * n))
                                          : (2 * QnWide(i) + 1) * srcCount / (2 * QnWide(n));
        const QnWide s = srcStart + direction * step;
        out.push_back(s >= 0 && s < limit ? int32_t(s) : -1);
    }
    return out;
}

// The part [lo, hi) of the samples that are valid: sampling is monotonic,
// so the valid ones form one run.
void ValidRun(const std::vector<int32_t>& samples, size_t& lo, size_t& hi)
{
    lo = 0;
    hi = samples.size();
    while (lo < hi && samples[lo] < 0)
        ++lo;
    while (hi > lo && samples[hi - 1] < 0)
        --hi;
}

// A block shown unscaled and unmirrored: device pixel (x, y) shows DIB
// column src.x + (x - dest.left) and stored row topRow - (y - dest.top).
// The part of box whose pixels lie in the DIB is a view of its rows.
DeviceImage ViewDib(const DibBits& dib, const DibRect& src, const QnRect& dest, const QnRect& box)
{
    DeviceImage image;
    const int64_t topRow = int64_t(src.y) + src.height - 1;
    const int64_t left = std::max<int64_t>(box.left, int64_t(dest.left) - src.x);
    const int64_t right = std::min<int64_t>(box.right, int64_t(dest.left) - src.x + dib.width);
    const int64_t top = std::max<int64_t>(box.top, int64_t(dest.top) + topRow - (dib.height - 1));
    const int64_t bottom = std::min<int64_t>(box.bottom, int64_t(dest.top) + topRow + 1);
    if (left >= right || top >= bottom)
        return image;
    image.rect = QnRect{int32_t(left), int32_t(top), int32_t(right), int32_t(bottom)};
    image.view = dib.Row(int32_t(topRow - (top - dest.top))) + size_t(src.x + (left - dest.left)) * 3;
    image.viewStride = -dib.RowBytes();
    return image;
}

} // namespace

DeviceImage SampleDib(const DibBits& dib, const DibRect& src, const DibPlacement& place, const QnRect& box)
{
    DeviceImage image;
    if (!dib.IsValid() || src.width <= 0 || src.height <= 0 || box.IsEmpty())
        return image;
    const QnRect& dest = place.dest;
    if (!place.flipX && !place.flipY && dest.Width() == src.width && dest.Height() == src.height)
        return ViewDib(dib, src, dest, box);
    const std::vector<int32_t> cols = AxisSamples(box.left, box.right, dest.left, dest.Width(), place.flipX,
                                                  src.x, src.width, 1, dib.width);
    // The block's top row is its last stored row.
    const int32_t topRow = int32_t(std::min<int64_t>(int64_t(src.y) + src.height - 1, INT32_MAX));
    const std::vector<int32_t> rows = AxisSamples(box.top, box.bottom, dest.top, dest.Height(), place.flipY,
                                                  topRow, src.height, -1, dib.height);
    size_t c0, c1, r0, r1;
    ValidRun(cols, c0, c1);
    ValidRun(rows, r0, r1);
    if (c0 == c1 || r0 == r1)
        return image;

    image.rect = QnRect{box.left + int32_t(c0), box.top + int32_t(r0), box.left + int32_t(c1),
                        box.top + int32_t(r1)};
    // Sampling is monotonic and its steps differ by at most one, so a
    // first-to-last distance of count - 1 means every step is +1: the
    // columns are one run of the row, unscaled and unmirrored.
    const bool run = cols[c1 - 1] - cols[c0] == int32_t(c1 - 1 - c0);
    const int64_t rowSpan = int64_t(rows[r1 - 1]) - rows[r0];
    if (run && (rowSpan == int64_t(r1 - 1 - r0) || rowSpan == -int64_t(r1 - 1 - r0))) {
        // Shown 1:1 on both axes: the image is a view of the DIB's rows.
        image.view = dib.Row(rows[r0]) + size_t(cols[c0]) * 3;
        image.viewStride = rowSpan < 0 ? -dib.RowBytes() : dib.RowBytes();
        return image;
    }
    const size_t rowBytes = size_t(image.RowBytes());
    image.pixels.resize(rowBytes * (r1 - r0));
    uint8_t* out = image.pixels.data();
    for (size_t r = r0; r < r1; ++r) {
        const uint8_t* in = dib.Row(rows[r]);
        if (run) {
            std::memcpy(out, in + size_t(cols[c0]) * 3, rowBytes);
            out += rowBytes;
            continue;
        }
        for (size_t c = c0; c < c1; ++c, out += 3)
            std::memcpy(out, in + size_t(cols[c]) * 3, 3);
    }
    return image;
}
