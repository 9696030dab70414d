// The photo filters' pixel rules against the same arithmetic written out
// here step by step, over tables of colours and parameters.
#include "filters/photo/BrCont.h"
#include "filters/photo/HueSat.h"
#include "filters/photo/RedEye.h"
#include "filters/photo/SmTune.h"
#include "filters/photo/Solar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace {

int Clamp(int v) { return std::clamp(v, 0, 255); }

TEST(PhotoPixel, BrContScalesAndShiftsEverySample)
{
    for (int p1 : {0, 100, 255, 300, 510})
        for (int p2 : {0, 17, 50, 73, 100})
            for (int in : {0, 1, 49, 128, 200, 255})
                ASSERT_EQ(BrContSample(uint8_t(in), p1, p2), Clamp(p2 * in / 50 + p1 - 255))
                    << p1 << " " << p2 << " " << in;
    for (int in = 0; in < 256; ++in) {
        EXPECT_EQ(BrContSample(uint8_t(in), 255, 50), in); // no change
        EXPECT_EQ(BrContSample(uint8_t(in), 510, 0), 255);
    }
}

// HueSat written out as the rule reads, for one pixel of planes red, green,
// blue.
std::array<int, 3> HueSatReference(std::array<int, 3> px, int p1, int p2)
{
    const int a = px[0], b = px[1], c = px[2];
    const int mx = std::max({a, b, c}), mn = std::min({a, b, c});
    const int s = mx == 0 ? 0 : (mx - mn) * 256 / mx;
    int h = 0;
    if (s != 0) {
        const int d = mx - mn, u = (mx - c) * 256, w = (mx - b) * 256;
        if (a == mx)
            h = u / d - w / d;
        else if (b == mx)
            h = (mx - a) * 256 / d - u / d + 512;
        else
            h = w / d - (mx - a) * 256 / d + 1024;
        if (h < 0)
            h += 1536;
    }
    const int s2 = std::clamp((p1 + 255) * s / 255, 0, 255);
    int h2 = h + p2 * 1536 / 360;
    if (h2 > 1536)
        h2 -= 1536;
    if (h2 < 0)
        h2 += 1536;
    if (h2 == 1536)
        h2 = 0;
    const int v = mx;
    if (s2 == 0)
        return {v, v, v};
    const int f = h2 & 255;
    const int rise = (256 - ((255 - f) * s2 >> 8)) * v >> 8;
    const int low = (256 - s2) * v >> 8;
    const int fall = (256 - (s2 * f >> 8)) * v >> 8;
    const int sextants[6][3] = {{v, rise, low}, {fall, v, low}, {low, v, rise},
                                {low, fall, v}, {rise, low, v}, {v, low, fall}};
    const int* o = sextants[h2 >> 8];
    return {o[0], o[1], o[2]};
}

TEST(PhotoPixel, HueSatFollowsTheHueCircle)
{
    const std::array<int, 3> colours[] = {{0, 0, 0},     {255, 255, 255}, {255, 0, 0},    {0, 255, 0},
                                          {0, 0, 255},   {10, 200, 90},   {250, 30, 140}, {1, 2, 3},
                                          {128, 64, 32}, {40, 40, 200},   {255, 254, 0},  {77, 77, 78}};
    for (const auto& c : colours)
        for (int p1 : {-255, -100, 0, 120, 255})
            for (int p2 : {0, 1, 90, 180, 200, 359}) {
                uint8_t px[3] = {uint8_t(c[0]), uint8_t(c[1]), uint8_t(c[2])};
                HueSatPixel(px, p1, p2);
                const auto want = HueSatReference(c, p1, p2);
                ASSERT_EQ((std::array<int, 3>{px[0], px[1], px[2]}), want)
                    << c[0] << "," << c[1] << "," << c[2] << " p1 " << p1 << " p2 " << p2;
            }
    // A grey pixel keeps its value whatever the hue.
    for (int p2 = 0; p2 < 360; p2 += 7) {
        uint8_t px[3] = {90, 90, 90};
        HueSatPixel(px, 0, p2);
        EXPECT_EQ(px[0] + px[1] + px[2], 270);
        EXPECT_EQ(px[0], 90);
    }
}

