// The borders built-in evaluated as the document does: the result's size
// and type, the picture unchanged in the middle, a band painted from the
// catalogue, and a plain band where the named pictures are missing.
#include "editor/operations/PictureExprBuilders.h"
#include "editor/operations/PicFactory.h"
#include "editor/operations/PictureRowAccess.h"

#include "base/QnExcept.h"
#include "lang/FlInt.h"
#include "lang/FlString.h"
#include "lang/MachineContext.h"
#include "lang/ValueExpr.h"
#include "picture/Picture.h"

#include "FrameFixture.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct BorderArgs {
    uint32_t colour = 0x00204060u;  // red 0x60, green 0x40, blue 0x20
    int32_t frame = 0, mat = 0, light = 0, profile = 0;
    std::string frameName, matName;
};

PpQnPicture Borders(const PpQnFlVal& picture, const BorderArgs& a)
{
    const PpQnExpr e = MakeBordersExpr(PpQnExpr(picture), long(a.colour), a.frame, a.mat, a.light, a.profile,
                                       a.frameName.c_str(), a.matName.c_str());
    QnMachineContext m;
    return PpQnPicture(dynamic_cast<QnPicture*>(m.eval(e, nullptr)->CastToValue()->ValuePtr()));
}

// A picture whose pixels differ from each other and from the band colour.
PpQnPicture Source(int32_t w, int32_t h, int type)
{
    const PpQnPicture p(w, h, type, nullptr);
    PictureRowAccess rows(p, QnRect{0, 0, w, h});
    const int32_t bytes = type == 16 ? 3 : 1;
    for (int32_t y = 0; y < h; ++y)
        for (int32_t i = 0; i < w * bytes; ++i)
            rows.Row(y)[i] = uint8_t(200 + (i + y) % 50);
    return p;
}

class BordersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fixture_.Write("Frame/Frame/Wood/Oak.bmp",
                       FrameFixture::Picture(8, 8, [](int32_t x, int32_t y) { return uint32_t(x * 3 + y * 11) * 0x010101u; }));
        fixture_.Write("Frame/Mat/Cream.bmp", FrameFixture::Picture(4, 4, [](int32_t, int32_t) { return 0x606060u; }));
        SetFramePictureFolder(fixture_.Root());
    }
    void TearDown() override { SetFramePictureFolder(""); }

    FrameFixture fixture_;
};

}  // namespace

TEST_F(BordersTest, PictureSitsUnchangedInTheMiddleOfTheBand)
{
    struct Case {
        int type, frame, mat;
    };
    for (const Case c : {Case{16, 20, 10}, Case{8, 20, 10}, Case{16, 0, 0}, Case{8, 6, 0}}) {
        const int32_t w = 300, h = 200, b = c.frame + c.mat, bytes = c.type == 16 ? 3 : 1;
        const PpQnPicture source = Source(w, h, c.type);
        source->SetHRes(150);
        source->SetVRes(75);
        BorderArgs a;
        a.frame = c.frame;
        a.mat = c.mat;
        a.frameName = "Oak";
        a.matName = "Cream";
        const PpQnPicture result = Borders(PpQnFlVal(source), a);
        ASSERT_EQ(result->GetWidth(), w + 2 * b);
        ASSERT_EQ(result->GetHeight(), h + 2 * b);
        EXPECT_EQ(result->Type(), c.type);
        EXPECT_EQ(result->GetHRes(), 150);
        EXPECT_EQ(result->GetVRes(), 75);
        const PictureRowAccess in(PpQnRenderObj(source), bytes, QnRect{0, 0, w, h});
        const PictureRowAccess out(PpQnRenderObj(result), bytes, QnRect{b, b, b + w, b + h});
        for (int32_t y = 0; y < h; ++y)
            ASSERT_EQ(0, std::memcmp(in.Row(y), out.Row(y), size_t(w * bytes))) << "row " << y;
    }
}

TEST_F(BordersTest, BandIsPaintedFromTheCatalogueOrPlainWhenPicturesAreMissing)
{
    const PpQnPicture source = Source(40, 30, 16);
    BorderArgs a;
    a.frame = 6;
    a.mat = 8;
    a.matName = "Cream";
    for (const char* frameName : {"Oak", "Missing"}) {
        a.frameName = frameName;
        const PpQnPicture result = Borders(PpQnFlVal(source), a);
        const PictureRowAccess rows(PpQnRenderObj(result), 3, QnRect{0, 0, 68, 58});
        // The middle of the top frame band: a piece pixel, or the colour.
        const uint8_t* frame = rows.Row(2) + 3 * 30;
        const bool plain = frame[0] == 0x20 && frame[1] == 0x40 && frame[2] == 0x60;
        EXPECT_EQ(plain, std::string(frameName) == "Missing");
        // The mat away from its inner edge: grey 0x60 tinted with the colour.
        const uint8_t* mat = rows.Row(25) + 3 * 7;
        EXPECT_EQ(mat[0], (0x20 * 0x60 + 127) / 255);
        EXPECT_EQ(mat[2], (0x60 * 0x60 + 127) / 255);
    }
}

TEST_F(BordersTest, WrongArgumentTypeRaises)
{
    BorderArgs a;
    EXPECT_THROW(Borders(PpQnFlVal(int32_t(5)), a), QnCastExcept);
}
