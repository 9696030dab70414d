// The scaled preview: where a picture fits, the reduced copy made once,
// the function's result kept until the function or the switch changes.
#include <gtest/gtest.h>

#include "editor/builtins/BuiltinRegistration.h"
#include "editor/builtins/CheckedCast.h"
#include "editor/ui/ScaledPreviewControl.h"
#include "lang/MachineContext.h"
#include "lang/ValueExpr.h"
#include "picture/Picture.h"

namespace {

int evaluations = 0;

// A one-picture function that hands its argument back and counts its
// runs: enough to tell a fresh result from a kept one.
PpQnExpr CountingFunction(QnMachineContext& m, int, QnEvalControl*)
{
    ++evaluations;
    return PpQnExpr(QnValueOf(*m.arg_get(1)));
}

PpQnExpr Counting()
{
    static BuiltinSlot slot(CountingFunction, 1);
    return PpQnExpr(slot.Id(), -1);
}

}  // namespace

TEST(ScaledPreview, FitRectangles)
{
    struct Case {
        QnRect picture, client, fit;
    };
    const Case cases[] = {
        {{0, 0, 400, 100}, {0, 0, 200, 200}, {0, 75, 200, 125}},
        {{0, 0, 100, 400}, {0, 0, 200, 200}, {75, 0, 125, 200}},
        {{0, 0, 300, 300}, {2, 2, 202, 152}, {27, 2, 177, 152}},
        {{10, 10, 50, 30}, {0, 0, 10, 10}, {0, 2, 10, 7}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScaledPreviewControl::FitRect(c.picture, c.client), c.fit) << c.picture.right;
}

TEST(ScaledPreview, ResultKeptUntilFunctionOrSwitchChanges)
{
    const PpQnPicture picture(800, 200, 0x0000FF);
    ScaledPreviewControl preview(PpQnRenderObj(picture), true);
    QnXFormXY fit;
    preview.GetFitTransform(fit);
    // 800 x 200 across the inside of the frame.
    const int32_t w = preview.contentsRect().width();
    const QnRect reduced{0, 0, w, 200 * w / 800};
    EXPECT_EQ(fit.XForm(QnRect{0, 0, 800, 200}, 256), reduced);

    evaluations = 0;
    preview.grab();
    EXPECT_TRUE(preview.HasReducedCopy());
    EXPECT_EQ(evaluations, 0);  // no function yet: the copy is drawn
    preview.SetExpression(Counting());
    preview.grab();
    preview.grab();
    EXPECT_EQ(evaluations, 1);
    ASSERT_TRUE(preview.CachedResult());
    EXPECT_EQ(preview.CachedResult()->GetRect(QnXFormXY()), reduced);
    preview.ShowEffect(false);
    EXPECT_FALSE(preview.CachedResult());
    preview.grab();
    EXPECT_EQ(evaluations, 1);
    preview.ShowEffect(true);
    preview.grab();
    EXPECT_EQ(evaluations, 2);
    const QImage shown = preview.grab().toImage();
    EXPECT_EQ(shown.pixelColor(100, 80), QColor(255, 0, 0));
    // The fit transform still maps the picture given, not the copy.
    preview.GetFitTransform(fit);
    EXPECT_EQ(fit.XForm(QnRect{0, 0, 800, 200}, 256), reduced);
}
