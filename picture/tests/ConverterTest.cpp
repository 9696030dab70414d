// The colour converters against the formulas, computed here on their own:
// grey, grey with alpha, hue-saturation-value with alpha and palettes.
#include "PictureTestSupport.h"

#include "picture/CSConv.h"
#include "render/tests/ExpectRaise.h"
#include "render/tests/RecordingProgress.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

using pictest::RenderRect;

namespace {

using BGR = std::array<uint8_t, 3>;

const BGR kColours[] = {{0, 0, 0},     {255, 255, 255}, {255, 255, 254}, {0, 0, 255},   {0, 255, 0},
                        {255, 0, 0},   {255, 0, 255},   {10, 200, 30},   {77, 77, 77},  {1, 2, 3},
                        {200, 100, 50}, {0, 128, 255},  {90, 90, 91},    {255, 254, 0}, {13, 0, 7}};

// The reference formulas, signed where a step can go below zero.
uint8_t RefGray(const BGR& c) { return uint8_t((c[0] + c[1] + c[2]) / 3); }

BGR RefToHSV(const BGR& c)
{
    const int B = c[0], G = c[1], R = c[2];
    const int V = std::max({B, G, R}), d = V - std::min({B, G, R});
    const int S = V ? d * 255 / V : 0;
    int H = 0;
    if (S) {
        const int r = (40 * V - 40 * R) / d, g = (40 * V - 40 * G) / d, b = (40 * V - 40 * B) / d;
        H = R == V ? b - g : G == V ? r - b + 80 : g - r + 160;
        if (H < 0)
            H += 240;
    }
    return {uint8_t(H), uint8_t(S), uint8_t(V)};
}

BGR RefFromHSV(const BGR& hsv)
{
    int H = hsv[0];
    const int S = hsv[1], V = hsv[2];
    if (S == 0)
        return {uint8_t(V), uint8_t(V), uint8_t(V)};
    if (H >= 240)
        H -= 240;
    const int k = H / 40, f = H % 40, w = V / 4;
    const int p = (255 - S) * w / 256 * 4;
    const int q = (255 - f * S / 40) * w / 256 * 4;
    const int t = (255 - (39 - f) * S / 40) * w / 256 * 4;
    const int rgb[6][3] = {{V, t, p}, {q, V, p}, {p, V, t}, {p, q, V}, {t, p, V}, {V, p, q}};
    return {uint8_t(rgb[k][2]), uint8_t(rgb[k][1]), uint8_t(rgb[k][0])};
}

// A colour picture of one line holding the given triples.
PpQnPicture LineOf(const std::vector<BGR>& pixels)
{
    PpQnPicture pic(int32_t(pixels.size()), 1, WA_RGB24, nullptr);
    pic->WriteToRow(0, 0, QnRange{0, int32_t(pixels.size())}, pixels.front().data());
    return pic;
}

std::vector<BGR> AllColours() { return std::vector<BGR>(std::begin(kColours), std::end(kColours)); }

QnRect LineRect(size_t n) { return QnRect{0, 0, int32_t(n), 1}; }

BGR At(const std::vector<uint8_t>& bytes, size_t i) { return {bytes[3 * i], bytes[3 * i + 1], bytes[3 * i + 2]}; }

} // namespace

