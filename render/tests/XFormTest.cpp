#include "render/XForm.h"

#include "base/QnExcept.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

struct Numbers {
    int32_t a;
    int32_t b;
    uint32_t den;
};

void ExpectNumbers(const QnXForm& m, Numbers n)
{
    EXPECT_EQ(m.anum(), n.a);
    EXPECT_EQ(m.bnum(), n.b);
    EXPECT_EQ(m.den(), n.den);
}

QnXForm Map(Numbers n) { return QnXForm(n.a, n.b, n.den); }

// "(a x + b) / den" in failure messages.
::testing::Message Describe(Numbers n)
{
    return ::testing::Message() << "(" << n.a << " x + " << n.b << ") / " << n.den;
}

} // namespace

TEST(QnXForm, ConstructionReducesTheThreeNumbers)
{
    ExpectNumbers(QnXForm(), {1, 0, 1});
    const struct {
        Numbers given;
        Numbers reduced;
    } cases[] = {
        {{2, 4, 6}, {1, 2, 3}},
        {{6, 0, 4}, {3, 0, 2}},
        {{-4, 6, 2}, {-2, 3, 1}},
        {{0, 0, 5}, {0, 0, 1}},
        {{kMin, 0, 2}, {kMin / 2, 0, 1}},
        {{kMin, kMin, 4294967295u}, {kMin, kMin, 4294967295u}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Describe(c.given));
        ExpectNumbers(Map(c.given), c.reduced);
    }
}

