// The picture constructors and the unwrapping of tool answers, evaluated on
// a machine as the document evaluates them.
#include "base/QnExcept.h"
#include "editor/builtins/FL_Functions.h"
#include "editor/builtins/FlRectPict.h"
#include "lang/FlInt.h"
#include "lang/MachineContext.h"
#include "lang/ValueExpr.h"
#include "picture/Picture.h"

#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <functional>
#include <unistd.h>

namespace {

PpQnPicture PictureOf(const PpQnExpr& evaluated)
{
    return PpQnPicture(dynamic_cast<QnPicture*>(evaluated->CastToValue()->ValuePtr()));
}

std::string Raised(const std::function<void()>& f)
{
    try {
        f();
    } catch (const QnExcept& e) {
        return std::string(e.what()) + " @ " + e.where();
    }
    return "nothing";
}

}  // namespace

TEST(PictureFunctions, NewPictureIsOneColourWithItsResolution)
{
    QnMachineContext m;
    const PpQnPicture p = PictureOf(m.eval(MakeNewPictureExpr(0x00336699, 5, 3, 72, 96), nullptr));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->Type(), 16);
    EXPECT_EQ(p->GetWidth(), 5);
    EXPECT_EQ(p->GetHeight(), 3);
    EXPECT_EQ(p->GetHRes(), 72);
    EXPECT_EQ(p->GetVRes(), 96);
    unsigned char row[16];
    p->GetRow(0, 0, 0, row);
    EXPECT_EQ(row[0], 0x33);  // 0x00BBGGRR gives blue, green, red bytes
    EXPECT_EQ(row[1], 0x66);
    EXPECT_EQ(row[2], 0x99);
}

TEST(PictureFunctions, WrongArgumentsRaiseTheCastExceptionOfTheirLine)
{
    QnMachineContext m;
    PpQnExpr e(FlFunctionsRegistrar::NewPictureId(), -1);
    e = PpQnExpr(e, PpQnExpr(PpQnFlVal(1)));
    e = PpQnExpr(e, PpQnExpr(PpQnFlVal("wide")));
    for (int i = 0; i < 3; ++i)
        e = PpQnExpr(e, PpQnExpr(PpQnFlVal(1)));
    EXPECT_NE(Raised([&] { m.eval(e, nullptr); }).find("FL_Functions, line 39"), std::string::npos);
    const PpQnExpr load(PpQnExpr(FlFunctionsRegistrar::LoadPictureId(), -1), PpQnExpr(PpQnFlVal(7)));
    EXPECT_NE(Raised([&] { m.eval(load, nullptr); }).find("FL_Functions, line 62"), std::string::npos);
    const PpQnExpr unwrap = MakeFromRectPictExpr(PpQnExpr(PpQnFlVal(7)));
    EXPECT_NE(Raised([&] { m.eval(unwrap, nullptr); }).find("FlRectPict, line"), std::string::npos);
}

TEST(PictureFunctions, LoadReadsTheFileAndATemporaryDescriptorTakesItsFileAlong)
{
    const std::string path = (std::filesystem::temp_directory_path() / ("qnload" + std::to_string(getpid()) + ".png")).string();
    QImage image(4, 2, QImage::Format_RGB888);
    image.fill(QColor(10, 20, 30));
    ASSERT_TRUE(image.save(QString::fromStdString(path)));
    {
        QnMachineContext m;
        const PpQnPicture p = PictureOf(m.eval(MakeLoadFileExpr(path.c_str()), nullptr));
        ASSERT_TRUE(p);
        EXPECT_EQ(p->GetWidth(), 4);
        unsigned char row[12];
        p->GetRow(0, 0, 0, row);
        EXPECT_EQ(row[2], 10);
    }
    QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(PictureFunctions, RectPictUnwrapsToItsPicture)
{
    QnMachineContext m;
    const PpQnPicture p(2, 2, 0u);
    const QnRect r{0, 0, 1, 1};
    const PpFlRectPict answer = MakeFlRectPict(p, &r);
    EXPECT_FALSE(answer->IsWhole());
    EXPECT_TRUE(MakeFlRectPict(p, nullptr)->IsWhole());
    EXPECT_EQ(PictureOf(m.eval(MakeFromRectPictExpr(PpQnExpr(PpQnFlVal(answer))), nullptr)).Get(), p.Get());
}
