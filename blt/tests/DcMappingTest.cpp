#include "blt/DcMapping.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

DcMapping MakeMapping(int32_t mode, QnPoint windowOrg, QnPoint windowExt, QnPoint viewportOrg, QnPoint viewportExt)
{
    DcMapping m;
    m.SetMapMode(mode);
    m.SetWindowOrg(windowOrg);
    m.SetWindowExt(windowExt);
    m.SetViewportOrg(viewportOrg);
    m.SetViewportExt(viewportExt);
    return m;
}

struct PointCase {
    const char* what;
    int32_t mode;
    QnPoint windowOrg, windowExt, viewportOrg, viewportExt;
    QnPoint logical, device;
};

const PointCase kPointCases[] = {
    {"text mode moves only", QN_MM_TEXT, {10, 20}, {5, 5}, {5, 7}, {9, 9}, {15, 25}, {10, 12}},
    {"half rounds up", QN_MM_ANISOTROPIC, {0, 0}, {2, 2}, {0, 0}, {1, 1}, {1, 3}, {1, 2}},
    {"negative half rounds up", QN_MM_ANISOTROPIC, {0, 0}, {2, 2}, {0, 0}, {1, 1}, {-1, -3}, {0, -1}},
    {"below half rounds down", QN_MM_ANISOTROPIC, {0, 0}, {3, 3}, {0, 0}, {1, 1}, {1, -1}, {0, 0}},
    {"above half rounds up", QN_MM_ANISOTROPIC, {0, 0}, {3, 3}, {0, 0}, {2, 2}, {1, -1}, {1, -1}},
    {"reversed y axis", QN_MM_ANISOTROPIC, {0, 0}, {1, 1}, {0, 100}, {1, -1}, {2, 3}, {2, 97}},
    {"origins and scale", QN_MM_ANISOTROPIC, {-4, 6}, {3, 7}, {100, 200}, {9, 14}, {-1, 13}, {109, 214}},
    {"negative window extent", QN_MM_ANISOTROPIC, {0, 0}, {-2, 1}, {0, 0}, {1, 1}, {3, 0}, {-1, 0}},
    {"stops at the 32-bit end", QN_MM_ANISOTROPIC, {0, 0}, {1, 1}, {0, 0}, {1000, -1000},
     {std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max()},
     {std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min()}},
    {"isotropic fit as printing sets it", QN_MM_ISOTROPIC, {0, 0}, {641, 480}, {100, 200}, {4000, 2995}, {641, 480},
     {4100, 3195}},
};

TEST(DcMapping, LogicalToDevicePoints)
{
    for (const PointCase& c : kPointCases) {
        SCOPED_TRACE(c.what);
        const DcMapping m = MakeMapping(c.mode, c.windowOrg, c.windowExt, c.viewportOrg, c.viewportExt);
        EXPECT_EQ(m.LPtoDP(c.logical), c.device);
    }
}

TEST(DcMapping, DeviceToLogicalInvertsAnExactScale)
{
    const DcMapping m = MakeMapping(QN_MM_ANISOTROPIC, {3, -5}, {100, 50}, {-20, 40}, {300, -200});
    for (const QnPoint p : {QnPoint{0, 0}, QnPoint{3, -5}, QnPoint{-17, 33}, QnPoint{1000, -999}})
        EXPECT_EQ(m.DPtoLP(m.LPtoDP(p)), p);
    // Device to logical rounds the same way: device 1 is logical 1/3.
    EXPECT_EQ(m.DPtoLP(QnPoint{-19, 40}), (QnPoint{3, -5}));
    EXPECT_EQ(m.DPtoLP(QnPoint{-18, 40}), (QnPoint{4, -5}));
}

