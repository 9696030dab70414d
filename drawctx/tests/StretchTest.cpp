#include "drawctx/zvxform/ZVXFSTR.h"

#include "base/QnExcept.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A row of data over memory the site owns.
class MemRow : public ZVXFPLANEDATA {
public:
    MemRow(uint8_t* p, QnRect extent) : p_(p), extent_(extent) {}
    QnRect Extent() const override { return extent_; }
    uint8_t* Pointer() override { return p_; }
    ZVXFREADPLANEDATA* Copy() const override { return new MemRow(p_, extent_); }

private:
    uint8_t* p_;
    QnRect extent_;
};

// One-byte pixels, rows of width; whole rows inside, the edge pixel outside.
class MemSite : public ZVXFPLANESITE {
public:
    MemSite(int32_t width, int32_t height) : width(width), height(height), bytes(size_t(width * height)) {}

    class Plane : public ZVXFPLANE {
    public:
        explicit Plane(MemSite& s) : s_(s) {}
        ZVXFROWFORMAT Format() const override { return ZVXFROWFORMAT{1, 1, 1}; }
        ZVXFREADPLANEDATA* CreateReadData(int32_t x, int32_t y) override { return CreateReadWriteData(x, y); }
        ZVXFPLANEDATA* CreateReadWriteData(int32_t x, int32_t y) override
        {
            ++s_.requests;
            y = std::clamp(y, 0, s_.height - 1);
            uint8_t* row = s_.bytes.data() + size_t(y * s_.width);
            if (x < 0 || x >= s_.width) {
                const int32_t edge = x < 0 ? 0 : s_.width - 1;
                return new MemRow(row + edge, QnRect{x, y, x + 1, y + 1});
            }
            return new MemRow(row, QnRect{0, y, s_.width, y + 1});
        }
        ZVXFPLANE* Copy() const override { return new Plane(s_); }

    private:
        MemSite& s_;
    };

    ZVXFPLANE* CreatePlane() override { return new Plane(*this); }

    int32_t width, height;
    std::vector<uint8_t> bytes;
    int requests = 0;
};

} // namespace

TEST(ZVXFSTR, NearestSampleThroughTheTransform)
{
    MemSite source(4, 2);
    source.bytes = {1, 2, 3, 4, 5, 6, 7, 8};
    MemSite out(8, 1);
    // Client x 0..8 shows picture x 0..4 at 2:1; client row 0 is picture row 1.
    const ZVXFORM xf(QnRect{0, 0, 8, 2}, QnRect{0, 2, 4, 0});
    ZVXFSTR str(xf, source, 0);
    str.Stretch(out, QnRect{0, 0, 8, 1}, nullptr);
    EXPECT_EQ(out.bytes, (std::vector<uint8_t>{5, 5, 6, 6, 7, 7, 8, 8}));
    EXPECT_EQ(source.requests, 1); // one whole row serves every pixel
}

TEST(ZVXFSTR, ColumnsPastTheEdgeCostOnePixelEach)
{
    MemSite source(2, 1);
    source.bytes = {10, 20};
    MemSite out(6, 1);
    // Client x 0..6 shows picture x -2..4.
    const ZVXFORM xf(QnRect{0, 0, 6, 1}, QnRect{-2, 0, 4, 1});
    ZVXFSTR str(xf, source, 0);
    str.Stretch(out, QnRect{0, 0, 6, 1}, nullptr);
    EXPECT_EQ(out.bytes, (std::vector<uint8_t>{10, 10, 10, 20, 20, 20}));
    EXPECT_EQ(source.requests, 5); // two pixels left, one row, two pixels right
}

TEST(ZVXFSTR, PlanesOfDifferentPixelSizesAreRefused)
{
    struct WideSite : MemSite {
        using MemSite::MemSite;
        struct WidePlane : Plane {
            using Plane::Plane;
            ZVXFROWFORMAT Format() const override { return ZVXFROWFORMAT{3, 1, 3}; }
        };
        ZVXFPLANE* CreatePlane() override { return new WidePlane(*this); }
    };
    MemSite source(2, 1);
    WideSite out(2, 1);
    ZVXFSTR str(ZVXFORM(), source, 0);
    EXPECT_THROW(str.Stretch(out, QnRect{0, 0, 2, 1}, nullptr), QnExcept);
}
