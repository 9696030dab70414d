// The brush shapes (generated ellipse, cross and rectangle, the module's
// bitmaps inverted, masks turned in sixteenths) against their formulas,
// and Automatic brush and Oil paint under the scripted host against the
// prints worked out here.
#include "ArtFilterFixture.h"

#include "filters/art/BrushShapes.h"
#include "platform/Dib.h"
#include "platform/ResourceTable.h"
#include "platform/WinRand.h"

#include <cmath>

namespace {

TEST(ArtBrushShapes, GeneratedShapesFollowTheirFormulas)
{
    for (int32_t aspect : {5, 40, 100})
        for (int32_t edge : {0, 4, 10})
            for (int32_t y = 0; y < 32; ++y)
                for (int32_t x = 0; x < 32; ++x) {
                    const int32_t v = (y - 16) * 100 / aspect, u = x - 16, d = 256 - v * v - u * u;
                    const int32_t t = (32 * edge / 10) * (32 * edge / 10);
                    const int32_t ellipse = d < 0 ? 255 : edge > 0 && t != 0 && t >= d ? 255 - d * 255 / t : 0;
                    ASSERT_EQ(EllipseValue(x, y, 32, aspect, edge), ellipse) << x << "," << y;
                    const int32_t h = std::min(x - aspect * 7 / 100, 32 - aspect * 7 / 100 - x);
                    const int32_t l = std::min(y - 7, 25 - y);
                    const int32_t c = 32 * edge / 10, m = std::min(h, l);
                    const int32_t rect = h < 0 || l < 0 ? 255 : edge == 0 ? 0 : c >= m && c > 0 ? 255 - m * 255 / c : 0;
                    ASSERT_EQ(RectValue(x, y, 32, aspect, edge), rect) << x << "," << y;
                }
    // The image: pixel (x, y) at stored row y; the cross is the lighter of
    // the ellipse and its mirror; edge 0 gives hard shapes.
    for (int32_t type : {kBrushEllipse, kBrushCross, kBrushRectangle}) {
        const std::vector<uint8_t> dib = BrushImage(type, 0, 60);
        ASSERT_EQ(dib.size(), 40u + 1024u + 1024u);
        const uint8_t* bits = BrushBits(dib);
        for (int32_t y = 0; y < 32; ++y)
            for (int32_t x = 0; x < 32; ++x) {
                const int32_t want = type == kBrushEllipse ? EllipseValue(x, y, 32, 60, 0)
                                     : type == kBrushCross ? std::min(EllipseValue(x, y, 32, 60, 0), EllipseValue(y, x, 32, 60, 0))
                                                           : RectValue(x, y, 32, 60, 0);
                ASSERT_EQ(bits[y * 32 + x], want);
                ASSERT_TRUE(bits[y * 32 + x] == 0 || bits[y * 32 + x] == 255);
            }
    }
}

TEST(ArtBrushShapes, BitmapBrushesAreTheModulesBitmapsInverted)
{
    const platform::ResourceTable table = platform::ResourceTable::FromFile(OVARTG_MODULE);
    for (int32_t type = kBrushFirstBitmap; type <= kBrushLast; ++type) {
        SCOPED_TRACE(BrushBitmapName(type));
        const auto bytes = table.Find(platform::ResourceType::Bitmap, platform::ResourceName(BrushBitmapName(type)));
        ASSERT_TRUE(bytes);
        std::string error;
        const auto layout = platform::ReadDibLayout(*bytes, &error);
        ASSERT_TRUE(layout);
        EXPECT_EQ(layout->header.biWidth, 32);
        EXPECT_EQ(layout->height, 32);
        EXPECT_EQ(layout->header.biBitCount, 8);
        EXPECT_EQ(layout->palette.size(), 256u);
        const std::vector<uint8_t> dib = BrushImage(type, 4, 40);
        ASSERT_FALSE(dib.empty());
        int32_t painted = 0;
        for (int32_t i = 0; i < 32 * 32; ++i) {
            ASSERT_EQ(BrushBits(dib)[i], 255 - (*bytes)[layout->bitsOffset + size_t(i)]);
            painted += BrushBits(dib)[i] < 128;
        }
        EXPECT_GT(painted, 20); // a shape, not an empty square
        EXPECT_LT(painted, 1000);
    }
}

TEST(ArtBrushShapes, MasksTurnAndScaleInSixteenths)
{
    std::vector<uint8_t> brush(32 * 32);
    for (size_t i = 0; i < brush.size(); ++i)
        brush[i] = uint8_t(i * 37 % 251);
    for (int32_t size : {4, 10, 33, 64})
        for (int32_t degrees : {0, 30, 90, 174}) {
            const std::vector<uint8_t> mask = RotateMask(brush.data(), 32, 32, size, degrees);
            const double a = degrees * 0.01745327777777778;
            const int32_t c = int32_t(std::cos(a) * 64), s = int32_t(std::sin(a) * 64);
            for (int32_t i = 0; i < size; ++i)
                for (int32_t j = 0; j < size; ++j) {
                    const int32_t dy = i * 32 / size - 16, dx = j * 32 / size - 16;
                    const int32_t sx = 1024 - c * dx + s * dy, sy = 1024 + s * dx + c * dy; // the centre, in 1/64
                    int32_t want = 255;
                    if (sx >= 0 && sy >= 0 && sx < 2048 && sy < 2048) {
                        const int32_t x0 = sx / 64, y0 = sy / 64, x1 = std::min(x0 + 1, 31), y1 = std::min(y0 + 1, 31);
                        const int32_t fx = sx / 4 - 16 * x0, fy = sy / 4 - 16 * y0;
                        const auto b = [&](int32_t x, int32_t y) { return int32_t(brush[size_t(y * 32 + x)]); };
                        want = ((b(x0, y0) * (16 - fx) + b(x1, y0) * fx) * (16 - fy) +
                                (b(x1, y1) * fx + b(x0, y1) * (16 - fx)) * fy) /
                               256;
                    }
                    ASSERT_EQ(mask[size_t(i * size + j)], want) << size << " " << degrees << " " << i << "," << j;
                }
        }
}

// The mask a print takes from its box's sums when the angle follows the
// picture.
int32_t MaskIndex(int64_t x, int64_t y)
{
    if (x == 0 && y == 0)
        return 15;
    const double theta = std::atan2(double(y), double(x));
    return theta >= 0 ? std::min(int32_t(theta * 29 * 0.31831015504887655), 29)
                      : std::min(30 - int32_t(-theta * 29 * 0.31831015504887655), 29);
}

// The prints of a host run over the area, as the rule places and paints
// them, then Oil paint's sharpening.
std::vector<int32_t> Brushed(const AreaView& a, const ArtParams& p, bool oil)
{
    const int32_t s = p.Param(1), half = s / 2, w = a.W(), h = a.H(), n = a.N();
    const std::vector<uint8_t> brush = BrushImage(p.Param(5), p.Param(3), p.Param(2));
    std::vector<std::vector<uint8_t>> masks;
    if (p.Param(6))
        for (int32_t k = 0; k < 30; ++k)
            masks.push_back(RotateMask(BrushBits(brush), 32, 32, s, 6 * k));
    else
        masks.push_back(RotateMask(BrushBits(brush), 32, 32, s, p.Param(4)));
    std::vector<int32_t> out;
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            for (int32_t k = 0; k < n; ++k)
                out.push_back(a.Px(x, y, k));
    const auto at = [&](int32_t x, int32_t y, int32_t k) -> int32_t& { return out[size_t((y * w + x) * n + k)]; };
    const int32_t nx = w / half, ny = h / half;
    platform::WinRand rand;
    for (int32_t j = 0; nx > 0 && j < 2 * ny; ++j)
        for (int32_t i = 0; i < 2 * nx; ++i) {
            const int32_t r1 = rand.Next(), r2 = rand.Next(), r3 = rand.Next(), r4 = rand.Next();
            const int32_t y = h * (r1 % ny) / ny + r2 % s - s, x = w * (r3 % nx) / nx + r4 % s - s;
            const int32_t x0 = std::max(x, 0), y0 = std::max(y, 0), x1 = std::min(x + s, w), y1 = std::min(y + s, h);
            if (x0 >= x1 || y0 >= y1)
                continue;
            const int32_t cx = x0 + std::min(x1 - x0 - 1, half), cy = y0 + std::min(y1 - y0 - 1, half);
            int64_t sx = 0, sy = 0;
            for (int32_t py = y0 + 1; masks.size() > 1 && py < y1; ++py)
                for (int32_t px = x0 + 1; px < x1; ++px)
                    for (int32_t k = 0; k < n; ++k) {
                        sx += a.Px(px, py - 1, k) - a.Px(px + 1 < x1 ? px + 1 : px, py, k);
                        sy += a.Px(px - 1, py, k) - a.Px(px, py, k);
                    }
            const std::vector<uint8_t>& mask = masks[size_t(masks.size() > 1 ? MaskIndex(sx, sy) : 0)];
            for (int32_t py = y0; py < y1 - 1; ++py)
                for (int32_t px = x0; px < x1 - 1; ++px) {
                    const int32_t m = mask[size_t((py - y) * s + px - x)];
                    for (int32_t k = 0; k < n; ++k)
                        at(px, py, k) = (a.Px(cx, cy, k) * (255 - m) + at(px, py, k) * m) / 255;
                }
        }
    if (oil)
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x + 3 < w; ++x)
                for (int32_t k = 0; k < n; ++k)
                    at(x, y, k) = Clamp255(2 * at(x, y, k) - at(x + 3, y, k));
    return out;
}

