#include "render/StretchTable.h"

#include "render/PixCopy.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

namespace {

std::vector<int32_t> Table(int32_t x0, int32_t count, const QnXForm& inverse)
{
    std::vector<int32_t> t(static_cast<size_t>(count));
    QnFillRoughTable(t.data(), x0, count, inverse);
    return t;
}

} // namespace

// Nearest sampling by the table must pick, pixel for pixel, the source pixel
// floor((x + 1/2) * source / target) for every scale factor.
TEST(QnFillRoughTable, MatchesCentreSamplingAtEveryFactor)
{
    const struct {
        int32_t num, den;
    } factors[] = {{1, 3}, {1, 2}, {2, 3}, {1, 1}, {3, 2}, {2, 1}, {7, 1}};
    for (int32_t source : {90, 96, 1000}) {
        for (const auto& f : factors) {
            if (source * f.num % f.den != 0)
                continue;
            const int32_t target = source * f.num / f.den;
            SCOPED_TRACE(::testing::Message() << source << " -> " << target);
            const QnXForm stretch(target, 0, uint32_t(source));
            const std::vector<int32_t> t = Table(0, target, 1 / stretch);
            for (int32_t x = 0; x < target; ++x)
                ASSERT_EQ(t[size_t(x)], int32_t((2 * int64_t(x) + 1) * source / (2 * int64_t(target))))
                    << "x " << x;
        }
    }
}

TEST(QnFillRoughTable, EnlargeReduceOffsetAndMirror)
{
    EXPECT_EQ(Table(0, 4, 1 / QnXForm(2, 0, 1)), (std::vector<int32_t>{0, 0, 1, 1}));
    EXPECT_EQ(Table(0, 4, 1 / QnXForm(1, 0, 2)), (std::vector<int32_t>{1, 3, 5, 7}));
    // Starting mid-way and at negative coordinates gives the same indices as
    // a walk from further back.
    const QnXForm inverse = 1 / QnXForm(5, 3, 7);
    const std::vector<int32_t> whole = Table(-40, 100, inverse);
    EXPECT_EQ(Table(-3, 20, inverse), std::vector<int32_t>(whole.begin() + 37, whole.begin() + 57));
    for (int32_t i = 0; i < 100; ++i) {
        const double centre = inverse.XForm(-40 + i + 0.5);
        EXPECT_EQ(whole[size_t(i)], int32_t(std::floor(centre))) << i;
    }
    // x -> 9 - x: the source column of the mirrored centre.
    EXPECT_EQ(Table(0, 4, 1 / QnXForm(-1, 9, 1)), (std::vector<int32_t>{8, 7, 6, 5}));
    EXPECT_EQ(Table(0, 4, 1 / QnXForm(-2, 8, 1)), (std::vector<int32_t>{3, 3, 2, 2}));
}

TEST(QnGetStrOpt, NibbleByDirection)
{
    const int options = 0x231;
    EXPECT_EQ(QnGetStrOpt(QnXForm(1, 0, 2), options), 1);  // reducing: low nibble
    EXPECT_EQ(QnGetStrOpt(QnXForm(2, 0, 1), options), 2);  // enlarging: 0x200
    EXPECT_EQ(QnGetStrOpt(QnXForm(-1, 5, 1), options), 0); // 1:1: 0x30 is no method
    EXPECT_EQ(QnGetStrOpt(QnXForm(1, 0, 1), 0x10), 1);
}

TEST(QnSampleRow, CopiesEachPixelSize)
{
    const uint8_t src[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20};
    for (int32_t bytes : {1, 2, 3, 4, 5}) {
        SCOPED_TRACE(bytes);
        const int32_t offsets[] = {3 * bytes, 0, bytes, bytes};
        std::vector<uint8_t> dst(size_t(4 * bytes));
        QnSampleRow(dst.data(), src, offsets, 4, bytes);
        for (int32_t i = 0; i < 4; ++i)
            for (int32_t k = 0; k < bytes; ++k)
                EXPECT_EQ(dst[size_t(i * bytes + k)], src[offsets[i] + k]);
    }
}

TEST(QnCopyPixels, CopiesAPieceToItsPlace)
{
    PpQnPixBuf dst = PpQnPixBuf::ForRect(QnRect{10, 10, 20, 15}, 3);
    std::memset(dst->Row(0), 0, 150);
    PpQnPixBuf src = PpQnPixBuf::ForRect(QnRect{12, 11, 16, 13}, 3);
    for (int y = 0; y < 2; ++y)
        for (int b = 0; b < 12; ++b)
            src->Row(y)[b] = uint8_t(1 + y * 12 + b);
    QnCopyPixels(*dst, *src, QnRect{13, 12, 15, 13}, 3);
    EXPECT_EQ(dst->CRow(2)[9], 16); // pixel (13, 12) = source row 1, column 1
    EXPECT_EQ(dst->CRow(2)[14], 21);
    EXPECT_EQ(dst->CRow(2)[15], 0);
    EXPECT_EQ(dst->CRow(1)[9], 0);
}