TEST(DcMapping, RectanglesCoverTheMappedCornersSorted)
{
    const DcMapping m = MakeMapping(QN_MM_ANISOTROPIC, {0, 0}, {2, 1}, {0, 100}, {3, -1});
    EXPECT_EQ(m.LPtoDP(QnRect{1, 10, 4, 20}), (QnRect{2, 80, 6, 90}));
    EXPECT_EQ(m.DPtoLP(QnRect{2, 80, 6, 90}), (QnRect{1, 10, 4, 20}));
}

struct IsotropicCase {
    const char* what;
    QnPoint windowExt, viewportExt, expected;
};

const IsotropicCase kIsotropicCases[] = {
    {"wider viewport gives way across", {100, 50}, {300, 100}, {200, 100}},
    {"taller viewport gives way down", {100, 50}, {100, 300}, {100, 50}},
    {"signs are kept", {100, 50}, {-300, -100}, {-200, -100}},
    {"negative window extent", {-100, 50}, {300, 100}, {200, 100}},
    {"equal scales stay", {641, 480}, {1282, 960}, {1282, 960}},
    {"shrunk extent rounds half up", {3, 2}, {10, 3}, {5, 3}},
    {"never shrinks to nothing", {1, 1000}, {5, 1}, {1, 1}},
};

TEST(DcMapping, IsotropicShrinksTheViewportExtent)
{
    for (const IsotropicCase& c : kIsotropicCases) {
        SCOPED_TRACE(c.what);
        const DcMapping m = MakeMapping(QN_MM_ISOTROPIC, {0, 0}, c.windowExt, {0, 0}, c.viewportExt);
        EXPECT_EQ(m.GetWindowExt(), c.windowExt);
        EXPECT_EQ(m.GetViewportExt(), c.expected);
    }
}

TEST(DcMapping, IsotropicFixFollowsEveryExtentChange)
{
    // The viewport extent set first is squared against the window extent of
    // that moment, and shrunk again when the window extent follows.
    DcMapping m;
    m.SetMapMode(QN_MM_ISOTROPIC);
    m.SetViewportExt(QnPoint{300, 100});
    EXPECT_EQ(m.GetViewportExt(), (QnPoint{100, 100}));
    m.SetWindowExt(QnPoint{100, 50});
    EXPECT_EQ(m.GetViewportExt(), (QnPoint{100, 50}));
}

TEST(DcMapping, ModesAndExtents)
{
    DcMapping m;
    EXPECT_EQ(m.GetMapMode(), QN_MM_TEXT);
    EXPECT_TRUE(m.SetWindowExt(QnPoint{4, 4}));  // accepted and ignored in text mode
    EXPECT_EQ(m.GetWindowExt(), (QnPoint{1, 1}));
    EXPECT_EQ(m.SetMapMode(2), 0);  // a mode this library does not know
    EXPECT_EQ(m.GetMapMode(), QN_MM_TEXT);

    EXPECT_EQ(m.SetMapMode(QN_MM_ANISOTROPIC), QN_MM_TEXT);
    EXPECT_FALSE(m.SetWindowExt(QnPoint{0, 4}));
    EXPECT_FALSE(m.SetViewportExt(QnPoint{4, 0}));
    EXPECT_TRUE(m.SetWindowExt(QnPoint{4, 4}));
    EXPECT_TRUE(m.SetViewportExt(QnPoint{8, 2}));
    EXPECT_EQ(m.LPtoDP(QnPoint{4, 4}), (QnPoint{8, 2}));

    // Back to text mode: 1:1 again, origins kept.
    m.SetViewportOrg(QnPoint{1, 1});
    EXPECT_EQ(m.SetMapMode(QN_MM_TEXT), QN_MM_ANISOTROPIC);
    EXPECT_EQ(m.GetWindowExt(), (QnPoint{1, 1}));
    EXPECT_EQ(m.GetViewportExt(), (QnPoint{1, 1}));
    EXPECT_EQ(m.LPtoDP(QnPoint{4, 4}), (QnPoint{5, 5}));
}

} // namespace
