// The tool settings, points and stroke lists as values: how they compare
// (which decides what the expression graph shares) and how the text record
// copies its tool-owned ninth number.
#include "editor/builtins/PointValues.h"
#include "editor/builtins/ToolValues.h"
#include "lang/ValueExpr.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

int Sign(int v) { return v < 0 ? -1 : v > 0 ? 1 : 0; }

template <class Make, class Params>
int CompareOf(Make make, const Params& a, const Params& b)
{
    return Sign(make(a)->Compare(PpQnFlVal(make(b))));
}

}  // namespace

TEST(ToolValues, BrushCompareOrderAndSharing)
{
    struct Case {
        std::function<void(CBrushParams&)> edit;
        int expected;
    };
    const Case cases[] = {
        {[](CBrushParams&) {}, 0},
        {[](CBrushParams& b) { b.shape = 1; }, 1},
        {[](CBrushParams& b) { b.size = 0; }, -1},
        {[](CBrushParams& b) { b.color = 0xFFFFFFFFu; }, 1},   // no difference that overflows
        {[](CBrushParams& b) { b.mode = 1; b.color = 0; }, 1},  // mode decides before colour
    };
    CBrushParams base;
    base.color = 5;
    for (const Case& c : cases) {
        CBrushParams other = base;
        c.edit(other);
        EXPECT_EQ(CompareOf(MakeFlBrushParams, other, base), c.expected);
    }
    // Equal settings share one value node, so equal applications share results.
    EXPECT_EQ(PpQnValueExpr(PpQnFlVal(MakeFlBrushParams(base))).Get(),
              PpQnValueExpr(PpQnFlVal(MakeFlBrushParams(base))).Get());
}

TEST(ToolValues, FillCompareOrder)
{
    CFillParams a, b;
    b.kind = 1;
    b.color1 = 0;
    a.color1 = 9;
    EXPECT_EQ(CompareOf(MakeFlFillParams, a, b), -1);  // kind decides before the colours
    b.kind = 0;
    EXPECT_EQ(CompareOf(MakeFlFillParams, a, b), 1);
}

TEST(ToolValues, TextParamsCopyTheNinthNumberAsTheToolExpects)
{
    CTextParams a;
    a.text = "Hi";
    for (int i = 0; i < CTextParams::kInts; ++i)
        a.ints[i] = i + 1;
    const CTextParams copy(a);
    EXPECT_EQ(copy.ints[8], 0);
    EXPECT_EQ(copy.ints[7], 8);
    CTextParams target;
    target.ints[8] = 77;
    target = a;
    EXPECT_EQ(target.ints[8], 77);
    EXPECT_EQ(target.text, "Hi");

    // Only the text, the face and the first six numbers compare.
    CTextParams b = a;
    b.ints[6] = 100;
    b.ints[7] = 100;
    EXPECT_EQ(CompareOf(MakeFlTextParams, a, b), 0);
    b.ints[5] = 100;
    EXPECT_EQ(CompareOf(MakeFlTextParams, a, b), -1);
    b = a;
    b.face = "Arial Black";
    EXPECT_EQ(CompareOf(MakeFlTextParams, a, b), -1);
}

TEST(PointValues, PointsShareStrokesNever)
{
    EXPECT_EQ(CompareOf(MakeFlPoint, QnPoint{1, 9}, QnPoint{2, 0}), -1);
    EXPECT_EQ(CompareOf(MakeFlPoint, QnPoint{1, 9}, QnPoint{1, 0}), 1);
    const std::vector<QnPoint> stroke{{1, 1}, {2, 2}, {3, 5}};
    const PpFlPointArray a = MakeFlPointArray(stroke);
    EXPECT_EQ(a->Points(), stroke);
    EXPECT_NE(PpQnValueExpr(PpQnFlVal(a)).Get(), PpQnValueExpr(PpQnFlVal(MakeFlPointArray(stroke))).Get());
}
