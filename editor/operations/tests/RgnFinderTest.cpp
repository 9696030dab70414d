// The colour-range finder against a plain breadth-first 4-connected flood
// fill on random grey and colour pictures, seeds and ranges; and the cases
// the fill must not get wrong: diagonals, a seed out of range, the rows
// turned over from the DIB's bottom-up order.
#include "editor/operations/RgnFinder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <random>
#include <vector>

namespace {

using platform::BITMAPINFOHEADER;
using platform::COLORREF;
using platform::MakeColorRef;

// A packed 24-bit DIB; pixel (x, y) is in DIB coordinates (y from the bottom).
struct Dib {
    Dib(int32_t w, int32_t h) : width(w), height(h), stride((size_t(w) * 3 + 3) / 4 * 4), bytes(40 + stride * h, 0xEE)
    {
        BITMAPINFOHEADER header;
        header.biWidth = w;
        header.biHeight = h;
        std::memcpy(bytes.data(), &header, sizeof header);
    }
    uint8_t* At(int32_t x, int32_t y) { return bytes.data() + 40 + size_t(y) * stride + size_t(x) * 3; }
    void Set(int32_t x, int32_t y, uint8_t r, uint8_t g, uint8_t b)
    {
        At(x, y)[0] = b, At(x, y)[1] = g, At(x, y)[2] = r;
    }
    const BITMAPINFOHEADER* Header() const { return reinterpret_cast<const BITMAPINFOHEADER*>(bytes.data()); }

    int32_t width, height;
    size_t stride;
    std::vector<uint8_t> bytes;
};

std::vector<uint8_t> BruteForceFill(Dib& dib, int32_t sx, int32_t sy, COLORREF low, COLORREF high)
{
    auto inside = [&](int32_t x, int32_t y) {
        const uint8_t* p = dib.At(x, y);
        const uint8_t rgb[3] = {p[2], p[1], p[0]};
        for (int c = 0; c < 3; ++c)
            if (rgb[c] < (low >> (8 * c) & 0xFF) || rgb[c] > (high >> (8 * c) & 0xFF))
                return false;
        return true;
    };
    std::vector<uint8_t> mask(size_t(dib.width) * dib.height, 0);
    if (!inside(sx, sy))
        return mask;
    std::deque<std::pair<int32_t, int32_t>> queue{{sx, sy}};
    mask[size_t(sy) * dib.width + sx] = 255;
    while (!queue.empty()) {
        const auto [x, y] = queue.front();
        queue.pop_front();
        const int32_t next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
        for (const auto& n : next) {
            if (n[0] < 0 || n[1] < 0 || n[0] >= dib.width || n[1] >= dib.height)
                continue;
            uint8_t& m = mask[size_t(n[1]) * dib.width + n[0]];
            if (!m && inside(n[0], n[1])) {
                m = 255;
                queue.push_back({n[0], n[1]});
            }
        }
    }
    return mask;
}

void ExpectRegionIsMask(const QnRgn& region, const std::vector<uint8_t>& mask, int32_t w, int32_t h)
{
    int64_t count = 0;
    for (const QnRect& r : region.rects())
        count += r.Width() * r.Height();
    int64_t marked = 0;
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) {
            const bool inMask = mask[size_t(h - 1 - y) * w + x] == 255; // region rows run top-down
            marked += inMask;
            ASSERT_EQ(!region.from_point(QnPoint{x, y}).IsEmpty(), inMask) << x << "," << y;
        }
    }
    EXPECT_EQ(count, marked);
}

TEST(RgnFinder, MatchesBruteForceFillOnRandomPictures)
{
    std::mt19937 gen(2024);
    for (int round = 0; round < 400; ++round) {
        const bool grey = round % 2 == 0;
        std::uniform_int_distribution<int> side(1, 48);
        Dib dib(side(gen), side(gen));
        // Few levels, so that areas are large and winding.
        const int levels = std::uniform_int_distribution<int>(2, 6)(gen);
        std::uniform_int_distribution<int> level(0, levels - 1);
        for (int32_t y = 0; y < dib.height; ++y) {
            for (int32_t x = 0; x < dib.width; ++x) {
                const uint8_t r = uint8_t(level(gen) * 250 / levels);
                if (grey)
                    dib.Set(x, y, r, r, r);
                else
                    dib.Set(x, y, r, uint8_t(level(gen) * 250 / levels), uint8_t(level(gen) * 250 / levels));
            }
        }
        const int32_t sx = std::uniform_int_distribution<int>(0, dib.width - 1)(gen);
        const int32_t sy = std::uniform_int_distribution<int>(0, dib.height - 1)(gen);
        const uint8_t* seed = dib.At(sx, sy);
        const int tolerance = std::uniform_int_distribution<int>(0, 120)(gen);
        auto lo = [&](int v) { return uint8_t(std::max(0, v - tolerance)); };
        auto hi = [&](int v) { return uint8_t(std::min(255, v + tolerance)); };
        const COLORREF low = MakeColorRef(lo(seed[2]), lo(seed[1]), lo(seed[0]));
        const COLORREF high = MakeColorRef(hi(seed[2]), hi(seed[1]), hi(seed[0]));

        SCOPED_TRACE(testing::Message() << "round " << round);
        CRgnFinder finder;
        finder.FindRegion(dib.Header(), sx, sy, low, high);
        const std::vector<uint8_t> expected = BruteForceFill(dib, sx, sy, low, high);
        ASSERT_EQ(finder.Mask(), expected);
        QnRgn region;
        finder.GetRegion(&region);
        ExpectRegionIsMask(region, expected, dib.width, dib.height);
    }
}

TEST(RgnFinder, UniformPictureIsFoundWhole)
{
    Dib dib(13, 7);
    for (int32_t y = 0; y < 7; ++y)
        for (int32_t x = 0; x < 13; ++x)
            dib.Set(x, y, 10, 20, 30);
    CRgnFinder finder;
    finder.FindRegion(dib.Header(), 6, 3, MakeColorRef(10, 20, 30), MakeColorRef(10, 20, 30));
    QnRgn region;
    finder.GetRegion(&region);
    EXPECT_TRUE(region == QnRgn(QnRect{0, 0, 13, 7}));
    EXPECT_EQ(region.box(), (QnRect{0, 0, 13, 7}));
}

TEST(RgnFinder, DiagonalsAreNotFollowedAndRowsTurnOver)
{
    Dib dib(5, 5);
    for (int32_t y = 0; y < 5; ++y)
        for (int32_t x = 0; x < 5; ++x)
            dib.Set(x, y, x == y ? 255 : 0, 0, 0);
    CRgnFinder finder;
    finder.FindRegion(dib.Header(), 0, 0, MakeColorRef(200, 0, 0), MakeColorRef(255, 0, 0));
    QnRgn region;
    finder.GetRegion(&region);
    // The DIB's bottom row is the picture's last.
    EXPECT_TRUE(region == QnRgn(QnRect{0, 4, 1, 5}));

    CRgnFinder outside;
    outside.FindRegion(dib.Header(), 1, 0, MakeColorRef(200, 0, 0), MakeColorRef(255, 0, 0));
    outside.GetRegion(&region);
    EXPECT_EQ(region.count(), 0u);
    outside.FindRegion(dib.Header(), 9, 0, MakeColorRef(0, 0, 0), MakeColorRef(255, 255, 255));
    outside.GetRegion(&region);
    EXPECT_EQ(region.count(), 0u);
}

} // namespace
