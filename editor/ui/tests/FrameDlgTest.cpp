// The frame and mat dialog driven as a user would: no frame and no mat
// disable their lists, the widths follow the picture's longer side, the
// light list and the ball follow each other, the preview is framed from the
// catalogue (or left plain where a picture is damaged), and the choices come
// back the next time.
#include <gtest/gtest.h>

#include <QComboBox>

#include "DialogGrab.h"
#include "editor/operations/PicFactory.h"
#include "editor/operations/tests/FrameFixture.h"
#include "editor/ui/BallButton.h"
#include "editor/ui/FrameDlg.h"
#include "framework/App.h"
#include "framework/Dialog.h"
#include "framework/MessageBox.h"
#include "platform/Dib.h"

namespace {

// A packed 24-bit DIB of w x h in one colour (blue, green, red bytes).
std::vector<uint8_t> SourceDib(int32_t w, int32_t h)
{
    std::vector<uint8_t> dib = platform::MakeDibHeader(w, h, 24, {}, 96, 96);
    dib.resize(dib.size() + size_t(platform::DibRowBytes(uint64_t(w), 24)) * size_t(h), 0x11);
    return dib;
}

QComboBox* Combo(fw::Dialog& d, uint32_t id) { return qobject_cast<QComboBox*>(d.GetDlgItem(id)); }

void Choose(fw::Dialog& d, uint32_t id, int index)
{
    QComboBox* combo = Combo(d, id);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

constexpr uint32_t kBackground = 0x00204060u;  // blue 0x20, green 0x40, red 0x60

class FrameDlgTest : public ::testing::Test {
protected:
    void SetUp() override { SetFramePictureFolder(QN_PROGRAM_FOLDER); }
    void TearDown() override
    {
        fw::SetDialogHook({});
        SetFramePictureFolder("");
    }

    // Runs the dialog on a w x h picture with hook as the user.
    int Run(const std::function<void(CFrameDlg&)>& hook, int32_t w = 1000, int32_t h = 600)
    {
        CFrameDlg dialog(SourceDib(w, h), kBackground);
        fw::SetDialogHook([&](fw::Dialog& d) { hook(static_cast<CFrameDlg&>(d)); });
        const int result = dialog.DoModal();
        last = {dialog.frameShape, dialog.frameSize, dialog.frameStyle, dialog.frameType,
                dialog.matSize,    dialog.matStyle,  dialog.light};
        lastNames = {dialog.frameTypeName, dialog.GetFrameStyleName(), dialog.GetMatName()};
        widths = {dialog.GetFrameWidth(), dialog.GetMatWidth()};
        return result;
    }

    fw::App app{"FrameDlgTest"};
    std::vector<int> last;
    std::vector<std::string> lastNames;
    std::vector<int> widths;
};

}  // namespace

TEST_F(FrameDlgTest, NoFrameAndNoMatDisableTheirLists)
{
    Run([](CFrameDlg& d) {
        EXPECT_EQ(Combo(d, CFrameDlg::IDC_FRAME_TYPE)->currentText().toStdString(), "None");
        for (uint32_t id : {CFrameDlg::IDC_FRAME_STYLE, CFrameDlg::IDC_FRAME_SHAPE, CFrameDlg::IDC_FRAME_SIZE,
                            CFrameDlg::IDC_MAT_STYLE})
            EXPECT_FALSE(Combo(d, id)->isEnabled()) << id;
        EXPECT_EQ((std::vector<int>{d.frameStyle, d.frameShape, d.frameSize, d.matStyle}),
                  (std::vector<int>{-1, -1, -1, -1}));
        EXPECT_EQ(d.GetFrameWidth(), 0);
        EXPECT_EQ(d.GetMatWidth(), 0);
        // A frame type enables them with the first entries.
        Choose(d, CFrameDlg::IDC_FRAME_TYPE, 1);
        EXPECT_TRUE(Combo(d, CFrameDlg::IDC_FRAME_STYLE)->isEnabled());
        EXPECT_GE(Combo(d, CFrameDlg::IDC_FRAME_STYLE)->count(), 2);
        EXPECT_EQ((std::vector<int>{d.frameStyle, d.frameShape, d.frameSize}), (std::vector<int>{0, 0, 0}));
        EXPECT_EQ(d.GetFrameStyleName(), Combo(d, CFrameDlg::IDC_FRAME_STYLE)->itemText(0).toStdString());
    });
}

TEST_F(FrameDlgTest, WidthsFollowTheLongerSideAndThePreviewIsFramed)
{
    const int result = Run([](CFrameDlg& d) {
        Choose(d, CFrameDlg::IDC_FRAME_TYPE, 1);
        Choose(d, CFrameDlg::IDC_FRAME_SIZE, 1);  // Medium
        Choose(d, CFrameDlg::IDC_MAT_SIZE, 3);    // Large
        EXPECT_TRUE(Combo(d, CFrameDlg::IDC_MAT_STYLE)->isEnabled());
        EXPECT_EQ(d.GetMatName(), d.Catalogue().MatNames().at(0));
        EXPECT_EQ(d.GetFrameWidth(), 62);
        EXPECT_EQ(d.GetMatWidth(), 125);

        // The preview: a thumbnail fitted into the area less its inset, with
        // a band of the preview's own widths painted round it.
        EXPECT_EQ(d.Thumbnail().width, 83);
        EXPECT_EQ(d.Thumbnail().height, 50);
        EXPECT_EQ(d.PreviewFrameWidth(), CFrameDlg::kPreviewWidth / 16);
        EXPECT_EQ(d.PreviewMatWidth(), CFrameDlg::kPreviewWidth / 8);
        const CFrameDlgPicture& c = d.Composite();
        const int32_t b = d.PreviewFrameWidth() + d.PreviewMatWidth();
        ASSERT_EQ(c.width, 83 + 2 * b);
        ASSERT_EQ(c.height, 50 + 2 * b);
        EXPECT_EQ(c.Row(b + 10)[3 * (b + 10)], 0x11);  // the picture
        const uint8_t* frame = c.Row(2) + 3 * (c.width / 2);
        EXPECT_FALSE(frame[0] == 0x20 && frame[1] == 0x40 && frame[2] == 0x60);  // painted, not the background
        d.show();
        GrabWhenAsked(d, "FrameDlg");
        d.PressButton(fw::IDOK);
    });
    EXPECT_EQ(result, fw::IDOK);
}

TEST_F(FrameDlgTest, LightListAndBallFollowEachOther)
{
    Run([](CFrameDlg& d) {
        Choose(d, CFrameDlg::IDC_LIGHT, 4);  // Center
        EXPECT_EQ(d.Ball()->Distance(), 0);
        EXPECT_EQ(d.Ball()->Direction(), 0);
        Choose(d, CFrameDlg::IDC_LIGHT, 0);  // Top left
        EXPECT_EQ(d.Ball()->Distance(), 1);
        EXPECT_EQ(d.Ball()->Direction(), 2);
        d.Ball()->SetDirection(0);
        d.Ball()->click();
        EXPECT_EQ(d.light, 2);  // Bottom right
        EXPECT_EQ(Combo(d, CFrameDlg::IDC_LIGHT)->currentIndex(), 2);
        d.Ball()->SetDistance(0);
        d.Ball()->click();
        EXPECT_EQ(d.light, 4);
    });
}

TEST_F(FrameDlgTest, ChoicesComeBackNextTime)
{
    Run([](CFrameDlg& d) {
        Choose(d, CFrameDlg::IDC_FRAME_TYPE, 2);
        Choose(d, CFrameDlg::IDC_FRAME_STYLE, 1);
        Choose(d, CFrameDlg::IDC_FRAME_SHAPE, 2);
        Choose(d, CFrameDlg::IDC_FRAME_SIZE, 2);
        Choose(d, CFrameDlg::IDC_MAT_SIZE, 1);
        Choose(d, CFrameDlg::IDC_MAT_STYLE, 1);
        Choose(d, CFrameDlg::IDC_LIGHT, 3);
        d.PressButton(fw::IDOK);
    });
    const std::vector<int> chosen = last;
    const std::vector<std::string> names = lastNames;
    EXPECT_EQ(chosen, (std::vector<int>{2, 2, 1, 2, 1, 1, 3}));
    EXPECT_EQ(app.GetProfileString("Frame", "FrStyleStr"), names[1]);
    EXPECT_EQ(app.GetProfileString("Frame", "MtNameStr"), names[2]);

    Run([](CFrameDlg& d) { EXPECT_TRUE(Combo(d, CFrameDlg::IDC_FRAME_STYLE)->isEnabled()); });
    EXPECT_EQ(last, chosen);
    EXPECT_EQ(lastNames, names);
}

TEST_F(FrameDlgTest, DamagedPicturesAndSourceGiveAPlainPreview)
{
    FrameFixture fixture;
    fixture.WriteBytes("Frame/Frame/Bad/Broken.bmp", std::vector<uint8_t>(80, 0x42));
    SetFramePictureFolder(fixture.Root());
    Run([](CFrameDlg& d) {
        Choose(d, CFrameDlg::IDC_FRAME_TYPE, 1);
        EXPECT_EQ(d.GetFrameStyleName(), "Broken");
        const CFrameDlgPicture& c = d.Composite();
        ASSERT_GT(c.width, 0);
        const uint8_t* frame = c.Row(1) + 3 * (c.width / 2);
        EXPECT_EQ((std::vector<int>{frame[0], frame[1], frame[2]}), (std::vector<int>{0x20, 0x40, 0x60}));
    });

    // A source that is no bitmap: no thumbnail, no widths, no preview.
    CFrameDlg dialog(std::vector<uint8_t>(30, 1), kBackground);
    fw::SetDialogHook([](fw::Dialog& d) {
        Choose(d, CFrameDlg::IDC_FRAME_TYPE, 1);
        auto& frame = static_cast<CFrameDlg&>(d);
        EXPECT_EQ(frame.GetFrameWidth(), 0);
        EXPECT_EQ(frame.Composite().width, 0);
    });
    dialog.DoModal();
}