TEST(QnConverters, KnownColoursThroughEveryConverter)
{
    const std::vector<BGR> colours = AllColours();
    const size_t n = colours.size();
    PpQnPicture pic = LineOf(colours);
    const auto grey = RenderRect(PpQnCS(PpQnCS::TO_GRAY)->ConvertRender(PpQnRenderObj(pic)), 0, LineRect(n), 1);
    const PpQnRenderObj greyA = PpQnCS(PpQnCS::TO_GRAY_A)->ConvertRender(PpQnRenderObj(pic));
    const auto greyA0 = RenderRect(greyA, 0, LineRect(n), 1);
    const auto greyA1 = RenderRect(greyA, 1, LineRect(n), 1);
    const PpQnRenderObj hsv = PpQnCS(PpQnCS::TO_HSV_A)->ConvertRender(PpQnRenderObj(pic));
    const auto hsv0 = RenderRect(hsv, 0, LineRect(n), 3);
    const auto hsv1 = RenderRect(hsv, 1, LineRect(n), 3);
    // The colours read as hue, saturation, value triples.
    const auto back = RenderRect(PpQnCS(PpQnCS::FROM_HSV_A)->ConvertRender(PpQnRenderObj(pic)), 0, LineRect(n), 3);
    for (size_t i = 0; i < n; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(grey[i], RefGray(colours[i]));
        EXPECT_EQ(greyA0[i], RefGray(colours[i]));
        EXPECT_EQ(greyA1[i], 255);
        EXPECT_EQ(At(hsv0, i), RefToHSV(colours[i]));
        EXPECT_EQ(hsv1[i], 255);
        EXPECT_EQ(At(back, i), RefFromHSV(colours[i]));
    }
}

TEST(QnConverters, WorkedExamples)
{
    EXPECT_EQ(RefGray(BGR{255, 255, 254}), 254);
    const std::vector<BGR> colours = {{255, 255, 254}, {0, 0, 255}, {0, 255, 0}, {255, 0, 0}, {255, 0, 255}};
    PpQnPicture pic = LineOf(colours);
    const auto grey = RenderRect(PpQnCS(PpQnCS::TO_GRAY)->ConvertRender(PpQnRenderObj(pic)), 0, LineRect(5), 1);
    EXPECT_EQ(grey[0], 254);
    const auto hsv = RenderRect(PpQnCS(PpQnCS::TO_HSV_A)->ConvertRender(PpQnRenderObj(pic)), 0, LineRect(5), 3);
    EXPECT_EQ(At(hsv, 1), (BGR{0, 255, 255}));
    EXPECT_EQ(At(hsv, 2)[0], 80);
    EXPECT_EQ(At(hsv, 3)[0], 160);
    EXPECT_EQ(At(hsv, 4)[0], 200);

    PpQnPicture hsvPic = LineOf({{0, 0, 77}, {0, 255, 255}});
    const auto rgb = RenderRect(PpQnCS(PpQnCS::FROM_HSV_A)->ConvertRender(PpQnRenderObj(hsvPic)), 0, LineRect(2), 3);
    EXPECT_EQ(At(rgb, 0), (BGR{77, 77, 77}));
    EXPECT_EQ(At(rgb, 1), (BGR{0, 4, 255})); // blue, green, red = (0, 4, 255)
}

TEST(QnConverters, ExactRoundTrips)
{
    // Grey -> colour -> grey gives every level back.
    PpQnPicture grey(256, 1, WA_GRAY, nullptr);
    std::vector<uint8_t> levels(256);
    for (int i = 0; i < 256; ++i)
        levels[size_t(i)] = uint8_t(i);
    grey->WriteToRow(0, 0, QnRange{0, 256}, levels.data());
    const PpQnRenderObj colour = PpQnCS(PpQnCS::FROM_GRAY_A)->ConvertRender(PpQnRenderObj(grey));
    const auto back = RenderRect(PpQnCS(PpQnCS::TO_GRAY_A)->ConvertRender(colour), 0, LineRect(256), 1);
    EXPECT_EQ(back, levels);

    // Greys survive the trip through hue, saturation, value.
    std::vector<BGR> greys;
    for (int i = 0; i < 256; ++i)
        greys.push_back({uint8_t(i), uint8_t(i), uint8_t(i)});
    PpQnPicture line = LineOf(greys);
    const PpQnRenderObj hsv = PpQnCS(PpQnCS::TO_HSV_A)->ConvertRender(PpQnRenderObj(line));
    const auto rgb = RenderRect(PpQnCS(PpQnCS::FROM_HSV_A)->ConvertRender(hsv), 0, LineRect(256), 3);
    for (size_t i = 0; i < 256; ++i)
        EXPECT_EQ(At(rgb, i), greys[i]);
}

