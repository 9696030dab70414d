// The effect preview: a picture that fits is centred and handed to the
// effect as it is; a larger one is dragged with the program's hand cursors,
// shown plainly while it moves, and only its visible part goes through the
// effect.
#include <gtest/gtest.h>

#include <QTest>

#include "PreviewTestEffect.h"
#include "editor/ui/PreviewControl.h"
#include "editor/ui/ProgramCursor.h"
#include "editor/ui/SysColor.h"
#include "imexp/WorkArea.h"
#include "render/XFormXY.h"

namespace {

constexpr int kWidth = 200, kHeight = 150;

class PreviewControlTest : public ::testing::Test {
protected:
    void TearDown() override { PreviewTestEffect::Reset(); }

    std::unique_ptr<PreviewControl> Show(const PpQnPicture& picture, bool showEffect = true)
    {
        auto control = std::make_unique<PreviewControl>(picture, showEffect);
        control->resize(kWidth, kHeight);
        control->show();
        control->SetEffect(PreviewTestEffect::Function());
        return control;
    }

    static QRgb At(PreviewControl& control, int x, int y) { return control.grab().toImage().pixel(x, y); }

    // The pixel (x, y) of what the effect was last given.
    static QRgb ArgumentPixel(int32_t x, int32_t y)
    {
        auto* picture = dynamic_cast<QnPicture*>(PreviewTestEffect::lastArgument.Get());
        std::vector<unsigned char> row(size_t(picture->GetWidth()) * 3);
        picture->GetRow(0, 0, picture->GetHeight() - 1 - y, row.data());  // bottom-up rows
        return qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    }

    static bool ShowsProgramCursor(PreviewControl& control, uint32_t id)
    {
        const std::optional<QCursor> expected = LdLoadProgramCursor(id);
        return expected && control.testAttribute(Qt::WA_SetCursor) &&
               control.cursor().hotSpot() == expected->hotSpot() &&
               control.cursor().pixmap().toImage() == expected->pixmap().toImage();
    }
};

}  // namespace

TEST_F(PreviewControlTest, SmallPictureIsCentredNeverDraggedAndGivenWithoutACopy)
{
    const PpQnPicture picture = RampPicture(60, 40);
    auto control = Show(picture);
    const QnPoint centred{(kWidth - 60) / 2, (kHeight - 40) / 2};
    EXPECT_EQ(control->Offset(), centred);
    EXPECT_FALSE(control->CanScroll());
    EXPECT_FALSE(control->testAttribute(Qt::WA_SetCursor));

    EXPECT_EQ(At(*control, centred.x, centred.y), PreviewTestEffect::kShown);
    EXPECT_EQ(At(*control, centred.x - 1, centred.y), LdQColor(LdGetSysColor(LD_COLOR_BTNFACE)).rgb());
    EXPECT_EQ(PreviewTestEffect::lastArgument.Get(), static_cast<QnRenderObj*>(picture.Get()));

    QTest::mousePress(control.get(), Qt::LeftButton, {}, QPoint(100, 70));
    EXPECT_FALSE(control->Dragging());
    QTest::mouseMove(control.get(), QPoint(10, 10));
    QTest::mouseRelease(control.get(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(control->Offset(), centred);

    // Switched off, the effect is kept but the plain picture is shown.
    const int calls = PreviewTestEffect::calls;
    control->EnablePreview(false);
    EXPECT_EQ(At(*control, centred.x + 5, centred.y + 3), RampPixel(5, 3));
    EXPECT_EQ(PreviewTestEffect::calls, calls);
}

TEST_F(PreviewControlTest, DraggedFullyRightTheEffectGetsTheRightmostStrip)
{
    const PpQnPicture picture = RampPicture(500, 100);
    auto control = Show(picture);
    EXPECT_TRUE(control->CanScroll());
    EXPECT_EQ(control->Offset(), (QnPoint{(kWidth - 500) / 2, (kHeight - 100) / 2}));
    EXPECT_TRUE(ShowsProgramCursor(*control, PreviewControl::kScrollCursor));
    control->grab();

    QTest::mousePress(control.get(), Qt::LeftButton, {}, QPoint(100, 70));
    EXPECT_TRUE(control->Dragging());
    EXPECT_TRUE(ShowsProgramCursor(*control, PreviewControl::kDragCursor));
    QTest::mouseMove(control.get(), QPoint(-400, 0));
    const QnPoint right{kWidth - 500, (kHeight - 100) / 2};
    EXPECT_EQ(control->Offset(), right);  // clamped; the centred axis stays
    const int calls = PreviewTestEffect::calls;
    EXPECT_EQ(At(*control, 0, right.y), RampPixel(300, 0));  // plain while dragging
    EXPECT_EQ(PreviewTestEffect::calls, calls);

    QTest::mouseRelease(control.get(), Qt::LeftButton, {}, QPoint(-400, 0));
    EXPECT_FALSE(control->Dragging());
    EXPECT_TRUE(ShowsProgramCursor(*control, PreviewControl::kScrollCursor));
    const QImage shown = control->grab().toImage();
    EXPECT_EQ(PreviewTestEffect::calls, calls + 1);
    EXPECT_EQ(shown.pixel(0, right.y), PreviewTestEffect::kShown);
    EXPECT_EQ(shown.pixel(0, right.y - 1), LdQColor(LdGetSysColor(LD_COLOR_BTNFACE)).rgb());
    EXPECT_EQ(PreviewTestEffect::lastArgument->GetRect(QnXFormXY()), (QnRect{0, 0, kWidth, 100}));
    EXPECT_EQ(ArgumentPixel(0, 7), RampPixel(300, 7));
    EXPECT_EQ(ArgumentPixel(kWidth - 1, 99), RampPixel(499, 99));
}

TEST_F(PreviewControlTest, EffectRunsOnTheVisiblePartOnly)
{
    const PpQnPicture picture = RampPicture(700, 400);
    auto control = Show(picture);
    control->grab();
    EXPECT_EQ(PreviewTestEffect::lastArgument->GetRect(QnXFormXY()), (QnRect{0, 0, kWidth, kHeight}));
    const QnPoint o = control->Offset();
    EXPECT_EQ(ArgumentPixel(3, 2), RampPixel(3 - o.x, 2 - o.y));
}

TEST_F(PreviewControlTest, GreyPictureIsCutOutInColour)
{
    PpQnPicture grey(700, 400, WA_GRAY, nullptr);
    std::vector<unsigned char> row(700);
    for (int x = 0; x < 700; ++x)
        row[x] = uint8_t(x);
    for (int y = 0; y < 400; ++y)
        grey->SetRow(0, 0, y, row.data());
    auto control = Show(grey);
    control->grab();
    const int x = 3 - control->Offset().x;
    EXPECT_EQ(ArgumentPixel(3, 2), qRgb(uint8_t(x), uint8_t(x), uint8_t(x)));
}

TEST_F(PreviewControlTest, SameEffectAgainKeepsTheLockCounts)
{
    auto control = Show(RampPicture(60, 40));
    const PpQnExpr effect = control->Effect();
    const int32_t locks = effect->LockCount();
    control->SetEffect(effect);
    EXPECT_EQ(effect->LockCount(), locks);
    EXPECT_EQ(control->Effect().Get(), effect.Get());
}
