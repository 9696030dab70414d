// Flip of a selection within its box, paste into a selection stretched to
// the box in the target's pixel form, and boxes outside the picture.
#include <cstring>

#include "editor/operations/FlRgn.h"
#include "editor/operations/PictureExprBuilders.h"
#include "editor/operations/RgnToSelect.h"

#include "PictureOpsSupport.h"

#include <gtest/gtest.h>

namespace {

PpQnExpr Mask(const QnRgn& region, int32_t w, int32_t h)
{
    return MakeRgnToSelectExpr(MakeRgnValueExpr(region), w, h);
}

}  // namespace

TEST(FlipSelection, MirrorsSelectedPixelsWithinTheBox)
{
    // Two rectangles: the box is (10, 5, 60, 45); pixels mirrored from the
    // hole between them keep the destination's value.
    const QnRgn region = QnRgn(QnRect{10, 5, 60, 20}) + QnRgn(QnRect{10, 30, 60, 45});
    for (int type : {WA_GRAY, WA_RGB24}) {
        const PpQnPicture picture = MakePicture(type, 70, 66);
        const Pixels src = Read(picture);
        const Pixels out = Read(EvalPicture(PpQnExpr(PpQnExpr(MakeRotateSelectionExpr(180, 0, 0, 0), Value(picture)),
                                                     Mask(region, 70, 66))));
        int wrong = 0;
        for (int32_t y = 0; y < 66; ++y)
            for (int32_t x = 0; x < 70; ++x) {
                const int32_t sx = 10 + 60 - 1 - x, sy = 5 + 45 - 1 - y;
                const bool moved = x >= 10 && x < 60 && y >= 5 && y < 45 && !(sy >= 20 && sy < 30);
                wrong += std::memcmp(out.At(x, y), moved ? src.At(sx, sy) : src.At(x, y), size_t(src.bpp)) != 0;
            }
        EXPECT_EQ(wrong, 0);
    }
}

TEST(PasteIntoSelection, StretchesToTheBoxInTheTargetsForm)
{
    const PpQnPicture target = MakePicture(WA_GRAY, 40, 30, 1);
    const PpQnPicture pasted = PpQnPicture(10, 10, 0x00102030u);
    const QnRgn box(QnRect{5, 10, 25, 15});
    const PpQnPicture out = EvalPicture(MakePasteIntoSelectionExpr(Value(target), Value(pasted), Mask(box, 40, 30)));
    EXPECT_EQ(out->Type(), WA_GRAY);
    const Pixels before = Read(target), after = Read(out);
    int wrong = 0;
    for (int32_t y = 0; y < 30; ++y)
        for (int32_t x = 0; x < 40; ++x)
            wrong += *after.At(x, y) != (x >= 5 && x < 25 && y >= 10 && y < 15 ? (0x10 + 0x20 + 0x30) / 3
                                                                                : *before.At(x, y));
    EXPECT_EQ(wrong, 0);
}

TEST(SelectionOps, ABoxOutsideThePictureChangesNothing)
{
    const PpQnPicture picture = MakePicture(WA_RGB24, 30, 20);
    const PpQnExpr outside = Mask(QnRgn(QnRect{40, 40, 60, 60}), 30, 20);
    const PpQnExpr ops[] = {
        PpQnExpr(PpQnExpr(MakeRotateSelectionExpr(0, 1, 1, 0), Value(picture)), outside),
        PpQnExpr(PpQnExpr(MakeRotateSelectionExpr(30, 0, 0, 1), Value(picture)), outside),
        MakePasteIntoSelectionExpr(Value(picture), Value(MakePicture(WA_RGB24, 5, 5, 9)), outside),
    };
    for (const PpQnExpr& op : ops)
        EXPECT_TRUE(Read(EvalPicture(op)) == Read(picture));
}