TEST(PhotoPixel, SolarTableRisesThenFalls)
{
    for (int a : {0, 1, 5, 100, 254, 255}) {
        const auto t = SolarTable(a);
        for (int i = 0; i < 255 - a; ++i)
            ASSERT_EQ(t[size_t(i)], 255 * i / (255 - a)) << a << " " << i;
        for (int j = 0; j < a; ++j)
            ASSERT_EQ(t[size_t(255 - a + j)], (255 * a + 255 - 255 * j) / (a + 1)) << a << " " << j;
        EXPECT_EQ(t[255], a == 0 ? 255 : 0);
    }
    const auto identity = SolarTable(0);
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(identity[size_t(i)], i);
    const auto full = SolarTable(255);
    EXPECT_EQ(full[0], 255);
    EXPECT_EQ(full[254], 1);
    EXPECT_TRUE(std::is_sorted(full.begin(), full.begin() + 255, std::greater<>()));
}

TEST(PhotoPixel, ToneCurvesRunThroughTheirPoints)
{
    const int points[7][5] = {{0, 72, 140, 196, 255}, {0, 49, 99, 161, 255}, {15, 77, 145, 212, 257},
                              {21, 94, 162, 214, 272}, {5, 54, 116, 191, 272}, {5, 42, 99, 176, 272},
                              {22, 103, 180, 241, 300}};
    for (int c = 1; c <= 7; ++c) {
        const ToneCurve curve = FixedToneCurve(c);
        const int* q = points[c - 1];
        for (int i = 0; i < 256; ++i) {
            const int s = i / 64;
            ASSERT_EQ(curve[size_t(i)], Clamp(q[s + 1] + (q[s + 1] - q[s]) * (i - 64 * (s + 1)) / 64))
                << c << " " << i;
        }
    }
    EXPECT_EQ(FixedToneCurve(1)[64], 72);
    EXPECT_EQ(FixedToneCurve(7)[255], 255);
    EXPECT_STREQ(ToneCurveName(0), "Auto");
    EXPECT_STREQ(ToneCurveName(7), "Daylight cloudly");
}

TEST(PhotoPixel, AutoCurveStretchesTheRangeAndKeepsAFlatPicture)
{
    const ToneCurve flat = AutoToneCurve(77, 77);
    for (int k = 0; k < 256; ++k)
        EXPECT_EQ(flat[size_t(k)], k);
    const ToneCurve stretch = AutoToneCurve(50, 200);
    EXPECT_EQ(stretch[0], 0);
    EXPECT_EQ(stretch[50], 0);
    EXPECT_EQ(stretch[125], 255 * 75 / 150);
    EXPECT_EQ(stretch[200], 255);
    EXPECT_EQ(stretch[255], 255);
}

TEST(PhotoPixel, RedEyeOnlyTouchesTheRedPlaneWhereItDominates)
{
    const std::array<int, 3> colours[] = {{250, 20, 10}, {100, 100, 100}, {0, 0, 0},     {90, 10, 200},
                                          {255, 200, 30}, {1, 255, 255},  {140, 80, 60}, {251, 250, 5}};
    for (const auto& c : colours)
        for (int p1 : {0, 30, 50, 100})
            for (int p2 : {0, 25, 50, 100}) {
                uint8_t px[3] = {uint8_t(c[0]), uint8_t(c[1]), uint8_t(c[2])};
                RedEyePixel(px, p1, p2);
                const int r = c[0] * 60 < (c[2] + c[1]) * (100 - p1) ? c[0] : c[1] + p2 * (c[2] - c[1]) / 100;
                ASSERT_EQ(px[0], r) << c[0] << "," << c[1] << "," << c[2] << " " << p1 << " " << p2;
                ASSERT_EQ(px[1], c[1]);
                ASSERT_EQ(px[2], c[2]);
            }
}

} // namespace
