// Resample against the bilinear formula worked out here, resize keeping the
// palette, both keeping pixels at the same size, and crop's fill value.
#include <cstring>
#include <vector>

#include "editor/operations/FlRgn.h"
#include "editor/operations/PictureExprBuilders.h"
#include "editor/operations/RgnToSelect.h"

#include "PictureOpsSupport.h"

#include <gtest/gtest.h>

namespace {

// Source index and fraction (sixteenths) of each new position on one axis.
std::vector<std::pair<int64_t, uint32_t>> Positions(int64_t from, int64_t to)
{
    std::vector<std::pair<int64_t, uint32_t>> out;
    for (int64_t i = 0; i < to; ++i) {
        const int64_t p = i * from + (from - to) / 2;
        out.emplace_back(p <= 0 ? 0 : p / to, p <= 0 ? 0 : uint32_t((p % to) * 16 / to));
    }
    return out;
}

Pixels ReferenceResample(const Pixels& src, int32_t w, int32_t h)
{
    Pixels out{w, h, src.bpp, std::vector<uint8_t>(size_t(w) * size_t(h) * size_t(src.bpp))};
    const auto xs = Positions(src.width, w), ys = Positions(src.height, h);
    // Beyond the right and lower edges a picture reads as zeros.
    const auto at = [&](int64_t x, int64_t y, int k) -> uint32_t {
        return x < src.width && y < src.height ? src.At(int32_t(x), int32_t(y))[k] : 0;
    };
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            for (int k = 0; k < src.bpp; ++k) {
                const auto [x0, fx] = xs[size_t(x)];
                const auto [y0, fy] = ys[size_t(y)];
                const uint32_t sum = (15 - fx) * (15 - fy) * at(x0, y0, k) + fx * (15 - fy) * at(x0 + 1, y0, k) +
                                     (15 - fx) * fy * at(x0, y0 + 1, k) + fx * fy * at(x0 + 1, y0 + 1, k);
                out.bytes[(size_t(y) * size_t(w) + size_t(x)) * size_t(src.bpp) + size_t(k)] = uint8_t(sum / 225);
            }
    return out;
}

PpQnExpr Mask(const QnRgn& region, int32_t w, int32_t h)
{
    return MakeRgnToSelectExpr(MakeRgnValueExpr(region), w, h);
}

}  // namespace

TEST(Resample, MatchesTheBilinearFormula)
{
    const struct {
        int32_t w, h, newW, newH;
    } cases[] = {{7, 5, 13, 9}, {130, 70, 61, 33}, {65, 66, 200, 129}, {100, 64, 100, 10}};
    for (int type : {WA_GRAY, WA_RGB24})
        for (const auto& c : cases) {
            SCOPED_TRACE(::testing::Message() << type << ": " << c.w << "x" << c.h << " to " << c.newW << "x" << c.newH);
            const PpQnPicture picture = MakePicture(type, c.w, c.h, 5);
            const PpQnPicture out = EvalPicture(MakeResizeExpr(Value(picture), c.newW, c.newH, 96, 120, 1));
            EXPECT_EQ(out->GetHRes(), 96);
            EXPECT_EQ(out->GetVRes(), 120);
            EXPECT_TRUE(Read(out) == ReferenceResample(Read(picture), c.newW, c.newH));
        }
}

TEST(Resize, SameSizeOnlyChangesTheResolutionAndPalettesStay)
{
    for (int resample : {0, 1}) {
        const PpQnPicture picture = MakePicture(WA_RGB24, 70, 20);
        const PpQnPicture same = EvalPicture(MakeResizeExpr(Value(picture), 70, 20, 72, 73, resample));
        EXPECT_NE(same.Get(), picture.Get());
        EXPECT_EQ(same->GetHRes(), 72);
        EXPECT_EQ(same->GetVRes(), 73);
        EXPECT_TRUE(Read(same) == Read(picture));
    }
    for (int type : {WA_4BIT, WA_8BIT}) {
        const PpQnPicture picture = MakePicture(type, 30, 20);
        const PpQnPicture bigger = EvalPicture(MakeResizeExpr(Value(picture), 90, 40, 300, 300, 0));
        EXPECT_EQ(bigger->Type(), type);
        PALETTEENTRY a[256] = {}, b[256] = {};
        EXPECT_EQ(bigger->GetPaletteEntries(0, 256, b), picture->GetPaletteEntries(0, 256, a));
        EXPECT_EQ(std::memcmp(a, b, sizeof a), 0);
        // Nearest samples: a tripled column of the source.
        const Pixels src = Read(picture), out = Read(bigger);
        EXPECT_EQ(*out.At(3 * 7 + 1, 2 * 5), *src.At(7, 5));
    }
}

TEST(Crop, KeepsTheMaskedPartAndFillsTheRest)
{
    // An L-shaped selection that reaches beyond the picture on the right.
    const QnRgn region = QnRgn(QnRect{10, 20, 90, 30}) + QnRgn(QnRect{10, 30, 20, 60});
    for (int type : {WA_GRAY, WA_RGB24}) {
        const PpQnPicture picture = MakePicture(type, 70, 66);
        picture->SetHRes(150);
        const PpQnPicture out = EvalPicture(MakeCropExpr(Value(picture), Mask(region, 70, 66), 0x003264c8));
        EXPECT_EQ(out->GetHRes(), 150);
        const Pixels src = Read(picture), got = Read(out);
        ASSERT_EQ(got.width, 60);
        ASSERT_EQ(got.height, 40);
        const uint8_t fill[3] = {0x32, 0x64, 0xc8}; // blue 50, green 100, red 200
        const uint8_t grey = (200 + 100 + 50) / 3; // 116
        EXPECT_EQ(std::memcmp(got.At(5, 3), src.At(15, 23), size_t(src.bpp)), 0);
        EXPECT_EQ(std::memcmp(got.At(5, 39), src.At(15, 59), size_t(src.bpp)), 0);
        if (type == WA_GRAY)
            EXPECT_EQ(*got.At(30, 30), grey);
        else
            EXPECT_EQ(std::memcmp(got.At(30, 30), fill, 3), 0);
    }
}