TEST(QnConverters, GreyWithoutAlphaMakesItsAlphaFromTheRectangle)
{
    PpQnPicture grey(70, 3, WA_GRAY, nullptr);
    const PpQnRenderObj colour = PpQnCS(PpQnCS::FROM_GRAY)->ConvertRender(PpQnRenderObj(grey));
    const auto alpha = RenderRect(colour, 1, QnRect{-5, -1, 80, 5}, 3);
    for (int32_t y = -1; y < 5; ++y)
        for (int32_t x = -5; x < 80; ++x) {
            const bool inside = x >= 0 && x < 70 && y >= 0 && y < 3;
            ASSERT_EQ(alpha[size_t(y + 1) * 85 + size_t(x + 5)], inside ? 255 : 0) << x << ", " << y;
        }
    const PpQnRenderObj toGray = PpQnCS(PpQnCS::TO_GRAY)->ConvertRender(PpQnRenderObj(grey));
    EXPECT_RAISES(toGray->Render(QnXFormXY(), 1, QnPoint{0, 0}, QnRect{0, 0, 1, 1}, nullptr, nullptr, 0),
                  "Bad plane request");
}

TEST(QnConverters, PalettesToColour)
{
    PALETTEENTRY pal[256] = {};
    for (int i = 0; i < 256; ++i)
        pal[i] = PALETTEENTRY{uint8_t(i), uint8_t(255 - i), uint8_t(i * 3), 0};
    PpQnPicture indexed(256, 2, WA_8BIT, pal);
    std::vector<uint8_t> indices(256);
    for (int i = 0; i < 256; ++i)
        indices[size_t(i)] = uint8_t(255 - i);
    indexed->WriteToRow(0, 1, QnRange{0, 256}, indices.data());
    // Through the picture's own way to the standard form.
    const PpQnPixConverter std(PpQnPixConverter::TAG{});
    const auto rgb = RenderRect(indexed->GetSpacedRender(std, 0), 0, QnRect{0, 1, 256, 2}, 3);
    for (size_t x = 0; x < 256; ++x) {
        const PALETTEENTRY& e = pal[indices[x]];
        ASSERT_EQ(At(rgb, x), (BGR{e.peBlue, e.peGreen, e.peRed})) << x;
    }
    // Indices past a short palette come out black.
    const auto shortPal = RenderRect(PpQnCS(PpQnCS::FROM_PAL_A, pal, 4)->ConvertRender(PpQnRenderObj(indexed)), 0,
                                     QnRect{250, 1, 256, 2}, 3);
    EXPECT_EQ(At(shortPal, 0), (BGR{0, 0, 0}));                                     // index 5
    EXPECT_EQ(At(shortPal, 5), (BGR{pal[0].peBlue, pal[0].peGreen, pal[0].peRed})); // index 0

    PpQnPicture bw(9, 1, WA_1BIT, nullptr);
    const uint8_t bits[9] = {1, 0, 1, 1, 0, 0, 0, 0, 1};
    bw->WriteToRow(0, 0, QnRange{0, 9}, bits);
    const auto bwRgb = RenderRect(bw->GetSpacedRender(std, 0), 0, LineRect(9), 3);
    for (size_t x = 0; x < 9; ++x)
        EXPECT_EQ(bwRgb[3 * x], bits[x] ? 255 : 0);
}

TEST(QnConverters, RequestsTheTablesRefuse)
{
    EXPECT_RAISES(PpQnCS(PpQnCS::ConvType(6)), "Unknown converter request");
    EXPECT_RAISES(PpQnCS(PpQnCS::ConvType(-1)), "Unknown converter request");
    PALETTEENTRY pal[257] = {};
    EXPECT_RAISES(PpQnCS(PpQnCS::FROM_PAL_A, pal, 0), "Bad size of palette");
    EXPECT_RAISES(PpQnCS(PpQnCS::FROM_PAL_A, pal, 257), "Bad size of palette");
    EXPECT_RAISES(PpQnCS(PpQnCS::PAL_RESERVED, pal, 4), "Still not implemented converter");
    EXPECT_RAISES(PpQnCS(PpQnCS::PalettedConvType(2), pal, 4), "Unknown converter request");
}

