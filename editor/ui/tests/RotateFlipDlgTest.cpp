// The Rotate and Flip dialogs: the angle from the list at once and typed
// when the box is left, the preview following every setting and its
// switch, interpolation refused for paletted pictures, and the selection's
// mask reduced with the picture.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "DialogGrab.h"
#include "editor/builtins/BuiltinRegistration.h"
#include "editor/builtins/CheckedCast.h"
#include "editor/operations/MaskRenderObj.h"
#include "editor/ui/RotateFlipDlg.h"
#include "editor/ui/RotateFlipSelDlg.h"
#include "editor/ui/ScaledPreviewControl.h"
#include "framework/MessageBox.h"
#include "lang/MachineContext.h"
#include "picture/Picture.h"
#include "render/FillRenderObj.h"

namespace {

struct Settings {
    int32_t angle;
    int h, v, i;
    bool operator==(const Settings&) const = default;
};

// The first argument back: the preview then shows the reduced picture.
PpQnExpr FirstArgument(QnMachineContext& m, int, QnEvalControl*)
{
    return PpQnExpr(QnValueOf(*m.arg_get(1)));
}

PpQnExpr OnePicture()
{
    static BuiltinSlot slot(FirstArgument, 1);
    return PpQnExpr(slot.Id(), -1);
}

PpQnExpr PictureAndMask()
{
    static BuiltinSlot slot(FirstArgument, 2);
    return PpQnExpr(slot.Id(), -1);
}

QComboBox* Angle(fw::Dialog& d) { return qobject_cast<QComboBox*>(d.GetDlgItem(RotateFlipBase::IDC_ANGLE)); }
QCheckBox* Check(fw::Dialog& d, uint32_t id) { return qobject_cast<QCheckBox*>(d.GetDlgItem(id)); }

class RotateFlipDialogs : public ::testing::Test {
protected:
    void TearDown() override { fw::SetDialogHook({}); }
    std::vector<Settings> built;
};

}  // namespace

