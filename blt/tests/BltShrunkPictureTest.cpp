// A JPEG opened shrunk (its full pixels not decoded yet) drawn by the
// blitter as a view shows it. Reduced at least as much as its reduced copy,
// every pixel shown is a value of the block of full pixels that holds the
// pixel the full picture's nearest-sample stretch shows there, and the full
// pixels stay undecoded. Less reduced, the full picture is decoded and drawn
// exactly as one read whole.
#include "blt/Blt.h"
#include "BltTestSupport.h"
#include "picture/tests/ShrunkJpeg.h"
#include "platform/tests/TestFolder.h"
#include "render/StretchTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace blttest;

namespace {

// What JPEG rounding and its reduced decode may add beyond the block's range.
constexpr int kSlack = 4;

// The picture's pixels, top line first, blue, green, red.
std::vector<uint8_t> Pixels(const QnPicture& picture)
{
    const int32_t w = picture.GetWidth(), h = picture.GetHeight();
    std::vector<uint8_t> all(size_t(w) * size_t(h) * 3);
    std::vector<uint8_t> row(size_t(w) * 3 + 4);
    for (int32_t y = 0; y < h; ++y) {
        picture.GetRow(0, 0, h - 1 - y, row.data());
        std::copy_n(row.begin(), size_t(w) * 3, all.begin() + ptrdiff_t(size_t(y) * size_t(w) * 3));
    }
    return all;
}

// Channel c (0 blue, 1 green, 2 red) of a device colour.
int Channel(QnColorRef colour, int c) { return int((colour >> (8 * (2 - c))) & 0xFF); }

// Shown pixels outside [min - slack, max + slack] of their block, reporting
// the first.
int64_t CountOutsideBlocks(const MemoryDC& dc, const QnPicture& full, const QnXFormXY& zoom, int32_t by)
{
    const int32_t w = full.GetWidth(), h = full.GetHeight();
    const std::vector<uint8_t> pixels = Pixels(full);
    const QnPoint size = dc.DeviceSize();
    const QnRect bounds = zoom.XForm(QnRect{0, 0, w, h}, QN_XF_SORTED);
    std::vector<int32_t> xs(size_t(size.x)), ys(size_t(size.y));
    QnFillRoughTable(xs.data(), 0, size.x, 1 / zoom.GetXFactor());
    QnFillRoughTable(ys.data(), 0, size.y, 1 / zoom.GetYFactor());
    int64_t wrong = 0;
    for (int32_t y = bounds.top; y < std::min(bounds.bottom, size.y); ++y)
        for (int32_t x = bounds.left; x < std::min(bounds.right, size.x); ++x) {
            const int32_t bx = xs[size_t(x)] / by * by, bY = ys[size_t(y)] / by * by;
            const QnColorRef shown = dc.DevicePixel(x, y);
            for (int c = 0; c < 3; ++c) {
                int lo = 255, hi = 0;
                for (int32_t j = bY; j < std::min(bY + by, h); ++j)
                    for (int32_t i = bx; i < std::min(bx + by, w); ++i) {
                        const int v = pixels[(size_t(j) * size_t(w) + size_t(i)) * 3 + size_t(c)];
                        lo = std::min(lo, v);
                        hi = std::max(hi, v);
                    }
                const int v = Channel(shown, c);
                if ((v < lo - kSlack || v > hi + kSlack) && wrong++ == 0)
                    ADD_FAILURE() << "pixel " << x << "," << y << " channel " << c << " is " << v << ", its block "
                                  << lo << ".." << hi;
            }
        }
    return wrong;
}

} // namespace

TEST(BltShrunkPicture, ShowsTheFullPicturesSampledBlockAndDecodesNothing)
{
    struct Case {
        int32_t width, height; // the picture
        int32_t areaW, areaH;  // the room it is opened for
        uint32_t den;          // the zoom 1/den it is drawn at
        int32_t by;            // the reduction the room asks for
    };
    const Case cases[] = {
        {640, 480, 320, 240, 2, 2},  // the fit's own zoom, sizes that divide
        {613, 411, 160, 110, 4, 4},  // sizes that do not divide
        {613, 411, 160, 110, 6, 4},  // zoomed out past the reduced copy
        {1000, 360, 120, 100, 9, 8}, // the largest reduction
    };
    TestFolder folder;
    char name[16] = "p0.jpg";
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " at 1/" << c.den);
        ++name[1]; // a file of its own: a file opened once stays bound to its picture
        const std::string path = folder / name;
        shrunktest::WriteJpeg(shrunktest::PhotoLike(c.width, c.height), path);
        const PpQnPicture full = shrunktest::ReadWhole(path);
        const PpQnPicture shrunk = shrunktest::OpenShrunk(path, c.areaW, c.areaH);
        ASSERT_TRUE(shrunk->PixelsPending());
        {
            const QnShrinkOnLoad area(c.areaW, c.areaH);
            EXPECT_EQ(QnShrinkOnLoad::ReductionFor(c.width, c.height), c.by);
        }

        const QnXFormXY zoom = Zoom(1, c.den);
        QnBlt blt;
        MemoryDC dc(c.width / int32_t(c.den) + 7, c.height / int32_t(c.den) + 5, kBackground);
        blt.Draw(dc, WholeDevice(dc), PpQnRenderObj(shrunk), 0, 0, zoom, QnXFormXY(), 0, nullptr);
        EXPECT_TRUE(shrunk->PixelsPending());
        EXPECT_EQ(CountOutsideBlocks(dc, *full, zoom, c.by), 0);
    }
}

TEST(BltShrunkPicture, AZoomBeyondTheReducedCopyDrawsTheFullPicture)
{
    TestFolder folder;
    const std::string path = folder / "p.jpg";
    shrunktest::WriteJpeg(shrunktest::PhotoLike(613, 411), path);
    const PpQnPicture full = shrunktest::ReadWhole(path);
    const PpQnPicture shrunk = shrunktest::OpenShrunk(path, 160, 110); // reduced by 4
    ASSERT_TRUE(shrunk->PixelsPending());

    const QnXFormXY zoom = Zoom(1, 2);
    QnBlt blt;
    MemoryDC dc(320, 220, kBackground);
    blt.Draw(dc, WholeDevice(dc), PpQnRenderObj(shrunk), 0, 0, zoom, QnXFormXY(), 0, nullptr);
    EXPECT_FALSE(shrunk->PixelsPending());
    EXPECT_EQ(CountWrongPixels(dc, Expected(PpQnRenderObj(full), zoom), 0, 0, WholeDevice(dc)), 0);
}