using ArtBrushRun = ArtFilterFixture;

TEST_F(ArtBrushRun, PrintsMatchTheRuleOnTheHost)
{
    struct Case {
        const char* entry;
        std::initializer_list<int32_t> params; // size, aspect, edge, angle, type, follow
        int16_t planes;
        bool deferred;
        Rect filterRect;
    };
    const Case cases[] = {
        {"ENTRYPOINT1", {10, 50, 4, 45, 25000, 0}, 3, false, {0, 0, 0, 0}},
        {"ENTRYPOINT1", {7, 20, 0, 100, 25007, 1}, 1, true, {2, 5, 30, 40}},
        {"ENTRYPOINT8", {6, 30, 2, 120, 25005, 1}, 3, true, {0, 0, 0, 0}},
        {"ENTRYPOINT8", {13, 80, 10, 0, 25002, 0}, 1, false, {4, 1, 33, 41}},
        {"ENTRYPOINT8", {4, 5, 0, 180, 25001, 0}, 3, false, {0, 0, 0, 0}},
    };
    RememberHost(0, PI_FOURCC('8', 'B', 'I', 'M'));
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.entry << " size " << *c.params.begin() << " planes " << c.planes);
        ScriptedHost::Options options;
        options.hostSig = PI_FOURCC('8', 'B', 'I', 'M');
        options.hasAdvanceState = !c.deferred;
        options.planes = c.planes;
        options.width = 43;
        options.height = 35;
        options.filterRect = c.filterRect;
        auto host = MakeHost(options, c.entry);
        PaintInput(*host, 9);
        PrepareBlock(*host, c.params);
        const ArtParams params = Params(*host);
        ASSERT_EQ(host->Run(false), 0);
        const AreaView area{*host, host->FilterRect()};
        const auto want = Brushed(area, params, std::string(c.entry) == "ENTRYPOINT8");
        ExpectPicture(*host, host->FilterRect(), [&](int32_t x, int32_t y, int32_t k) {
            return want[size_t((y * area.W() + x) * area.N() + k)];
        });
        EXPECT_EQ(host->badRequests, 0);
    }
}

TEST_F(ArtBrushRun, AnAreaNarrowerThanHalfAPrintOnlySharpens)
{
    RememberHost(0, PI_FOURCC('8', 'B', 'I', 'M'));
    ScriptedHost::Options options;
    options.hostSig = PI_FOURCC('8', 'B', 'I', 'M');
    options.width = 30;
    options.height = 20;
    options.filterRect = Rect{0, 0, 20, 4}; // 4 columns, half a 10-pixel print is 5
    for (const char* entry : {"ENTRYPOINT1", "ENTRYPOINT8"}) {
        auto host = MakeHost(options, entry);
        PrepareBlock(*host, {10, 50, 4, 45, 25000, 0});
        ASSERT_EQ(host->Run(false), 0);
        for (int32_t y = 0; y < 20; ++y)
            for (int32_t x = 0; x < 30; ++x)
                for (int32_t k = 0; k < 3; ++k) {
                    const bool sharpened = std::string(entry) == "ENTRYPOINT8" && x == 0;
                    ASSERT_EQ(host->Out(x, y, k), sharpened ? Clamp255(2 * host->In(0, y, k) - host->In(3, y, k))
                                                            : host->In(x, y, k));
                }
    }
}

} // namespace