TEST_F(RotateFlipDialogs, AngleAndFlipsRefreshThePreview)
{
    const PpQnPicture picture(400, 100, 0x00FF00);
    RotateFlipDlg dialog(PpQnRenderObj(picture), 0x123456, true, nullptr,
                         [&](int32_t a, uint32_t colour, int h, int v, int i) {
                             EXPECT_EQ(colour, 0x123456u);
                             built.push_back({a, h, v, i});
                             return OnePicture();
                         });
    fw::SetDialogHook([&](fw::Dialog& d) {
        auto& r = static_cast<RotateFlipDlg&>(d);
        ASSERT_EQ(built, (std::vector<Settings>{{0, 0, 0, 1}}));
        EXPECT_TRUE(r.Preview()->ShowsEffect());
        EXPECT_TRUE(Check(d, RotateFlipBase::IDC_SHOW_PREVIEW)->isChecked());
        EXPECT_EQ(fw::HelpId(r.Preview()), RotateFlipDlg::kPreviewHelpId);

        Angle(d)->setCurrentIndex(3);
        emit Angle(d)->activated(3);
        EXPECT_EQ(r.angle, 135);
        EXPECT_EQ(built.back(), (Settings{135, 0, 0, 1}));
        // Typed: taken when the box is left; a fifth character does not fit;
        // no number leaves the angle.
        Angle(d)->lineEdit()->setText("-45");
        r.OnSettingChanged();
        EXPECT_EQ(built.back(), (Settings{-45, 0, 0, 1}));
        Angle(d)->lineEdit()->setText("12345");
        EXPECT_EQ(Angle(d)->currentText().toStdString(), "1234");
        Angle(d)->lineEdit()->setText("abc");
        r.OnSettingChanged();
        EXPECT_EQ(r.angle, -45);
        Check(d, RotateFlipBase::IDC_FLIP_VERTICALLY)->click();
        Check(d, RotateFlipBase::IDC_INTERPOLATE)->click();
        EXPECT_EQ(built.back(), (Settings{-45, 0, 1, 0}));

        d.show();
        r.Preview()->grab();
        ASSERT_TRUE(r.Preview()->CachedResult());
        Check(d, RotateFlipBase::IDC_SHOW_PREVIEW)->click();
        EXPECT_FALSE(r.Preview()->ShowsEffect());
        EXPECT_FALSE(r.Preview()->CachedResult());
        Check(d, RotateFlipBase::IDC_SHOW_PREVIEW)->click();
        r.Preview()->grab();
        EXPECT_TRUE(r.Preview()->CachedResult());
        GrabWhenAsked(d, "RotateFlipDlg");
        d.PressButton(fw::IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), fw::IDOK);
    EXPECT_EQ(dialog.angle, -45);
    EXPECT_EQ(dialog.flipVertically, 1);
    EXPECT_EQ(dialog.interpolate, 0);
}

TEST_F(RotateFlipDialogs, NoInterpolationForPalettedPictures)
{
    const PpQnPicture picture(40, 40, WA_8BIT, nullptr);
    RotateFlipDlg dialog(PpQnRenderObj(picture), 0, false, nullptr, [&](int32_t a, uint32_t, int h, int v, int i) {
        built.push_back({a, h, v, i});
        return OnePicture();
    });
    fw::SetDialogHook([&](fw::Dialog& d) {
        EXPECT_FALSE(Check(d, RotateFlipBase::IDC_INTERPOLATE)->isEnabled());
        EXPECT_EQ(Check(d, RotateFlipBase::IDC_INTERPOLATE)->text().toStdString(), "Can't interpolate");
        Angle(d)->setCurrentIndex(2);
        emit Angle(d)->activated(2);
        d.PressButton(fw::IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), fw::IDCANCEL);
    EXPECT_EQ(built, (std::vector<Settings>{{0, 0, 0, 0}, {90, 0, 0, 0}}));
}

TEST_F(RotateFlipDialogs, SelectionMaskReducedWithThePicture)
{
    const PpQnPicture picture(400, 200, 0x0000FF);
    const PpQnRenderObj mask(QnCreate<MaskRenderObj>(QnRgn(QnRect{100, 40, 300, 160}), 400, 200));
    RotateFlipSelDlg dialog(PpQnRenderObj(picture), mask, true, nullptr, [&](int32_t a, int h, int v, int i) {
        built.push_back({a, h, v, i});
        return PictureAndMask();
    });
    fw::SetDialogHook([&](fw::Dialog& d) {
        auto& r = static_cast<RotateFlipSelDlg&>(d);
        EXPECT_EQ(built, (std::vector<Settings>{{0, 0, 0, 0}}));
        EXPECT_FALSE(Check(d, RotateFlipBase::IDC_SHOW_PREVIEW)->isChecked());
        // The mask lands where the selection lies in the reduced picture.
        QnXFormXY fit;
        r.Preview()->GetFitTransform(fit);
        const QnRect expected = fit.XForm(QnRect{100, 40, 300, 160}, QN_XF_SORTED);
        ASSERT_TRUE(r.ReducedMask());
        EXPECT_EQ(r.ReducedMask()->GetRect(QnXFormXY()), expected);
        const QnFillRenderObj::PlaneFmt format{1, 1, 1};
        const PpQnFillRenderObj fill(r.ReducedMask(), 1, &format);
        const PpQnPixBuf inside = fill->RenderRect(QnXFormXY(), 0, expected, nullptr);
        EXPECT_EQ(inside->CRow(1)[1], 255);
        EXPECT_EQ(inside->CRow(int32_t(expected.Height()) - 2)[int32_t(expected.Width()) - 2], 255);

        Check(d, RotateFlipBase::IDC_FLIP_HORIZONTALLY)->click();
        EXPECT_EQ(built.back(), (Settings{0, 1, 0, 0}));
        d.show();
        r.Preview()->grab();
        EXPECT_TRUE(r.Preview()->CachedResult());
        d.PressButton(fw::IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), fw::IDOK);
    EXPECT_EQ(dialog.flipHorizontally, 1);
}
