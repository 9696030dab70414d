#include "editor/ui/MaskPixels.h"

#include <QImage>
#include <algorithm>
#include <array>
#include <vector>

namespace {

// The part of r that lies on the bits.
QnRect ClipToBits(const CLdGreyBits& bits, const QnRect& r)
{
    return QnIntersectRect(r, QnRect{0, 0, bits.width, bits.height});
}

// Result of the truth table for each bit of pattern, source and destination.
uint8_t Rop3(uint32_t rop, uint8_t p, uint8_t s, uint8_t d)
{
    const uint8_t table = uint8_t(rop >> 16);
    uint8_t out = 0;
    for (int index = 0; index < 8; ++index) {
        if (!((table >> index) & 1))
            continue;
        const uint8_t pm = (index & 4) ? p : uint8_t(~p);
        const uint8_t sm = (index & 2) ? s : uint8_t(~s);
        const uint8_t dm = (index & 1) ? d : uint8_t(~d);
        out |= pm & sm & dm;
    }
    return out;
}

// The source pixels [first, last) of one target pixel of an axis stretched
// from sourceSize to targetSize.
struct Span {
    int32_t first;
    int32_t last;
};
std::vector<Span> StretchSpans(int32_t sourceStart, int32_t sourceSize, int32_t targetSize)
{
    std::vector<Span> spans(static_cast<size_t>(targetSize));
    for (int32_t d = 0; d < targetSize; ++d) {
        const int64_t first = int64_t(d) * sourceSize / targetSize;
        int64_t last = int64_t(d + 1) * sourceSize / targetSize;
        if (sourceSize <= targetSize || last <= first)
            last = first + 1;
        spans[size_t(d)] = Span{int32_t(sourceStart + first), int32_t(sourceStart + last)};
    }
    return spans;
}

}  // namespace

bool LdRopNeedsSource(uint32_t rop)
{
    const uint8_t table = uint8_t(rop >> 16);
    return ((table >> 2) & 0x33) != (table & 0x33);
}

void LdPatBlt(const CLdGreyBits& dst, QnRect r, uint32_t rop, uint8_t pattern)
{
    r = ClipToBits(dst, r);
    if (r.IsEmpty())
        return;
    std::array<uint8_t, 256> result;
    for (int d = 0; d < 256; ++d)
        result[size_t(d)] = Rop3(rop, pattern, 0, uint8_t(d));
    for (int32_t y = r.top; y < r.bottom; ++y) {
        uint8_t* row = dst.Row(y);
        for (int32_t x = r.left; x < r.right; ++x)
            row[x] = result[row[x]];
    }
}

void LdDownSample(const CLdGreyBits& scaled, const CLdGreyBits& mask, int32_t scale)
{
    const uint32_t cells = uint32_t(scale) * uint32_t(scale);
    std::vector<uint32_t> sums(size_t(mask.width));
    for (int32_t y = 0; y < mask.height; ++y) {
        std::fill(sums.begin(), sums.end(), 0u);
        for (int32_t sy = 0; sy < scale; ++sy) {
            const uint8_t* row = scaled.Row(y * scale + sy);
            for (int32_t x = 0; x < mask.width; ++x) {
                const uint8_t* block = row + size_t(x) * size_t(scale);
                uint32_t sum = 0;
                for (int32_t sx = 0; sx < scale; ++sx)
                    sum += block[sx];
                sums[size_t(x)] += sum;
            }
        }
        uint8_t* out = mask.Row(y);
        for (int32_t x = 0; x < mask.width; ++x)
            out[x] = uint8_t(sums[size_t(x)] / cells);
    }
}

void LdBoxSmooth(const CLdGreyBits& bits, int32_t r)
{
    if (r < 0 || bits.width <= 0 || bits.height <= 0)
        return;
    const int32_t w = bits.width;
    const int32_t h = bits.height;
    const int64_t side = 2 * int64_t(r) + 1;
    // Sums across each row's windows first, with 255 beyond either end.
    std::vector<uint64_t> across(size_t(w) * size_t(h));
    for (int32_t y = 0; y < h; ++y) {
        const uint8_t* row = bits.Row(y);
        uint64_t* out = &across[size_t(y) * size_t(w)];
        auto at = [&](int64_t x) -> uint64_t { return (x < 0 || x >= w) ? 255u : row[x]; };
        uint64_t sum = 0;
        for (int64_t x = -r; x <= r; ++x)
            sum += at(x);
        for (int32_t x = 0; x < w; ++x) {
            out[x] = sum;
            sum += at(int64_t(x) + r + 1);
            sum -= at(int64_t(x) - r);
        }
    }
    // Then down each column, rows beyond the edges being all 255.
    const uint64_t outsideRow = 255u * uint64_t(side);
    const uint64_t cells = uint64_t(side) * uint64_t(side);
    for (int32_t x = 0; x < w; ++x) {
        auto at = [&](int64_t y) -> uint64_t { return (y < 0 || y >= h) ? outsideRow : across[size_t(y) * size_t(w) + size_t(x)]; };
        uint64_t sum = 0;
        for (int64_t y = -r; y <= r; ++y)
            sum += at(y);
        for (int32_t y = 0; y < h; ++y) {
            bits.Row(y)[x] = uint8_t(std::min<uint64_t>(sum / cells, 255));
            sum += at(int64_t(y) + r + 1);
            sum -= at(int64_t(y) - r);
        }
    }
}

void LdStretchGrey(const QImage& source, const QnRect& src, const CLdGreyBits& bits, const QnRect& dst)
{
    if (source.format() != QImage::Format_Grayscale8 || src.IsEmpty() || dst.IsEmpty())
        return;
    const std::vector<Span> columns = StretchSpans(src.left, int32_t(src.Width()), int32_t(dst.Width()));
    const std::vector<Span> rows = StretchSpans(src.top, int32_t(src.Height()), int32_t(dst.Height()));
    const QnRect clipped = ClipToBits(bits, dst);
    for (int32_t y = clipped.top; y < clipped.bottom; ++y) {
        const Span& rs = rows[size_t(y - dst.top)];
        uint8_t* out = bits.Row(y);
        for (int32_t x = clipped.left; x < clipped.right; ++x) {
            const Span& cs = columns[size_t(x - dst.left)];
            uint8_t value = 0xFF;
            for (int32_t sy = rs.first; sy < rs.last; ++sy) {
                if (sy < 0 || sy >= source.height())
                    continue;
                const uint8_t* line = source.constScanLine(sy);
                for (int32_t sx = std::max(cs.first, 0); sx < std::min<int32_t>(cs.last, source.width()); ++sx)
                    value &= line[sx];
            }
            out[x] = value;
        }
    }
}