TEST(QnXForm, MapThroughTwoPoints)
{
    const struct {
        int32_t x0, x1, y0, y1;
        Numbers expected;
    } cases[] = {
        {0, 4, 0, 2, {1, 0, 2}},
        {4, 0, 0, 4, {-1, 4, 1}}, // x1 < x0: x -> 4 - x, den stays positive
        {2, 6, 10, 30, {5, 0, 1}},
        {-3, 5, 7, 7, {0, 7, 1}},
        // Intermediates far beyond 32 bits that reduce to x -> -x - 1.
        {kMin, kMax, kMax, kMin, {-1, -1, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.x0 << " -> " << c.y0 << ", " << c.x1 << " -> " << c.y1);
        const QnXForm m(c.x0, c.x1, c.y0, c.y1);
        ExpectNumbers(m, c.expected);
        EXPECT_DOUBLE_EQ(m.XForm(double(c.x0)), c.y0);
        EXPECT_DOUBLE_EQ(m.XForm(double(c.x1)), c.y1);
    }
}

TEST(QnXForm, BadFactorsRaiseTheLibrarysMessage)
{
    const QnXForm flat(0, 3, 1);
    const std::vector<std::pair<const char*, std::function<void()>>> cases = {
        {"zero denominator", [] { QnXForm(1, 0, 0u); }},
        {"two equal points", [] { QnXForm(5, 5, 0, 1); }},
        {"division by 0", [] { (void)(QnXForm(1, 0, 1) / 0); }},
        {"in-place division by 0", [] { QnXForm m; m /= 0; }},
        // A zero slope sends every x to one point: there is no inverse.
        {"inverse of a zero slope", [&] { (void)(1 / flat); }},
        {"preimage under a zero slope", [&] { (void)flat.RevXForm(4, QN_XF_NEAREST); }},
        {"range preimage under a zero slope", [&] { (void)flat.RevXForm(QnRange{0, 4}, QN_XF_COVER); }},
        {"floating preimage under a zero slope", [&] { (void)flat.RevXForm(4.0); }},
    };
    for (const auto& [name, call] : cases) {
        SCOPED_TRACE(name);
        try {
            call();
            ADD_FAILURE() << "nothing raised";
        } catch (const QnExcept& e) {
            EXPECT_STREQ(e.what(), "Bad transformation factor");
            EXPECT_EQ(std::string(e.where()).rfind("xform, line ", 0), 0u) << e.where();
        }
    }
}

TEST(QnXForm, RoundingOfSingleValues)
{
    // Images and preimages of x = -3, -1, 0, 1, 2, 3, 5: with bit 64 the
    // nearest integer (halves down), without it the pixel under the image of
    // the centre of pixel x.
    const int32_t xs[] = {-3, -1, 0, 1, 2, 3, 5};
    const struct {
        Numbers map;
        std::vector<int32_t> nearest, centre, revNearest, revCentre;
    } cases[] = {
        {{1, 0, 2}, {-2, -1, 0, 0, 1, 1, 2}, {-2, -1, 0, 0, 1, 1, 2}, {-6, -2, 0, 2, 4, 6, 10}, {-5, -1, 1, 3, 5, 7, 11}},
        {{2, 0, 1}, {-6, -2, 0, 2, 4, 6, 10}, {-5, -1, 1, 3, 5, 7, 11}, {-2, -1, 0, 0, 1, 1, 2}, {-2, -1, 0, 0, 1, 1, 2}},
        {{-1, 4, 1}, {7, 5, 4, 3, 2, 1, -1}, {6, 4, 3, 2, 1, 0, -2}, {7, 5, 4, 3, 2, 1, -1}, {6, 4, 3, 2, 1, 0, -2}},
        {{3, -1, 2}, {-5, -2, -1, 1, 2, 4, 7}, {-5, -2, 0, 1, 3, 4, 7}, {-2, 0, 0, 1, 2, 2, 4}, {-2, 0, 0, 1, 2, 2, 4}},
        {{-3, 1, 2}, {5, 2, 0, -1, -3, -4, -7}, {4, 1, -1, -2, -4, -5, -8}, {2, 1, 0, 0, -1, -2, -3}, {2, 0, 0, -1, -2, -2, -4}},
        {{2, 1, 3}, {-2, 0, 0, 1, 2, 2, 4}, {-2, 0, 0, 1, 2, 2, 4}, {-5, -2, -1, 1, 2, 4, 7}, {-5, -2, 0, 1, 3, 4, 7}},
    };
    for (const auto& c : cases) {
        const QnXForm m = Map(c.map);
        for (size_t i = 0; i < std::size(xs); ++i) {
            SCOPED_TRACE(Describe(c.map) << " at " << xs[i]);
            EXPECT_EQ(m.XForm(xs[i], QN_XF_NEAREST), c.nearest[i]);
            EXPECT_EQ(m.XForm(xs[i], 0), c.centre[i]);
            EXPECT_EQ(m.XForm(xs[i], QN_XF_CENTRE), c.centre[i]);
            EXPECT_EQ(m.RevXForm(xs[i], QN_XF_NEAREST), c.revNearest[i]);
            EXPECT_EQ(m.RevXForm(xs[i], QN_XF_CENTRE), c.revCentre[i]);
        }
    }
}

TEST(QnXForm, RoundingOfRanges)
{
    const struct {
        Numbers map;
        QnRange range;
        int option;
        QnRange image, preimage;
    } cases[] = {
        {{1, 0, 2}, {1, 3}, QN_XF_COVER, {0, 2}, {2, 6}},
        {{1, 0, 2}, {1, 3}, 320, {0, 2}, {2, 6}},
        {{1, 0, 2}, {-3, 2}, QN_XF_COVER, {-2, 1}, {-6, 4}},
        {{3, -1, 2}, {1, 3}, QN_XF_COVER, {1, 4}, {1, 3}},
        {{2, 1, 3}, {1, 3}, QN_XF_COVER, {1, 3}, {1, 4}},
        // A falling map: covering and sorted forms put the smaller end first,
        // the others keep the order of the ends.
        {{-3, 1, 2}, {1, 3}, QN_XF_COVER, {-4, -1}, {-2, 0}},
        {{-3, 1, 2}, {-3, 2}, QN_XF_SORTED, {-3, 5}, {-1, 2}},
        {{-3, 1, 2}, {-3, 2}, QN_XF_NEAREST_ENDS, {5, -3}, {2, -1}},
        {{-1, 4, 1}, {1, 3}, QN_XF_NEAREST, {3, 1}, {3, 1}},
        {{-1, 4, 1}, {1, 3}, QN_XF_CENTRE, {2, 0}, {2, 0}},
        {{3, -1, 2}, {1, 3}, QN_XF_SORTED, {1, 4}, {1, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Describe(c.map) << " option " << c.option << " range " << c.range.start << ".." << c.range.end);
        const QnXForm m = Map(c.map);
        EXPECT_EQ(m.XForm(c.range, c.option), c.image);
        EXPECT_EQ(m.RevXForm(c.range, c.option), c.preimage);
    }
}

TEST(QnXForm, WorkedExamples)
{
    const QnXForm half(0, 4, 0, 2);
    ExpectNumbers(half, {1, 0, 2});
    EXPECT_EQ(half.XForm(3, QN_XF_NEAREST), 1);
    EXPECT_EQ(half.XForm(3, 0), 1);
    EXPECT_EQ(half.XForm(1, QN_XF_NEAREST), 0); // the half rounds down
    ExpectNumbers(QnXForm(4, 0, 0, 4), {-1, 4, 1});
    EXPECT_EQ(half.XForm(QnRange{1, 3}, QN_XF_COVER), (QnRange{0, 2}));
    // Stretch tables: reducing by 2, destination pixel i takes source pixel
    // 2i + 1; enlarging by 2, destination pixels 0..3 take 0, 0, 1, 1.
    for (int32_t i = 0; i < 4; ++i) {
        EXPECT_EQ(half.RevXForm(i, QN_XF_CENTRE), 2 * i + 1);
        EXPECT_EQ(QnXForm(2, 0, 1).RevXForm(i, QN_XF_CENTRE), i / 2);
    }
}

TEST(QnXForm, CompositionAndInverse)
{
    const struct {
        Numbers outer, inner, composed;
    } compositions[] = {
        {{1, 0, 2}, {2, 0, 1}, {1, 0, 1}},
        {{3, 1, 2}, {1, 5, 3}, {1, 6, 2}}, // (3 (x + 5)/3 + 1) / 2 = (x + 6) / 2
        {{-1, 4, 1}, {2, -3, 5}, {-2, 23, 5}},
        {{0, 7, 1}, {5, 1, 2}, {0, 7, 1}},
        {{5, 1, 2}, {0, 7, 3}, {0, 19, 3}},
    };
    for (const auto& c : compositions) {
        SCOPED_TRACE(Describe(c.outer) << " after " << Describe(c.inner));
        const QnXForm outer = Map(c.outer), inner = Map(c.inner);
        ExpectNumbers(outer * inner, c.composed);
        QnXForm inPlace = outer;
        inPlace *= inner;
        EXPECT_EQ(inPlace, outer * inner);
        for (double x : {-7.0, 0.0, 3.5})
            EXPECT_NEAR((outer * inner).XForm(x), outer.XForm(inner.XForm(x)), 1e-12);
    }

    const struct {
        Numbers map;
        int32_t k;
        Numbers expected;
    } inverses[] = {
        {{1, 0, 2}, 1, {2, 0, 1}},
        {{2, 0, 1}, 1, {1, 0, 2}},
        {{-1, 4, 1}, 1, {-1, 4, 1}},
        {{3, -1, 2}, 1, {2, 1, 3}},
        {{-3, 1, 2}, 1, {-2, 1, 3}},
        {{3, -1, 2}, 6, {4, 2, 1}}, // 6 times the inverse
        {{3, -1, 2}, 0, {0, 0, 1}},
    };
    for (const auto& c : inverses) {
        SCOPED_TRACE(::testing::Message() << c.k << " / " << Describe(c.map));
        const QnXForm m = Map(c.map);
        ExpectNumbers(c.k / m, c.expected);
        if (c.k == 1) {
            EXPECT_EQ(m * (1 / m), QnXForm());
            EXPECT_EQ((1 / m) * m, QnXForm());
        }
    }
}

TEST(QnXForm, ScalingByIntegers)
{
    const QnXForm m(3, -1, 2);
    ExpectNumbers(m * 4, {6, -2, 1});
    ExpectNumbers(m * -2, {-3, 1, 1});
    ExpectNumbers(m * 0, {0, 0, 1});
    ExpectNumbers(m / 3, {3, -1, 6});
    ExpectNumbers(m / -3, {-3, 1, 6});
    ExpectNumbers(QnXForm(4, 2, 1) / 2, {2, 1, 1});
    QnXForm inPlace = m;
    inPlace *= 2;
    inPlace /= 4;
    ExpectNumbers(inPlace, {3, -1, 4});
}

TEST(QnXForm, ShiftsMoveTheImageOrTheSource)
{
    QnXForm m(3, 1, 2);
    EXPECT_EQ(m.shift(3), 1); // (3x + 4) / 2
    ExpectNumbers(m, {3, 4, 2});
    EXPECT_EQ(m.rev_shift(2), 1); // applies to x - 2: (3x - 2) / 2
    ExpectNumbers(m, {3, -2, 2});
    EXPECT_EQ(m.shift(4), 1); // (3x + 2) / 2, still reduced
    ExpectNumbers(m, {3, 2, 2});
    QnXForm even(2, 1, 4);
    EXPECT_EQ(even.shift(1), 1); // (2x + 2) / 4 reduces to (x + 1) / 2
    ExpectNumbers(even, {1, 1, 2});
}

TEST(QnXForm, ResultsBeyond32BitsFallBackToAnApproximation)
{
    // Products past 32 bits: the composition approximates x -> 2^32/3 x + 1.
    const QnXForm big = QnXForm(65536, 1, 1) * QnXForm(65536, 0, 3);
    EXPECT_NEAR(big.geta(), 4294967296.0 / 3, 1.0);
    EXPECT_NEAR(big.getb(), 1.0, 1e-9);

    // A denominator past 32 bits: 2^30 / 65537^2 is kept to 16 bits after
    // the point.
    const QnXForm fine = QnXForm(1 << 30, 5, 65537) / 65537;
    EXPECT_NEAR(fine.geta(), 1073741824.0 / 65537 / 65537, 1.0 / 65536);
    EXPECT_GT(fine.anum(), 0);

    // A slope past 32 bits stops at the end of the range.
    const QnXForm steep = QnXForm(kMax, 0, 1) * 4;
    EXPECT_EQ(steep.anum(), kMax);
    EXPECT_EQ(steep.den(), 1u);

    QnXForm shifted(1, kMax, 1);
    EXPECT_EQ(shifted.shift(kMax), 0);
    EXPECT_NEAR(shifted.getb(), double(kMax), 1.0); // the offset stops at the range end
    QnXForm revShifted(kMax, 0, 1);
    EXPECT_EQ(revShifted.rev_shift(3), 0);
    EXPECT_NEAR(revShifted.geta(), double(kMax), 1.0);

    // An inverse whose slope passes 32 bits.
    const QnXForm inverse = kMax / QnXForm(1, 0, 3);
    EXPECT_EQ(inverse.anum(), kMax);
    EXPECT_EQ(inverse.den(), 1u);
}

TEST(QnXForm, IntermediatesBeyond64BitsStayDefined)
{
    // 2 (a x + b) and 2 (den y - b) pass 2^63 here; results stop at the
    // ends of the 32-bit range.
    const QnXForm steep(kMin, kMax, 1);
    EXPECT_EQ(steep.XForm(kMin, QN_XF_NEAREST), kMax);
    EXPECT_EQ(steep.XForm(kMax, 0), kMin);
    EXPECT_EQ(steep.XForm(QnRange{kMin, kMax}, QN_XF_COVER), (QnRange{kMin, kMax}));
    const QnXForm shallow(1, kMin, 4294967295u);
    EXPECT_EQ(shallow.RevXForm(kMax, QN_XF_NEAREST), kMax);
    EXPECT_EQ(shallow.RevXForm(kMin, QN_XF_CENTRE), kMin);
    EXPECT_EQ(shallow.XForm(kMax, QN_XF_NEAREST), 0);
}

TEST(QnXForm, ApproximationFromFloatingPoint)
{
    ExpectNumbers(QnXForm(0.5, 0.0), {1, 0, 2});
    ExpectNumbers(QnXForm(2.5, 3.0), {5, 6, 2});
    ExpectNumbers(QnXForm(0.75, -0.25), {3, -1, 4});
    ExpectNumbers(QnXForm(1.0 / 3, 0.0), {21845, 0, 65536});
    // 16 bits after the point, fewer only where the larger number needs the
    // room of the 32-bit numerators.
    for (const auto& [slope, offset] : {std::pair{0.3, 0.3}, std::pair{-0.75, 100000.0}, std::pair{1234.5678, 0.001}}) {
        SCOPED_TRACE(::testing::Message() << slope << ", " << offset);
        const QnXForm m(slope, offset);
        const double tolerance = std::max(1.0 / 65536, std::max(std::fabs(slope), std::fabs(offset)) / kMax);
        EXPECT_NEAR(m.geta(), slope, tolerance);
        EXPECT_NEAR(m.getb(), offset, tolerance);
    }
    // Numbers that no 32-bit fraction holds stop at the ends of the range.
    ExpectNumbers(QnXForm(1e10, 0.0), {kMax, 0, 1});
    ExpectNumbers(QnXForm(-1e300, 1.0), {-kMax, 1, 1});
    ExpectNumbers(QnXForm(std::nan(""), 1.0), {0, 1, 1});
    // Floating-point forms.
    const QnXForm m(3, -1, 2);
    EXPECT_DOUBLE_EQ(m.geta(), 1.5);
    EXPECT_DOUBLE_EQ(m.getb(), -0.5);
    EXPECT_DOUBLE_EQ(m.XForm(2.0), 2.5);
    EXPECT_DOUBLE_EQ(m.RevXForm(2.5), 2.0);
}