TEST(QnConverters, SamenessAndInverses)
{
    EXPECT_EQ(PpQnCS(PpQnCS::TO_GRAY).Get(), PpQnCS(PpQnCS::TO_GRAY).Get());
    PALETTEENTRY a[3] = {{1, 2, 3, 0}, {4, 5, 6, 0}, {7, 8, 9, 0}};
    PALETTEENTRY b[3] = {{1, 2, 3, 9}, {4, 5, 6, 1}, {7, 8, 9, 2}};
    PALETTEENTRY c[3] = {{1, 2, 3, 0}, {4, 5, 6, 0}, {7, 8, 10, 0}};
    PpQnCS pa(PpQnCS::FROM_PAL_A, a, 3), pb(PpQnCS::FROM_PAL_A, b, 3), pc(PpQnCS::FROM_PAL_A, c, 3);
    PpQnCS shorter(PpQnCS::FROM_PAL_A, a, 2);
    EXPECT_TRUE(pa->IsSame(pb.Get()));
    EXPECT_FALSE(pa->IsSame(pc.Get()));
    EXPECT_FALSE(pa->IsSame(shorter.Get()));
    EXPECT_FALSE(pa->IsSame(PpQnCS(PpQnCS::TO_GRAY).Get()));
    EXPECT_FALSE(pa->GetInverse(0));

    using T = PpQnCS::ConvType;
    struct Case {
        T conv;
        int inverse0, inverse1; // -1: none
    } cases[] = {{PpQnCS::TO_GRAY, PpQnCS::FROM_GRAY, -1},         {PpQnCS::FROM_GRAY, PpQnCS::TO_GRAY, PpQnCS::TO_GRAY},
                 {PpQnCS::TO_GRAY_A, PpQnCS::FROM_GRAY_A, -1},     {PpQnCS::FROM_GRAY_A, PpQnCS::TO_GRAY_A, PpQnCS::TO_GRAY_A},
                 {PpQnCS::TO_HSV_A, PpQnCS::FROM_HSV_A, PpQnCS::FROM_HSV_A},
                 {PpQnCS::FROM_HSV_A, PpQnCS::TO_HSV_A, PpQnCS::TO_HSV_A}};
    for (const Case& k : cases) {
        SCOPED_TRACE(int(k.conv));
        PpQnCS conv(k.conv);
        const int want[2] = {k.inverse0, k.inverse1};
        for (int how = 0; how < 2; ++how) {
            PpQnPixConverter inv = conv->GetInverse(how);
            if (want[how] < 0)
                EXPECT_FALSE(inv);
            else
                EXPECT_EQ(inv.Get(), PpQnCS(T(want[how])).Get());
        }
    }
}

TEST(QnConverters, InPlaceConversionLeavesThePicturesPixels)
{
    const std::vector<BGR> colours = AllColours();
    PpQnPicture pic = LineOf(colours);
    const PpQnRenderObj hsv = PpQnCS(PpQnCS::TO_HSV_A)->ConvertRender(PpQnRenderObj(pic));
    const PpQnRenderObj rgb = PpQnCS(PpQnCS::FROM_HSV_A)->ConvertRender(hsv);
    RenderRect(rgb, 0, LineRect(colours.size()), 3);
    std::vector<uint8_t> row(colours.size() * 3 + 3);
    pic->GetRow(0, 0, 0, row.data());
    for (size_t i = 0; i < colours.size(); ++i)
        ASSERT_EQ(At(row, i), colours[i]);
}

TEST(QnConverters, AbortWhileConvertingRows)
{
    PpQnPicture pic(64, 64, uint32_t(0x00FFFFFF));
    const PpQnRenderObj grey = PpQnCS(PpQnCS::TO_GRAY)->ConvertRender(PpQnRenderObj(pic));
    RecordingProgress progress(100);
    progress.abortAfter = 3;
    EXPECT_RAISES(grey->Render(QnXFormXY(), 0, QnPoint{0, 0}, QnRect{0, 0, 64, 64}, nullptr, &progress, 0),
                  "User abort");
    EXPECT_NE(std::find(progress.texts.begin(), progress.texts.end(), "Converting to gray"), progress.texts.end());
}
