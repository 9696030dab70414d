// The "over" blend of a layer against a per-pixel reference.
#include "PictureTestSupport.h"

#include "picture/Layer.h"
#include "render/tests/ExpectRaise.h"
#include "render/tests/RecordingProgress.h"

#include <gtest/gtest.h>

using pictest::MakeFunc;
using pictest::Noise;
using pictest::RenderRect;

namespace {

uint32_t RefAlpha(uint32_t a, uint32_t b) { return a + b - a * b / 255; }

uint8_t RefColour(uint32_t a, uint32_t b, uint32_t cu, uint32_t cl)
{
    const uint32_t A = RefAlpha(a, b);
    return A ? uint8_t((a * cu + cl * (A - a)) / A) : 0;
}

// Alphas that cover the corner cases: both ends, halves, and noise.
uint8_t UpperAlpha(int32_t x, int32_t y)
{
    const uint8_t fixed[] = {0, 255, 128, 1, 254};
    return (x + y) % 7 < 5 ? fixed[(x + y) % 7] : Noise(uint32_t(x * 131 + y));
}

uint8_t LowerAlpha(int32_t x, int32_t y)
{
    const uint8_t fixed[] = {0, 128, 255, 0, 255, 77};
    return x % 8 < 6 ? fixed[x % 8] : Noise(uint32_t(y * 17 + x + 5));
}

void UpperColour(int32_t x, int32_t y, uint8_t* p)
{
    p[0] = 255;
    p[1] = Noise(uint32_t(x + 1000 * y));
    p[2] = uint8_t(x);
}

void LowerColour(int32_t x, int32_t y, uint8_t* p)
{
    p[0] = 0;
    p[1] = Noise(uint32_t(7 * x + y));
    p[2] = uint8_t(y * 3);
}

} // namespace

TEST(QnLayer, OverBlendMatchesTheReferencePerPixel)
{
    const QnRect upperRect{0, 0, 90, 70}, lowerRect{10, 5, 100, 80};
    PpQnRenderObj upper = MakeFunc(upperRect, UpperColour, UpperAlpha);
    PpQnRenderObj lower = MakeFunc(lowerRect, LowerColour, LowerAlpha);
    PpQnLayer layer(upper, lower);
    const QnRect all = layer->GetRect(QnXFormXY());
    EXPECT_EQ(all, (QnRect{0, 0, 100, 80}));
    const auto colour = RenderRect(PpQnRenderObj(layer), 0, all, 3);
    const auto alpha = RenderRect(PpQnRenderObj(layer), 1, all, 3);
    for (int32_t y = all.top; y < all.bottom; ++y)
        for (int32_t x = all.left; x < all.right; ++x) {
            const QnPoint p{x, y};
            const uint32_t a = upperRect.Contains(p) ? UpperAlpha(x, y) : 0;
            const uint32_t b = lowerRect.Contains(p) ? LowerAlpha(x, y) : 0;
            uint8_t cu[3] = {}, cl[3] = {};
            if (upperRect.Contains(p))
                UpperColour(x, y, cu);
            if (lowerRect.Contains(p))
                LowerColour(x, y, cl);
            const size_t i = size_t(y) * 100 + size_t(x);
            ASSERT_EQ(alpha[i], RefAlpha(a, b)) << x << ", " << y;
            for (int k = 0; k < 3; ++k)
                ASSERT_EQ(colour[3 * i + k], RefColour(a, b, cu[k], cl[k])) << x << ", " << y << " channel " << k;
        }
}

TEST(QnLayer, WorkedCases)
{
    struct Case {
        uint8_t a, b, cu, cl, colour, alpha;
    } cases[] = {
        {255, 0, 200, 10, 200, 255}, // opaque upper wins
        {255, 255, 200, 10, 200, 255},
        {0, 90, 200, 10, 10, 90},    // transparent upper shows the lower
        {0, 0, 200, 10, 0, 0},       // nothing: black, transparent
        {128, 128, 255, 0, 170, 192},
    };
    for (const Case& c : cases) {
        PpQnRenderObj upper = MakeFunc(QnRect{0, 0, 1, 1}, [&](int32_t, int32_t, uint8_t* p) { p[0] = p[1] = p[2] = c.cu; },
                                       [&](int32_t, int32_t) { return c.a; });
        PpQnRenderObj lower = MakeFunc(QnRect{0, 0, 1, 1}, [&](int32_t, int32_t, uint8_t* p) { p[0] = p[1] = p[2] = c.cl; },
                                       [&](int32_t, int32_t) { return c.b; });
        PpQnLayer layer(upper, lower);
        EXPECT_EQ(RenderRect(PpQnRenderObj(layer), 0, QnRect{0, 0, 1, 1}, 3)[1], c.colour) << int(c.a) << " " << int(c.b);
        EXPECT_EQ(RenderRect(PpQnRenderObj(layer), 1, QnRect{0, 0, 1, 1}, 3)[0], c.alpha);
    }
}

TEST(QnLayer, PicturesOfOtherTypesAreBlendedInColour)
{
    // A grey picture over a colour picture: the grey is opaque where it lies.
    PpQnPicture grey(40, 40, WA_GRAY, nullptr);
    std::vector<uint8_t> line(40, 99);
    for (int32_t y = 0; y < 40; ++y)
        grey->WriteToRow(0, y, QnRange{0, 40}, line.data());
    PpQnPicture colour(100, 50, uint32_t(0x00010203));
    PpQnLayer layer{PpQnRenderObj(grey), PpQnRenderObj(colour)};
    const auto pixels = RenderRect(PpQnRenderObj(layer), 0, QnRect{0, 0, 100, 50}, 3);
    EXPECT_EQ(pixels[(10 * 100 + 10) * 3], 99);
    EXPECT_EQ(pixels[(10 * 100 + 60) * 3], 1); // blue of 0x00010203
    EXPECT_EQ(pixels[(45 * 100 + 10) * 3 + 2], 3);
}

TEST(QnLayer, PlanesAndAbort)
{
    PpQnPicture a(64, 64, uint32_t(0)), b(64, 64, uint32_t(0));
    PpQnLayer layer{PpQnRenderObj(a), PpQnRenderObj(b)};
    EXPECT_RAISES(layer->Render(QnXFormXY(), 2, QnPoint{0, 0}, QnRect{0, 0, 1, 1}, nullptr, nullptr, 0),
                  "Bad plane request");
    RecordingProgress progress(10);
    progress.abortAfter = 2;
    EXPECT_RAISES(layer->Render(QnXFormXY(), 0, QnPoint{0, 0}, QnRect{0, 0, 64, 64}, nullptr, &progress, 0),
                  "User abort");
}
