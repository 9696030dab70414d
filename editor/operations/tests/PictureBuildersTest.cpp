// The builders' rotate-and-flip normalisation, and a cancel in every
// picture built-in raising the user abort.
#include "editor/operations/FlRgn.h"
#include "editor/operations/PictureExprBuilders.h"
#include "editor/operations/RgnToSelect.h"
#include "editor/operations/UserAbortExcept.h"

#include "AbortingControl.h"
#include "PictureOpsSupport.h"

#include <gtest/gtest.h>

namespace {

PpQnExpr Call(QnFunId f, std::initializer_list<long> ints, const PpQnPicture& p)
{
    PpQnExpr e(f, -1);
    for (long i : ints)
        e = PpQnExpr(e, PpQnExpr(PpQnFlVal(int32_t(i))));
    return PpQnExpr(e, Value(p));
}

}  // namespace

TEST(PictureBuilders, RotateAndFlipChoicesBecomeTheRightBuiltIn)
{
    RegisterPictureFunctions();
    const PpQnPicture p = MakePicture(WA_RGB24, 9, 5);
    const struct {
        long angle;
        int h, v, smooth;
        QnFunId* f;
        std::initializer_list<long> args;
    } cases[] = {
        {0, 1, 0, 1, &FlipFunctionId, {1, 0}},   {0, 0, 1, 1, &FlipFunctionId, {0, 1}},
        {0, 1, 1, 1, &FlipFunctionId, {1, 1}},   {180, 0, 0, 1, &FlipFunctionId, {1, 1}},
        {180, 0, 1, 1, &FlipFunctionId, {1, 0}}, {90, 0, 1, 1, &RotateFunctionId, {270, 7, 1, 0}},
        {45, 0, 0, 1, &RotateFunctionId, {45, 7, 0, 1}}, {-90, 0, 0, 1, &RotateFunctionId, {270, 7, 0, 0}},
        {360, 0, 0, 1, &FlipFunctionId, {0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.angle << " " << c.h << c.v);
        const Pixels built = Read(EvalPicture(PpQnExpr(MakeRotateExpr(c.angle, 7, c.h, c.v, c.smooth), Value(p))));
        EXPECT_TRUE(built == Read(EvalPicture(Call(*c.f, c.args, p))));
    }
    EXPECT_EQ(ReduceAngle(-1), 359);
    EXPECT_EQ(ReduceAngle(-360), 0);
    // No flip and no turn hands back the picture itself.
    EXPECT_EQ(EvalPicture(PpQnExpr(MakeRotateExpr(0, 0, 0, 0, 0), Value(p))).Get(), p.Get());
}

TEST(PictureBuilders, CancelRaisesUserAbort)
{
    const PpQnPicture p = MakePicture(WA_RGB24, 20, 10), q = MakePicture(WA_GRAY, 7, 7);
    const PpQnExpr mask = MakeRgnToSelectExpr(MakeRgnValueExpr(QnRgn(QnRect{2, 2, 8, 8})), 20, 10);
    const PpQnExpr ops[] = {
        MakeCropExpr(Value(p), mask, 0),
        MakeResizeExpr(Value(p), 30, 10, 300, 300, 0),
        MakeResizeExpr(Value(p), 30, 10, 300, 300, 1),
        PpQnExpr(MakeRotateExpr(33, 0, 0, 0, 1), Value(p)),
        PpQnExpr(MakeRotateExpr(0, 0, 1, 0, 0), Value(p)),
        PpQnExpr(PpQnExpr(MakeRotateSelectionExpr(33, 0, 0, 1), Value(p)), mask),
        PpQnExpr(PpQnExpr(MakeRotateSelectionExpr(0, 1, 0, 0), Value(p)), mask),
        MakePasteIntoSelectionExpr(Value(p), Value(q), mask),
        MakeStitchExpr(Value(p), Value(q), 3, 3, 50, 0),
    };
    for (const PpQnExpr& op : ops) {
        AbortingControl control;
        try {
            EvalPicture(op, &control);
            ADD_FAILURE() << "no abort";
        } catch (const UserAbortExcept& e) {
            EXPECT_STREQ(e.what(), "User Abort");
        }
    }
}
