// The grey and 24-bit conversion as the document applies it: three equal
// bytes from grey, (blue + green + red) / 3 to grey, paletted pictures in
// their colours, resolutions kept, and a cancel raising the user abort.
#include "editor/operations/Convert.h"
#include "editor/operations/UserAbortExcept.h"
#include "lang/MachineContext.h"
#include "lang/ValueExpr.h"
#include "picture/Picture.h"

#include "AbortingControl.h"

#include <gtest/gtest.h>

namespace {

PpQnPicture Convert(const PpQnPicture& p, int32_t mode, QnEvalControl* control = nullptr)
{
    QnMachineContext m;
    const PpQnExpr e(MakeConvertToGrayOr24BitExpr(mode), PpQnExpr(PpQnFlVal(p)));
    return PpQnPicture(dynamic_cast<QnPicture*>(m.eval(e, control)->CastToValue()->ValuePtr()));
}

}  // namespace

TEST(Convert, GreyAndColourBothWays)
{
    const PpQnPicture colour(70, 66, 0x00306090u);
    colour->SetHRes(150);
    const PpQnPicture grey = Convert(colour, 1);
    EXPECT_EQ(grey->Type(), 8);
    EXPECT_EQ(grey->GetHRes(), 150);
    unsigned char row[3 * 70];
    grey->GetRow(0, 0, 65, row);
    EXPECT_EQ(row[69], (0x90 + 0x60 + 0x30) / 3);

    const PpQnPicture back = Convert(grey, 0);
    EXPECT_EQ(back->Type(), 16);
    back->GetRow(0, 0, 0, row);
    EXPECT_EQ(row[3 * 69], row[3 * 69 + 1]);
    EXPECT_EQ(row[3 * 69 + 1], row[3 * 69 + 2]);

    // The picture takes a palette of its type's full size.
    PALETTEENTRY palette[256] = {};
    palette[1] = {200, 100, 50, 0};
    const PpQnPicture indexed(3, 1, 4, palette);
    const unsigned char ones[3] = {1, 1, 1};
    indexed->SetRow(0, 0, 0, ones);
    const PpQnPicture rgb = Convert(indexed, 0);
    rgb->GetRow(0, 0, 0, row);
    EXPECT_EQ(row[0], 50);  // palette entries are red, green, blue; pixels blue first
    EXPECT_EQ(row[2], 200);
}

TEST(Convert, CancelRaisesUserAbort)
{
    AbortingControl control;
    const PpQnPicture colour(10, 10, 0u);
    try {
        Convert(colour, 1, &control);
        FAIL() << "no abort";
    } catch (const UserAbortExcept& e) {
        EXPECT_STREQ(e.what(), "User Abort");
        EXPECT_NE(std::string(e.where()).find("Convert"), std::string::npos);
    }
}
